#include "app/startup_model.h"

#include <string>

#include "model/tag_walks.h"
#include "product/product.h"

namespace tastrix {
void PrepareStartupModel(FormModel& model) {
  model.setCaption(model.notice, std::string(kAppTitle) + "      " + kNoticeText);
  SetLabelsTransparent(model, true);
  AssignLabelClickHandler(model, model.label0, kLabelOrder);
  SetLabelTexts(model, "Key Label", kKeyLabels);
  model.setCaption(model.mapTitle, "Untitled keyboard Map");
}

}  // namespace tastrix
