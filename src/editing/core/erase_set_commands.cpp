// The erase and set commands: one table row per group of key labels.
#include "editing/core/edit_commands.h"
#include "text/label_text.h"

namespace tastrix {
namespace {

struct LabelGroupTexts {
  const char* eraseQuestion;
  const char* setCaption;
  const char* setQuestion;  // the typed text and "\" ?" follow
};

// By LabelGroup.
const LabelGroupTexts kGroupTexts[] = {
    {"Erase all \"Function Key\" Labels ?", "Enter Default Label for all Function Keys",
     "Set all Function Keys Labels to \""},
    {"Erase all \"Main Keyboard Key\" Labels ?", "Enter Default Label for all Main Keyboard Keys",
     "Set all Main Keyboard Key Labels to \""},
    {"Erase all \"Cursor Control Key\" Labels ?", "Enter Default Label for all Cursor Control Keys",
     "Set all Cursor Control Key Labels to \""},
    {"Erase all \"Numeric Keypad Key\" Labels ?", "Enter Default Label for all Numeric Keypad Keys",
     "Set all Numeric Keypad Key Labels to \""},
    {"Erase ALL Keyboard Key Labels ?", "Enter Default Label for all keys", "Set ALL Keyboard Key Labels to \""},
};

const LabelGroupTexts& textsOf(LabelGroup group) { return kGroupTexts[static_cast<size_t>(group)]; }

}  // namespace

void EditCommands::eraseLabels(LabelGroup group) {
  if (!dialogs_.confirmed(textsOf(group).eraseQuestion)) return;
  document_.setKeyLabels(group, "");
  document_.setChanged(true);
}

void EditCommands::setLabels(LabelGroup group) {
  std::string text = "Key Label";
  if (!dialogs_.inputBox(textsOf(group).setCaption, "Enter:", text)) return;
  // The question shows exactly what the labels will hold.
  text = SingleLineLabel(text);
  if (!dialogs_.confirmed(textsOf(group).setQuestion + text + "\" ?")) return;
  document_.setKeyLabels(group, text);
  document_.setChanged(true);
}

}  // namespace tastrix
