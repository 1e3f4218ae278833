#pragma once
#include "model/map_document.h"
#include "platform/core/app_window.h"
#include "platform/core/dialogs.h"
#include "platform/core/storage.h"

namespace tastrix {

// The picture leaves the program: a bitmap file, the clipboard, the printer
// set-up. Each command captures the picture from the window first.
class OutputCommands {
 public:
  OutputCommands(const MapDocument& document, IDialogs& dialogs, IAppWindow& window, Storage& storage,
                 FileDialogRequest& saveDialog)
      : document_(document), dialogs_(dialogs), window_(window), storage_(storage), saveDialog_(saveDialog) {}

  void saveBitmap();  // asks for a file name, then writes the picture as a BMP file
  void copyBitmap();  // puts the picture on the clipboard
  // Printing goes no further than the printer set-up.
  void showPrinterSetup();

 private:
  const MapDocument& document_;
  IDialogs& dialogs_;
  IAppWindow& window_;
  Storage& storage_;
  FileDialogRequest& saveDialog_;  // shared with the map Save As
};

}  // namespace tastrix
