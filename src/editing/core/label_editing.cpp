#include "editing/core/edit_commands.h"
#include "text/label_text.h"

namespace tastrix {
namespace {

const char* const kEditCaption = "Enter new label for this key";
const char* const kEditPrompt = "Enter:";

}  // namespace

void EditCommands::editLabel(int component) {
  if (form_[component].onClick != ClickHandler::LabelEdit) return;
  const std::string oldText = form_[component].caption;
  std::string text = oldText;
  if (dialogs_.inputBox(kEditCaption, kEditPrompt, text)) form_.setCaption(component, SingleLineLabel(text));
  if (form_[component].caption != oldText) form_.setChanged(true);
}

// A press records the group it fell on; a press on the window itself records none.
void EditCommands::recordPress(int component) {
  if (component < 0)
    form_.recordedGroup = PressGroup::None;
  else if (const std::optional<PressGroup> group = form_[component].pressGroup)
    form_.recordedGroup = *group;
}

}  // namespace tastrix
