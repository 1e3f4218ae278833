// The erase and set commands: one table row per key label range.
#include "editing/core/edit_commands.h"
#include "model/key_catalogue.h"
#include "model/tag_walks.h"
#include "text/label_text.h"

namespace tastrix {
namespace {

struct LabelRange {
  TagRange tags;
  const char* eraseQuestion;
  const char* setCaption;
  const char* setQuestion;  // the typed text and "\" ?" follow
};

const LabelRange kFunctionKeyLabels{groupLabels(kFunctionKeys),
                                    "Erase all \"Function Key\" Labels ?",
                                    "Enter Default Label for all Function Keys",
                                    "Set all Function Keys Labels to \""};
const LabelRange kMainKeyboardLabels{groupLabels(kMainKeyboard),
                                     "Erase all \"Main Keyboard Key\" Labels ?",
                                     "Enter Default Label for all Main Keyboard Keys",
                                     "Set all Main Keyboard Key Labels to \""};
const LabelRange kCursorControlLabels{groupLabels(kCursorControl),
                                      "Erase all \"Cursor Control Key\" Labels ?",
                                      "Enter Default Label for all Cursor Control Keys",
                                      "Set all Cursor Control Key Labels to \""};
const LabelRange kNumericKeypadLabels{groupLabels(kNumericKeypad),
                                      "Erase all \"Numeric Keypad Key\" Labels ?",
                                      "Enter Default Label for all Numeric Keypad Keys",
                                      "Set all Numeric Keypad Key Labels to \""};
const LabelRange kAllKeyLabels{kKeyLabels,
                               "Erase ALL Keyboard Key Labels ?",
                               "Enter Default Label for all keys",
                               "Set ALL Keyboard Key Labels to \""};

void eraseLabels(FormModel& model, IDialogs& dialogs, const LabelRange& range) {
  if (!dialogs.confirmed(range.eraseQuestion)) return;
  SetLabelTexts(model, "", range.tags);
  model.setChanged(true);
}

void setLabels(FormModel& model, IDialogs& dialogs, const LabelRange& range) {
  std::string text = "Key Label";
  if (!dialogs.inputBox(range.setCaption, "Enter:", text)) return;
  // The question shows exactly what the labels will hold.
  text = SingleLineLabel(text);
  if (!dialogs.confirmed(range.setQuestion + text + "\" ?")) return;
  SetLabelTexts(model, text, range.tags);
  model.setChanged(true);
}

}  // namespace

void EditCommands::Reset_Function_Key_Labels_OptionClick() { eraseLabels(form_, dialogs_, kFunctionKeyLabels); }
void EditCommands::Reset_Main_Keyboard_Labels_OptionClick() { eraseLabels(form_, dialogs_, kMainKeyboardLabels); }
void EditCommands::Reset_Cursor_Control_Labels_OptionClick() { eraseLabels(form_, dialogs_, kCursorControlLabels); }
void EditCommands::Reset_Numeric_Keypad_Labels_OptionClick() { eraseLabels(form_, dialogs_, kNumericKeypadLabels); }
void EditCommands::Reset_All_Labels_OptionClick() { eraseLabels(form_, dialogs_, kAllKeyLabels); }
void EditCommands::Set_Function_Key_Labels_OptionClick() { setLabels(form_, dialogs_, kFunctionKeyLabels); }
void EditCommands::Set_Main_Keyboard_Labels_OptionClick() { setLabels(form_, dialogs_, kMainKeyboardLabels); }
void EditCommands::Set_Cursor_Control_Labels_OptionClick() { setLabels(form_, dialogs_, kCursorControlLabels); }
void EditCommands::Set_Numeric_Keypad_Labels_OptionClick() { setLabels(form_, dialogs_, kNumericKeypadLabels); }
void EditCommands::Set_All_Labels_To_A_Default_Value_OptionClick() { setLabels(form_, dialogs_, kAllKeyLabels); }

}  // namespace tastrix
