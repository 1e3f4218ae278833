#include "editing/core/edit_commands.h"
#include "text/label_text.h"

namespace tastrix {
namespace {

const char* const kEditCaption = "Enter new label for this key";
const char* const kEditPrompt = "Enter:";

}  // namespace

void EditCommands::Label_0Click(int label) {
  const std::string oldText = form_[label].caption;
  std::string text = oldText;
  if (dialogs_.inputBox(kEditCaption, kEditPrompt, text)) form_.setCaption(label, SingleLineLabel(text));
  if (form_[label].caption != oldText) form_.setChanged(true);
}

// The mouse-press handlers record where the press fell.
void EditCommands::Function_Keys_GroupBoxMouseDown() { form_.recordedGroup = PressGroup::FunctionKeys; }
void EditCommands::Main_Keyboard_Area_GroupBoxMouseDown() { form_.recordedGroup = PressGroup::MainKeyboard; }
void EditCommands::Cursor_Control_GroupBoxMouseDown() { form_.recordedGroup = PressGroup::CursorControl; }
void EditCommands::Numeric_Keypad_GroupBoxMouseDown() { form_.recordedGroup = PressGroup::NumericKeypad; }
void EditCommands::Keyboard_Map_Title_LabelMouseDown() { form_.recordedGroup = PressGroup::MapTitle; }
void EditCommands::FormMouseDown() { form_.recordedGroup = PressGroup::None; }

void EditCommands::press(PressGroup group) {
  switch (group) {
    case PressGroup::FunctionKeys: Function_Keys_GroupBoxMouseDown(); break;
    case PressGroup::MainKeyboard: Main_Keyboard_Area_GroupBoxMouseDown(); break;
    case PressGroup::CursorControl: Cursor_Control_GroupBoxMouseDown(); break;
    case PressGroup::NumericKeypad: Numeric_Keypad_GroupBoxMouseDown(); break;
    case PressGroup::MapTitle: Keyboard_Map_Title_LabelMouseDown(); break;
    case PressGroup::None: FormMouseDown(); break;
  }
}

void EditCommands::pressOn(int component) {
  if (component < 0) return FormMouseDown();
  if (const std::optional<PressGroup> group = form_[component].pressGroup) press(*group);
}

void EditCommands::clickOn(int component) {
  if (form_[component].onClick == ClickHandler::LabelEdit) Label_0Click(component);
}

}  // namespace tastrix
