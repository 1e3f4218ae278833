#include "mapfile/core/map_commands.h"

#include "mapfile/core/map_format.h"
#include "product/product.h"
#include "product/questions.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

const char* const kMapFilter = "Keyboard maps (*.zv)|*.zv";
const char* const kMapExtension = ".ZV";

std::string captionPrefix() { return std::string(kAppTitle) + "  - "; }

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

}  // namespace

void MapCommands::prepare(FileDialogRequest& dialog, const char* title) const {
  dialog.title = title;
  dialog.initialDir = storage_.dialogStartFolder(form_.mapPath());
  dialog.filter = kMapFilter;
}

// Remembers the current map's files as they are now, so that a save notices
// when another program writes them later.
void MapCommands::rememberDiskState() { form_.onDisk = storage_.stamps(form_.mapPath()); }

void MapCommands::saveMap() {
  if (form_.mapPath().empty() || !storage_.folderUsable(form_.mapPath())) {
    saveMapAs();
    return;
  }
  if (storage_.stamps(form_.mapPath()) != form_.onDisk &&
      !dialogs_.confirmed(changedOnDiskQuestion(form_.mapPath())))
    return;
  if (!storage_.write(form_, dialogs_, form_.mapPath())) return;
  rememberDiskState();
  window_.setCaption(captionPrefix() + form_.mapPath());
  form_.setChanged(false);
}

void MapCommands::saveMapAs() {
  prepare(saveDialog_, "Save Keyboard Map as ... ");
  if (!dialogs_.saveFile(saveDialog_)) return;
  saveDialog_.fileName = WithoutTrailingDotsAndBlanks(saveDialog_.fileName);
  if (!EqualsIgnoringAsciiCase(UpperExtension(saveDialog_.fileName), kMapExtension)) saveDialog_.fileName += ".zv";
  const std::string fileName = saveDialog_.fileName;
  // A label list without its map file is someone's work too.
  const bool exists = storage_.fileExists(fileName) || storage_.fileExists(LabelListPath(fileName));
  if (exists && !dialogs_.confirmed(OverwriteQuestion("Map", fileName))) return;
  form_.setMapPath(fileName);
  // The user has just chosen to overwrite whatever is there.
  rememberDiskState();
  saveMap();
}

void MapCommands::loadMap() {
  if (form_.changed() && !dialogs_.confirmed(kLoseChangesQuestion)) return;
  prepare(openDialog_, "Open Keyboard Map ... ");
  if (!dialogs_.openFile(openDialog_)) return;
  // A map that fails to load must not become the one the next Save writes over.
  const std::string previousPath = form_.mapPath();
  const MapStamps previousStamps = form_.onDisk;
  form_.setMapPath(openDialog_.fileName);
  try {
    loadCurrentMap(true);
  } catch (...) {
    form_.setMapPath(previousPath);
    form_.onDisk = previousStamps;
    throw;
  }
}

void MapCommands::loadCurrentMap(bool askWhereMissing) {
  if (askWhereMissing && (form_.mapPath().empty() || !storage_.folderUsable(form_.mapPath()))) {
    loadMap();
    return;
  }
  // "t1.zv." names the file t1.zv, whose label list is t1.zvl.
  form_.setMapPath(WithoutTrailingDotsAndBlanks(form_.mapPath()));
  if (!form_.mapPath().empty()) storage_.finishInterruptedSave(form_.mapPath());
  // Taken before reading: a write that slips in between is noticed later.
  const MapStamps stamps = storage_.stamps(form_.mapPath());
  storage_.applyMap(form_, form_.mapPath());
  window_.setCaption(captionPrefix() + FileTitle(form_.mapPath()));
  form_.startNewHistory();
  form_.setChanged(false);
  form_.onDisk = stamps;
}

void MapCommands::loadAtStartUp() {
  try {
    loadCurrentMap(false);
  } catch (...) {
    form_.setMapPath("");
    loadCurrentMap(false);
    throw;
  }
}

// The three partial loads share one dialog title.
void MapCommands::partialLoad(Apply apply) {
  prepare(openDialog_, "Load Colour Settings from Keyboard Map ... ");
  if (!dialogs_.openFile(openDialog_)) return;
  (storage_.*apply)(form_, WithoutTrailingDotsAndBlanks(openDialog_.fileName));
  form_.setChanged(true);
}

void MapCommands::loadFontsFromAnotherMap() { partialLoad(&MapStorage::applyFonts); }
void MapCommands::loadLabelsFromAnotherMap() { partialLoad(&MapStorage::applyLabels); }
void MapCommands::loadColoursFromAnotherMap() { partialLoad(&MapStorage::applyColours); }

}  // namespace tastrix
