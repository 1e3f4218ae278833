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

std::string labelListNotSavedText(const std::string& path) {
  return "The " + path + " could not be saved !\r\n"
         "\r\n"
         "Possible reasons for this include :\r\n"
         "- there may not be enough disk space, \r\n"
         "- there may be errors on the disk, \r\n"
         "- you may be saving to a read only disk (such as a CD-ROM), \r\n"
         "- the file may already exist and be read-only or write locked, \r\n"
         "\r\n"
         "or there may be some other reason for the failure.";
}

void applyColours(MapDocument& document, const MapStyle& style) {
  document.setColour(MapColour::KeyFaces, style.keyColour);
  document.setColour(MapColour::KeyBorders, style.borderColour);
  document.align(style.alignment);
}

void applyFonts(MapDocument& document, const MapStyle& style) {
  for (size_t i = 0; i < kMapFontCount; ++i) document.setFont(static_cast<MapFont>(i), style.fonts[i]);
}

const char* const kLoseChangesQuestion =
    "Warning: You are about to load a Keyboard Map, but you have not saved the changes to the current "
    "Keyboard Map.\r\n"
    "\r\n"
    "Are you sure that you want to continue with the load and lose all changes to the current Keyboard Map ?";

const char* const kWhatOpens = "Tastrix opens a Keyboard Map from its map file (.zv) or its label list (.zvl).";

std::string severalFilesText(size_t count) {
  return "Tastrix shows one Keyboard Map at a time, and " + std::to_string(count) +
         " files were given.\r\n\r\n" + kWhatOpens;
}

std::string notAMapText(const std::string& name, const char* what) {
  return name + "\r\n\r\n" + what + "\r\n\r\n" + kWhatOpens;
}

}  // namespace

void LoadWholeMap(MapDocument& document, const MapStorage& storage, const std::string& mapPath) {
  const std::unique_ptr<ProfileFile> mapFile = storage.readMapFile(mapPath);
  const std::vector<std::string> labels = storage.readLabelList(mapPath);
  const MapStyle style = ReadMapStyle(*mapFile, document.map());
  document.setLabelLines(labels);
  applyColours(document, style);
  applyFonts(document, style);
}

void SaveWholeMap(const KeyboardMap& map, MapStorage& storage, const std::string& mapPath) {
  const std::unique_ptr<MapSave> save = storage.beginSave(mapPath);
  std::unique_ptr<ProfileFile> mapFile;
  try {
    mapFile = storage.readMapFile(mapPath);
  } catch (const PlatformError& e) {
    throwUnableToWrite(mapPath, e.code());
  }
  WriteMapEntries(map, *mapFile);
  storage.replaceMapFiles(mapPath, *mapFile, LabelListText(map));
}

void MapCommands::prepare(FileDialogRequest& dialog, const char* title) const {
  dialog.title = title;
  dialog.initialDir = storage_.dialogStartFolder(document_.path());
  dialog.filter = kMapFilter;
}

// Remembers the current map's files as they are now, so that a save notices
// when another program writes them later.
void MapCommands::rememberDiskState() { document_.setOnDisk(storage_.stamps(document_.path())); }

void MapCommands::saveMap() {
  if (document_.path().empty() || !storage_.folderUsable(document_.path())) {
    saveMapAs();
    return;
  }
  if (storage_.stamps(document_.path()) != document_.onDisk() &&
      !dialogs_.confirmed(changedOnDiskQuestion(document_.path())))
    return;
  if (!writeMap(document_.path())) return;
  storage_.addToRecentDocuments(document_.path());
  rememberDiskState();
  window_.setCaption(captionPrefix() + document_.path());
  document_.setChanged(false);
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
  document_.setPath(fileName);
  // The user has just chosen to overwrite whatever is there.
  rememberDiskState();
  saveMap();
}

void MapCommands::loadMap() {
  if (document_.changed() && !dialogs_.confirmed(kLoseChangesQuestion)) return;
  prepare(openDialog_, "Open Keyboard Map ... ");
  if (!dialogs_.openFile(openDialog_)) return;
  loadChosen(openDialog_.fileName);
}

void MapCommands::loadChosen(const std::string& mapPath) {
  // A map that fails to load must not become the one the next Save writes over.
  const std::string previousPath = document_.path();
  const MapStamps previousStamps = document_.onDisk();
  document_.setPath(mapPath);
  try {
    loadCurrentMap(true);
  } catch (...) {
    document_.setPath(previousPath);
    document_.setOnDisk(previousStamps);
    throw;
  }
}

void MapCommands::loadCurrentMap(bool askWhereMissing) {
  if (askWhereMissing && (document_.path().empty() || !storage_.folderUsable(document_.path()))) {
    loadMap();
    return;
  }
  // "t1.zv." names the file t1.zv, whose label list is t1.zvl.
  document_.setPath(WithoutTrailingDotsAndBlanks(document_.path()));
  if (!document_.path().empty()) storage_.finishInterruptedSave(document_.path());
  // Taken before reading: a write that slips in between is noticed later.
  const MapStamps stamps = storage_.stamps(document_.path());
  LoadWholeMap(document_, storage_, document_.path());
  window_.setCaption(captionPrefix() + FileTitle(document_.path()));
  document_.startNewHistory();
  document_.setChanged(false);
  document_.setOnDisk(stamps);
  if (stamps.mapFile.exists) storage_.addToRecentDocuments(document_.path());
}

std::string MapCommands::mapNamedOutside(const std::vector<std::string>& names) {
  std::string problem;
  if (names.size() != 1) {
    problem = severalFilesText(names.size());
  } else if (storage_.folderExists(names[0])) {
    problem = notAMapText(names[0], "is a folder.");
  } else {
    const std::string name = WithoutTrailingDotsAndBlanks(names[0]);
    const std::string extension = UpperExtension(name);
    if (extension == ".ZV") return name;
    if (extension == ".ZVL") return name.substr(0, name.size() - 1);
    problem = notAMapText(names[0], "is not a Keyboard Map.");
  }
  dialogs_.message(MessageKind::Information, problem, Buttons::Ok);
  return "";
}

void MapCommands::loadDroppedFiles(const std::vector<std::string>& names) {
  const std::string mapPath = mapNamedOutside(names);
  if (mapPath.empty() || (document_.changed() && !dialogs_.confirmed(kLoseChangesQuestion))) return;
  // As if the open dialog had returned the name: it offers it next time.
  openDialog_.fileName = mapPath;
  loadChosen(mapPath);
}

void MapCommands::loadAtStartUp() {
  try {
    loadCurrentMap(false);
  } catch (...) {
    document_.setPath("");
    loadCurrentMap(false);
    throw;
  }
}

// The three partial loads share one dialog title.
void MapCommands::partialLoad(Content content) {
  prepare(openDialog_, "Load Colour Settings from Keyboard Map ... ");
  if (!dialogs_.openFile(openDialog_)) return;
  const std::string mapPath = WithoutTrailingDotsAndBlanks(openDialog_.fileName);
  if (content == Content::Labels)
    document_.setLabelLines(storage_.readLabelList(mapPath));
  else {
    const MapStyle style = ReadMapStyle(*storage_.readMapFile(mapPath), document_.map());
    content == Content::Fonts ? applyFonts(document_, style) : applyColours(document_, style);
  }
  document_.setChanged(true);
}

void MapCommands::loadFontsFromAnotherMap() { partialLoad(Content::Fonts); }
void MapCommands::loadLabelsFromAnotherMap() { partialLoad(Content::Labels); }
void MapCommands::loadColoursFromAnotherMap() { partialLoad(Content::Colours); }

// A label list that cannot be written is the user's to hear of in a box of
// its own, and the save goes no further.
bool MapCommands::writeMap(const std::string& mapPath) {
  try {
    SaveWholeMap(document_.map(), storage_, mapPath);
  } catch (const LabelListNotSaved& failure) {
    dialogs_.message(MessageKind::Information, labelListNotSavedText(failure.path()), Buttons::Ok);
    return false;
  }
  return true;
}

}  // namespace tastrix
