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
      : form_(form), dialogs_(dialogs), window_(window), storage_(storage), SaveDialog1(saveDialog),
        OpenDialog1(openDialog) {}

  void Save_Keyboard_Layout_OptionClick();
  void Save_Keyboard_Layout_As_OptionClick();
  void Load_Keyboard_Layout_As_OptionClick();
  void LoadKeyboardMap(bool checkFolder);
  void LoadtheKeyFontSettingsfromAnotherKeyboardLayoutFile1Click();
  void LoadtheKeyLabelsfromanother1Click();
  void LoadtheColourSettingsfromAnotherKeyboardLayout1Click();

  // The load at the end of the start-up sequence. A map that cannot be read
  // is reported (the error is raised again) and the window shows no map, so
  // that a Save asks for a name instead of writing over the map that failed.
  void LoadAtStartUp();

 private:
  using Apply = void (MapStorage::*)(FormModel&, const std::string&);
  void partialLoad(Apply apply);
  void prepare(FileDialogRequest& dialog, const char* title) const;
  void rememberDiskState();

  FormModel& form_;
  IDialogs& dialogs_;
  IAppWindow& window_;
  MapStorage& storage_;
  FileDialogRequest& SaveDialog1;  // shared with the bitmap export
  FileDialogRequest& OpenDialog1;
};

}  // namespace tastrix
