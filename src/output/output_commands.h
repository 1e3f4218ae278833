#pragma once
#include "model/map_document.h"
#include "platform/core/app_window.h"
#include "platform/core/dialogs.h"
#include "platform/core/storage.h"

namespace tastrix {

// The picture leaves the program: a bitmap file, the clipboard, the
// printer. The bitmap commands capture the picture from the window first;
// the print command draws the map afresh for the printer.
class OutputCommands {
 public:
  OutputCommands(const MapDocument& document, IDialogs& dialogs, IAppWindow& window, Storage& storage,
                 FileDialogRequest& saveDialog)
      : document_(document), dialogs_(dialogs), window_(window), storage_(storage), saveDialog_(saveDialog) {}

  void saveBitmap();  // asks for a file name, then writes the picture as a BMP file
  void copyBitmap();  // puts the picture on the clipboard
  // The printer set-up of the disabled print menu item: its choice of
  // printer and paper is kept for the Print dialog.
  void showPrinterSetup();
  // Prints the map on the printer chosen in the Print dialog.
  void print();

 private:
  const MapDocument& document_;
  IDialogs& dialogs_;
  IAppWindow& window_;
  Storage& storage_;
  FileDialogRequest& saveDialog_;  // shared with the map Save As
  PrinterChoice printer_;          // the printer dialogs' last choice
};

}  // namespace tastrix
