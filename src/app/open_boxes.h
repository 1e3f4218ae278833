#pragma once
#include "platform/core/dialogs.h"

namespace tastrix {

// The window's dialogs, counted while they are open. A modal box runs a
// message loop of its own, which hands the window every message meanwhile:
// while one is open the window acts on no request that could open another
// inside it, however many arrive.
class OpenBoxes final : public IDialogs {
 public:
  explicit OpenBoxes(IDialogs& dialogs) : dialogs_(dialogs) {}

  bool anyOpen() const { return open_ > 0; }

  // Counts a modal loop that is no dialog (the context menu) while it lives.
  class Scope {
   public:
    explicit Scope(OpenBoxes& boxes) : boxes_(boxes) { ++boxes_.open_; }
    ~Scope() { --boxes_.open_; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    OpenBoxes& boxes_;
  };

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
  IDialogs& dialogs_;
  int open_ = 0;
};

}  // namespace tastrix
