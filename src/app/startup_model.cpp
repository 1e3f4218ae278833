#include "app/startup_model.h"

#include <string>

#include "model/tag_walks.h"
#include "platform/app_title.h"

namespace tastrix {
namespace {

const char* const kNoticeSecondText = "Keyboard map made with Tastrix";

}  // namespace

void PrepareStartupModel(FormModel& model) {
  model[model.notice].caption = std::string(kAppTitle) + "      " + kNoticeSecondText;
  SetLabelsTransparent(model, true);
  AssignLabelClickHandler(model, model.label0, kLabelOrder);
  SetLabelTexts(model, "Key Label", kKeyLabels);
  model[model.mapTitle].caption = "Untitled keyboard Map";
}

}  // namespace tastrix
