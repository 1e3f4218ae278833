#pragma once
#include <cstdlib>
#include <string>

#include "platform/core/dialogs.h"

namespace tastrix::bench {

// The measured operations show no dialog when they succeed: any dialog means
// the measurement is void, so the run stops there.
class NoDialogs : public IDialogs {
  Answer showMessage(MessageKind, const std::string&, Buttons) override { std::abort(); }
  void showGeneralError(const std::string&) override { std::abort(); }
  bool showInputBox(const std::string&, const std::string&, std::string&) override { std::abort(); }
  bool showOpenFile(FileDialogRequest&) override { std::abort(); }
  bool showSaveFile(FileDialogRequest&) override { std::abort(); }
  bool showFontDialog(FontDescription&) override { std::abort(); }
  bool showColourDialog(Colour&) override { std::abort(); }
  void showPrinterSetup(PrinterChoice&) override { std::abort(); }
  bool showPrintDialog(PrinterChoice&) override { std::abort(); }
  void showAbout() override { std::abort(); }
};

}  // namespace tastrix::bench
