#pragma once
#include <windows.h>

#include "platform/core/dialogs.h"

namespace tastrix {

// The real dialogs: Win32 message boxes and common dialogs, owned by the
// main window once it exists.
class Win32Dialogs : public IDialogs {
 public:
  void setOwner(HWND owner) { owner_ = owner; }

 private:
  Answer showMessage(MessageKind kind, const std::string& text, Buttons buttons) override;
  void showGeneralError(const std::string& text) override;
  bool showInputBox(const std::string& caption, const std::string& prompt, std::string& text) override;
  bool showOpenFile(FileDialogRequest& request) override;
  bool showSaveFile(FileDialogRequest& request) override;
  bool showFontDialog(FontDescription& font) override;
  bool showColourDialog(Colour& colour) override;
  void showPrinterSetup(PrinterChoice& choice) override;
  bool showPrintDialog(PrinterChoice& choice) override;
  void showAbout() override;

  HWND owner_ = nullptr;
  COLORREF customColours_[16] = {};
};

}  // namespace tastrix
