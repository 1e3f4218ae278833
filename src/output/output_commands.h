#pragma once
#include "model/form_model.h"
#include "platform/core/app_window.h"
#include "platform/core/dialogs.h"
#include "platform/core/storage.h"

namespace tastrix {

// The picture leaves the program: a bitmap file, the clipboard, the printer
// set-up. Each command captures the picture from the window first.
class OutputCommands {
 public:
  OutputCommands(FormModel& form, IDialogs& dialogs, IAppWindow& window, Storage& storage,
                 FileDialogRequest& saveDialog)
      : form_(form), dialogs_(dialogs), window_(window), storage_(storage), SaveDialog1(saveDialog) {}

  void Save_Bitmap_to_File_Menu_OptionClick();
  void Copy_Bitmap_to_Windows_Clipboard_OptionClick();
  void CopyKeyboardLayoutBitmaptoWindowsClipboard2Click();
  void Print_Keyboard_Layout_OptionClick();

 private:
  FormModel& form_;
  IDialogs& dialogs_;
  IAppWindow& window_;
  Storage& storage_;
  FileDialogRequest& SaveDialog1;  // shared with the map Save As
};

}  // namespace tastrix
