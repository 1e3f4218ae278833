#include "model/alignment.h"

#include "model/tag_walks.h"

namespace tastrix {

void applyAlignment(FormModel& form, int index) {
  SetLabelLayouts(form, index, kLabelOrder);
  form.alignmentIndex = index;
  form.changed = true;
}

}  // namespace tastrix
