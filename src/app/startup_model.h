#pragma once
#include "model/form_model.h"

namespace tastrix {

// The start-up's changes to the picture before the map is loaded: the notice
// line, every label transparent and clickable, "Key Label" on every key and
// the untitled map title. The window's start-up and the export both begin so,
// which makes an exported picture the one the window shows.
void PrepareStartupModel(FormModel& model);

}  // namespace tastrix
