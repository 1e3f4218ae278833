#include "model/alignment.h"

#include "model/tag_walks.h"

namespace tastrix {

void applyAlignment(FormModel& form, VerticalLayout layout) {
  SetLabelLayouts(form, layout, kLabelOrder);
  form.setAlignment(layout);
  form.setChanged(true);
}

}  // namespace tastrix
