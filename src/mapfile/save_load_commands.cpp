#include "app/main_form.h"
#include "mapfile/map_file.h"
#include "mapfile/map_folder.h"
#include "platform/file_probe.h"
#include "text/path_text.h"

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

std::string changedOnDiskQuestion(const std::string& fileName) {
  return "Warning: The Keyboard Map : \r\n\r\n" + fileName +
         "\r\n\r\nhas been changed by another program since it was loaded or saved here.\r\n\r\n"
         "Do you want to overwrite it with the current Keyboard Map ?";
}

const char* const kLoseChangesQuestion =
    "Warning: You are about to load a Keyboard Map, but you have not saved the changes to the current "
    "Keyboard Map.\r\n"
    "\r\n"
    "Are you sure that you want to continue with the load and lose all changes to the current Keyboard Map ?";

// Remembers the current map's files as they are now, so that a save notices
// when another program writes them later.
void rememberDiskState(FormModel& form) {
  form.mapFileOnDisk = StampOf(form.currentMapPath);
  form.labelListOnDisk = StampOf(LabelListPath(form.currentMapPath));
}

bool changedOnDisk(const FormModel& form) {
  return StampOf(form.currentMapPath) != form.mapFileOnDisk ||
         StampOf(LabelListPath(form.currentMapPath)) != form.labelListOnDisk;
}

bool confirmed(IDialogs& dialogs, const std::string& question) {
  return dialogs.message(MessageKind::Confirmation, question, Buttons::YesNo) == Answer::Yes;
}

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
  if (changedOnDisk(model_) && !confirmed(dialogs_, changedOnDiskQuestion(model_.currentMapPath))) return;
  if (!WriteKeyboardMap(model_, dialogs_, model_.currentMapPath)) return;
  rememberDiskState(model_);
  setCaption(std::string(kCaptionPrefix) + model_.currentMapPath);
  model_.changed = false;
}

void TMainForm1::Save_Keyboard_Layout_As_OptionClick() {
  prepare(SaveDialog1, "Save Keyboard Map as ... ", model_);
  if (!dialogs_.saveFile(SaveDialog1)) return;
  if (!EqualsIgnoringAsciiCase(UpperExtension(SaveDialog1.fileName), kMapExtension)) SaveDialog1.fileName += ".zv";
  const std::string fileName = SaveDialog1.fileName;
  if (FileExists(fileName) && !confirmed(dialogs_, overwriteQuestion(fileName))) return;
  model_.currentMapPath = fileName;
  // The user has just chosen to overwrite whatever is there.
  rememberDiskState(model_);
  Save_Keyboard_Layout_OptionClick();
}

void TMainForm1::Load_Keyboard_Layout_As_OptionClick() {
  if (model_.changed && !confirmed(dialogs_, kLoseChangesQuestion)) return;
  prepare(OpenDialog1, "Open Keyboard Map ... ", model_);
  if (!dialogs_.openFile(OpenDialog1)) return;
  // A map that fails to load must not become the one the next Save writes over.
  const std::string previousPath = model_.currentMapPath;
  const DiskStamp previousMapFile = model_.mapFileOnDisk, previousLabelList = model_.labelListOnDisk;
  model_.currentMapPath = OpenDialog1.fileName;
  try {
    LoadKeyboardMap(true);
  } catch (...) {
    model_.currentMapPath = previousPath;
    model_.mapFileOnDisk = previousMapFile;
    model_.labelListOnDisk = previousLabelList;
    throw;
  }
}

void TMainForm1::LoadKeyboardMap(bool checkFolder) {
  if (checkFolder && (model_.currentMapPath.empty() || !MapFolderUsable(model_))) {
    Load_Keyboard_Layout_As_OptionClick();
    return;
  }
  // Taken before reading: a write that slips in between is noticed later.
  const DiskStamp mapFile = StampOf(model_.currentMapPath);
  const DiskStamp labelList = StampOf(LabelListPath(model_.currentMapPath));
  // Both files are known to be readable before anything changes.
  RequireReadable(model_.currentMapPath);
  ApplyMapLabels(model_, model_.currentMapPath);
  ApplyMapColours(model_, model_.currentMapPath);
  ApplyMapFonts(model_, model_.currentMapPath);
  setCaption(std::string(kCaptionPrefix) + FileTitle(model_.currentMapPath));
  model_.changed = false;
  model_.mapFileOnDisk = mapFile;
  model_.labelListOnDisk = labelList;
}

void TMainForm1::LoadtheKeyFontSettingsfromAnotherKeyboardLayoutFile1Click() { partialLoad(*this, ApplyMapFonts); }
void TMainForm1::LoadtheKeyLabelsfromanother1Click() { partialLoad(*this, ApplyMapLabels); }
void TMainForm1::LoadtheColourSettingsfromAnotherKeyboardLayout1Click() { partialLoad(*this, ApplyMapColours); }

}  // namespace tastrix
