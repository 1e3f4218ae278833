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

const LabelRange& rangeOf(LabelGroup group) {
  switch (group) {
    case LabelGroup::FunctionKeys: return kFunctionKeyLabels;
    case LabelGroup::MainKeyboard: return kMainKeyboardLabels;
    case LabelGroup::CursorControl: return kCursorControlLabels;
    case LabelGroup::NumericKeypad: return kNumericKeypadLabels;
    case LabelGroup::AllKeys: break;
  }
  return kAllKeyLabels;
}

void erase(FormModel& model, IDialogs& dialogs, const LabelRange& range) {
  if (!dialogs.confirmed(range.eraseQuestion)) return;
  SetLabelTexts(model, "", range.tags);
  model.setChanged(true);
}

void set(FormModel& model, IDialogs& dialogs, const LabelRange& range) {
  std::string text = "Key Label";
  if (!dialogs.inputBox(range.setCaption, "Enter:", text)) return;
  // The question shows exactly what the labels will hold.
  text = SingleLineLabel(text);
  if (!dialogs.confirmed(range.setQuestion + text + "\" ?")) return;
  SetLabelTexts(model, text, range.tags);
  model.setChanged(true);
}

}  // namespace

void EditCommands::eraseLabels(LabelGroup group) { erase(form_, dialogs_, rangeOf(group)); }
void EditCommands::setLabels(LabelGroup group) { set(form_, dialogs_, rangeOf(group)); }

}  // namespace tastrix
