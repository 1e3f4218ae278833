#include "app/main_form.h"
#include "text/path_text.h"
#include "mapfile/map_file.h"
#include "mapfile/map_folder.h"
#include "platform/file_probe.h"

namespace tastrix {
namespace {

const char* const kMapFilter = "Keyboard maps (*.zv)|*.zv";
const char* const kMapExtension = ".ZV";

void prepare(FileDialogRequest& dialog, const char* title, const FormModel& form) {
  dialog.title = title;
  dialog.initialDir = DialogStartFolder(form);
  dialog.filter = kMapFilter;
}

std::string overwriteQuestion(const std::string& fileName) {
  return "Overwrite Existing Keyboard Map : \r\n\r\n" + fileName + "\r\n\r\nAre you sure ?";
}

const char* const kLoseChangesQuestion =
    "Warning: You are about to load a Keyboard Map, but you have not saved the changes to the current "
    "Keyboard Map.\r\n"
    "\r\n"
    "Are you sure that you want to continue with the load and lose all changes to the current Keyboard Map ?";

// The three partial loads share one dialog title.
template <typename Apply>
void partialLoad(TMainForm1& form, Apply apply) {
  prepare(form.OpenDialog1, "Load Colour Settings from Keyboard Map ... ", form.model());
  if (!form.dialogs().openFile(form.OpenDialog1)) return;
  apply(form.model(), form.OpenDialog1.fileName);
  form.model().changed = true;
}

}  // namespace

void TMainForm1::Save_Keyboard_Layout_OptionClick() {
  if (model_.currentMapPath.empty() || !MapFolderUsable(model_)) {
    Save_Keyboard_Layout_As_OptionClick();
    return;
  }
  if (!WriteKeyboardMap(model_, dialogs_, model_.currentMapPath)) return;
  setCaption(std::string(kCaptionPrefix) + model_.currentMapPath);
  model_.changed = false;
}

void TMainForm1::Save_Keyboard_Layout_As_OptionClick() {
  prepare(SaveDialog1, "Save Keyboard Map as ... ", model_);
  if (!dialogs_.saveFile(SaveDialog1)) return;
  if (!EqualsIgnoringAsciiCase(UpperExtension(SaveDialog1.fileName), kMapExtension)) SaveDialog1.fileName += ".zv";
  const std::string fileName = SaveDialog1.fileName;
  if (FileExists(fileName) &&
      dialogs_.message(MessageKind::Confirmation, overwriteQuestion(fileName), Buttons::YesNo) != Answer::Yes)
    return;
  model_.currentMapPath = fileName;
  Save_Keyboard_Layout_OptionClick();
}

void TMainForm1::Load_Keyboard_Layout_As_OptionClick() {
  if (model_.changed &&
      dialogs_.message(MessageKind::Confirmation, kLoseChangesQuestion, Buttons::YesNo) != Answer::Yes)
    return;
  prepare(OpenDialog1, "Open Keyboard Map ... ", model_);
  if (!dialogs_.openFile(OpenDialog1)) return;
  model_.currentMapPath = OpenDialog1.fileName;
  LoadKeyboardMap(true);
}

void TMainForm1::LoadKeyboardMap(bool checkFolder) {
  if (checkFolder && (model_.currentMapPath.empty() || !MapFolderUsable(model_))) {
    Load_Keyboard_Layout_As_OptionClick();
    return;
  }
  ApplyMapLabels(model_, model_.currentMapPath);
  ApplyMapColours(model_, model_.currentMapPath);
  ApplyMapFonts(model_, model_.currentMapPath);
  setCaption(std::string(kCaptionPrefix) + FileTitle(model_.currentMapPath));
  model_.changed = false;
}

void TMainForm1::LoadtheKeyFontSettingsfromAnotherKeyboardLayoutFile1Click() { partialLoad(*this, ApplyMapFonts); }
void TMainForm1::LoadtheKeyLabelsfromanother1Click() { partialLoad(*this, ApplyMapLabels); }
void TMainForm1::LoadtheColourSettingsfromAnotherKeyboardLayout1Click() { partialLoad(*this, ApplyMapColours); }

}  // namespace tastrix
