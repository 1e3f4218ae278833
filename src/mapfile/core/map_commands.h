#pragma once
#include <string>
#include <vector>

#include "mapfile/core/map_storage.h"
#include "model/map_document.h"
#include "platform/core/app_window.h"
#include "platform/core/dialogs.h"

namespace tastrix {

// Gives the document the whole content of a map's files, as a full load
// reads them: the labels, the colours with the alignment, the fonts. Both
// files are read first, so one that cannot be read changes nothing.
void LoadWholeMap(MapDocument& document, const MapStorage& storage, const std::string& mapPath);
// Writes both of a map's files as one change, the map file over its old
// entries, which stay, with the map taken for the save meanwhile. Raises
// LabelListNotSaved once the map is free again, or "Unable to write to" the
// map file (also for an old map file that cannot be read, and so not kept
// whole) or what else stands in the way.
void SaveWholeMap(const KeyboardMap& map, MapStorage& storage, const std::string& mapPath);

// The save and load commands of the File menu and the full load of the
// current map, over the map's files, the dialogs and the window's caption.
class MapCommands {
 public:
  MapCommands(MapDocument& document, IDialogs& dialogs, IAppWindow& window, MapStorage& storage,
              FileDialogRequest& saveDialog, FileDialogRequest& openDialog)
      : document_(document), dialogs_(dialogs), window_(window), storage_(storage), saveDialog_(saveDialog),
        openDialog_(openDialog) {}

  // Saves the current map, or asks for a name (as Save As) when it has none
  // or its folder is gone.
  void saveMap();
  void saveMapAs();
  // Asks for a map and loads it whole.
  void loadMap();
  // Loads the current map whole; when askWhereMissing and its folder is
  // gone, asks for a map instead.
  void loadCurrentMap(bool askWhereMissing);
  // One kind of content from another map; the rest stays.
  void loadFontsFromAnotherMap();
  void loadLabelsFromAnotherMap();
  void loadColoursFromAnotherMap();

  // The map that files named from outside the program (dropped on the window,
  // given on its command line) stand for: one map file, or a label list for
  // the map file beside it. "" once a box has told the user why they name none.
  std::string mapNamedOutside(const std::vector<std::string>& names);
  // Files dropped on the window: their map is loaded as Load loads the name
  // its dialog returns, after the same question about unsaved changes.
  void loadDroppedFiles(const std::vector<std::string>& names);

  // The load at the end of the start-up sequence. A map that cannot be read
  // is reported (the error is raised again) and the window shows no map, so
  // that a Save asks for a name instead of writing over the map that failed.
  void loadAtStartUp();

 private:
  enum class Content { Fonts, Labels, Colours };
  void partialLoad(Content content);
  void loadChosen(const std::string& mapPath);
  void prepare(FileDialogRequest& dialog, const char* title) const;
  void rememberDiskState();
  bool writeMap(const std::string& mapPath);

  MapDocument& document_;
  IDialogs& dialogs_;
  IAppWindow& window_;
  MapStorage& storage_;
  FileDialogRequest& saveDialog_;  // shared with the bitmap export
  FileDialogRequest& openDialog_;
};

}  // namespace tastrix
