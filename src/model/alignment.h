#pragma once
#include "model/form_model.h"

namespace tastrix {

// The steps of an alignment command, which the map loads also perform:
// every key label and the title take the layout, the document records it and
// the map counts as changed.
void applyAlignment(FormModel& form, VerticalLayout layout);

}  // namespace tastrix
