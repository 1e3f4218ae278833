#include "app/startup_model.h"

namespace tastrix {

void PrepareStartupMap(MapDocument& document) {
  document.setKeyLabels(LabelGroup::AllKeys, "Key Label");
  document.setLabel(0, "Untitled keyboard Map");
}

}  // namespace tastrix
