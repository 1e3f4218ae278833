#pragma once
#include <windows.h>

#include "platform/core/dialogs.h"

namespace tastrix {

// The real dialogs: Win32 message boxes and common dialogs, owned by the
// main window once it exists.
class Win32Dialogs : public IDialogs {
 public:
  void setOwner(HWND owner) { owner_ = owner; }

  Answer message(MessageKind kind, const std::string& text, Buttons buttons) override;
  void generalError(const std::string& text) override;
  bool inputBox(const std::string& caption, const std::string& prompt, std::string& text) override;
  bool openFile(FileDialogRequest& request) override;
  bool saveFile(FileDialogRequest& request) override;
  bool chooseFont(FontDescription& font) override;
  bool chooseColour(Colour& colour) override;
  void printerSetup() override;
  void about() override;

 private:
  HWND owner_ = nullptr;
  COLORREF customColours_[16] = {};
};

}  // namespace tastrix
