// The erase and set commands: one table row per key label range.
#include "app/main_form.h"
#include "text/label_text.h"
#include "model/tag_walks.h"

namespace tastrix {
namespace {

struct LabelRange {
  int lo, hi;
  const char* eraseQuestion;
  const char* setCaption;
  const char* setQuestion;  // the typed text and "\" ?" follow
};

const LabelRange kFunctionKeyLabels{kFunctionKeys, kFunctionKeys,
                                    "Erase all \"Function Key\" Labels ?",
                                    "Enter Default Label for all Function Keys",
                                    "Set all Function Keys Labels to \""};
const LabelRange kMainKeyboardLabels{kMainKeyboard, kMainKeyboard,
                                     "Erase all \"Main Keyboard Key\" Labels ?",
                                     "Enter Default Label for all Main Keyboard Keys",
                                     "Set all Main Keyboard Key Labels to \""};
const LabelRange kCursorControlLabels{kCursorControl, kCursorControl,
                                      "Erase all \"Cursor Control Key\" Labels ?",
                                      "Enter Default Label for all Cursor Control Keys",
                                      "Set all Cursor Control Key Labels to \""};
const LabelRange kNumericKeypadLabels{kNumericKeypad, kNumericKeypad,
                                      "Erase all \"Numeric Keypad Key\" Labels ?",
                                      "Enter Default Label for all Numeric Keypad Keys",
                                      "Set all Numeric Keypad Key Labels to \""};
// Every key label; the title (99) lies outside.
const LabelRange kAllKeyLabels{1, 50,
                               "Erase ALL Keyboard Key Labels ?",
                               "Enter Default Label for all keys",
                               "Set ALL Keyboard Key Labels to \""};

bool confirmed(IDialogs& dialogs, const std::string& question) {
  return dialogs.message(MessageKind::Confirmation, question, Buttons::YesNo) == Answer::Yes;
}

void eraseLabels(FormModel& model, IDialogs& dialogs, const LabelRange& range) {
  if (!confirmed(dialogs, range.eraseQuestion)) return;
  SetLabelTexts(model, "", range.lo, range.hi);
  model.changed = true;
}

void setLabels(FormModel& model, IDialogs& dialogs, const LabelRange& range) {
  std::string text = "Key Label";
  if (!dialogs.inputBox(range.setCaption, "Enter:", text)) return;
  // The question shows exactly what the labels will hold.
  text = SingleLineLabel(text);
  if (!confirmed(dialogs, range.setQuestion + text + "\" ?")) return;
  SetLabelTexts(model, text, range.lo, range.hi);
  model.changed = true;
}

}  // namespace

void TMainForm1::Reset_Function_Key_Labels_OptionClick() { eraseLabels(model_, dialogs_, kFunctionKeyLabels); }
void TMainForm1::Reset_Main_Keyboard_Labels_OptionClick() { eraseLabels(model_, dialogs_, kMainKeyboardLabels); }
void TMainForm1::Reset_Cursor_Control_Labels_OptionClick() { eraseLabels(model_, dialogs_, kCursorControlLabels); }
void TMainForm1::Reset_Numeric_Keypad_Labels_OptionClick() { eraseLabels(model_, dialogs_, kNumericKeypadLabels); }
void TMainForm1::Reset_All_Labels_OptionClick() { eraseLabels(model_, dialogs_, kAllKeyLabels); }
void TMainForm1::Set_Function_Key_Labels_OptionClick() { setLabels(model_, dialogs_, kFunctionKeyLabels); }
void TMainForm1::Set_Main_Keyboard_Labels_OptionClick() { setLabels(model_, dialogs_, kMainKeyboardLabels); }
void TMainForm1::Set_Cursor_Control_Labels_OptionClick() { setLabels(model_, dialogs_, kCursorControlLabels); }
void TMainForm1::Set_Numeric_Keypad_Labels_OptionClick() { setLabels(model_, dialogs_, kNumericKeypadLabels); }
void TMainForm1::Set_All_Labels_To_A_Default_Value_OptionClick() { setLabels(model_, dialogs_, kAllKeyLabels); }

}  // namespace tastrix
