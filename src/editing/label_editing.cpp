#include "app/main_form.h"
#include "text/label_text.h"

namespace tastrix {
namespace {

const char* const kEditCaption = "Enter new label for this key";
const char* const kEditPrompt = "Enter:";

}  // namespace

void TMainForm1::Label_0Click(int label) {
  const std::string oldText = model_[label].caption;
  std::string text = oldText;
  if (dialogs_.inputBox(kEditCaption, kEditPrompt, text)) model_[label].caption = SingleLineLabel(text);
  if (model_[label].caption != oldText) model_.changed = true;
}

}  // namespace tastrix
