#pragma once
#include <string>

#include "mapfile/core/map_storage.h"
#include "model/form_model.h"
#include "platform/core/app_window.h"
#include "platform/core/dialogs.h"

namespace tastrix {

// The save and load commands of the File menu and the full load of the
// current map, over the map's files, the dialogs and the window's caption.
class MapCommands {
 public:
  MapCommands(FormModel& form, IDialogs& dialogs, IAppWindow& window, MapStorage& storage,
              FileDialogRequest& saveDialog, FileDialogRequest& openDialog)
      : form_(form), dialogs_(dialogs), window_(window), storage_(storage), saveDialog_(saveDialog),
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

  // The load at the end of the start-up sequence. A map that cannot be read
  // is reported (the error is raised again) and the window shows no map, so
  // that a Save asks for a name instead of writing over the map that failed.
  void loadAtStartUp();

 private:
  using Apply = void (MapStorage::*)(FormModel&, const std::string&);
  void partialLoad(Apply apply);
  void prepare(FileDialogRequest& dialog, const char* title) const;
  void rememberDiskState();

  FormModel& form_;
  IDialogs& dialogs_;
  IAppWindow& window_;
  MapStorage& storage_;
  FileDialogRequest& saveDialog_;  // shared with the bitmap export
  FileDialogRequest& openDialog_;
};

}  // namespace tastrix
