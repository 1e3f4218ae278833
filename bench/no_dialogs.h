#pragma once
#include <cstdlib>
#include <string>

#include "platform/core/dialogs.h"

namespace tastrix::bench {

// The measured operations show no dialog when they succeed: any dialog means
// the measurement is void, so the run stops there.
class NoDialogs : public IDialogs {
 public:
  Answer message(MessageKind, const std::string&, Buttons) override { std::abort(); }
  void generalError(const std::string&) override { std::abort(); }
  bool inputBox(const std::string&, const std::string&, std::string&) override { std::abort(); }
  bool openFile(FileDialogRequest&) override { std::abort(); }
  bool saveFile(FileDialogRequest&) override { std::abort(); }
  bool chooseFont(FontDescription&) override { std::abort(); }
  bool chooseColour(Colour&) override { std::abort(); }
  void printerSetup() override { std::abort(); }
  void about() override { std::abort(); }
};

}  // namespace tastrix::bench
