#include "app/startup_model.h"

#include <string>

#include "model/tag_walks.h"
#include "product/product.h"

namespace tastrix {
void PrepareStartupModel(FormModel& model) {
  model[model.notice].caption = std::string(kAppTitle) + "      " + kNoticeText;
  SetLabelsTransparent(model, true);
  AssignLabelClickHandler(model, model.label0, kLabelOrder);
  SetLabelTexts(model, "Key Label", kKeyLabels);
  model[model.mapTitle].caption = "Untitled keyboard Map";
}

}  // namespace tastrix
