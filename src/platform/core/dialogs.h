#pragma once
#include <string>

#include "model/colour.h"
#include "model/font_description.h"

namespace tastrix {

// The four kinds of message box, each with its fixed caption and icon:
// "Confirm" (question), "Information", "Warning", "Error".
enum class MessageKind { Confirmation, Information, Warning, Error };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

const char* captionOf(MessageKind kind);

// What a file dialog is opened with; fileName is also what it returns. All in UTF-8.
struct FileDialogRequest {
  std::string title;
  std::string initialDir;
  std::string filter;  // "Description|*.ext"
  std::string fileName;
};

// The printer and its settings (paper, orientation, copies...) that the
// printer set-up and the Print dialog choose, kept between them as Windows
// hands them over; empty: the default printer with its own settings.
struct PrinterChoice {
  std::string printer, driver, port;  // UTF-8
  std::string deviceMode;             // the printer's DEVMODE, as bytes
};

// Every message box and dialog of the program goes through here. The real
// dialogs are Win32's; the tests' answer from a script. What they show and
// take (texts, captions, titles, file names, labels, font names) is UTF-8,
// so any character shows exactly.
//
// A modal box runs a message loop of its own, which hands the window every
// message meanwhile: boxes are counted while they are open, so that the
// window acts on no request that could open another box inside it.
class IDialogs {
 public:
  virtual ~IDialogs() = default;

  Answer message(MessageKind kind, const std::string& text, Buttons buttons) {
    return whileOpen([&] { return showMessage(kind, text, buttons); });
  }
  // A question in a confirmation box; only the answer Yes lets it go ahead.
  bool confirmed(const std::string& question) {
    return message(MessageKind::Confirmation, question, Buttons::YesNo) == Answer::Yes;
  }
  // The general error box: the application's title, an error icon, OK.
  void generalError(const std::string& text) { whileOpen([&] { showGeneralError(text); }); }
  // The label input box: true and the text (a label text) on OK, false on Cancel.
  bool inputBox(const std::string& caption, const std::string& prompt, std::string& text) {
    return whileOpen([&] { return showInputBox(caption, prompt, text); });
  }
  bool openFile(FileDialogRequest& request) { return whileOpen([&] { return showOpenFile(request); }); }
  bool saveFile(FileDialogRequest& request) { return whileOpen([&] { return showSaveFile(request); }); }
  // The font dialog for screen fonts with effects.
  bool chooseFont(FontDescription& font) { return whileOpen([&] { return showFontDialog(font); }); }
  bool chooseColour(Colour& colour) { return whileOpen([&] { return showColourDialog(colour); }); }
  // The printer set-up: printer, paper and orientation, kept on OK.
  void printerSetup(PrinterChoice& choice) { whileOpen([&] { showPrinterSetup(choice); }); }
  // The Print dialog, opened on the printer last chosen: true to print, with
  // the printer chosen (and copies, orientation... in its settings).
  bool print(PrinterChoice& choice) { return whileOpen([&] { return showPrintDialog(choice); }); }
  void about() { whileOpen([&] { showAbout(); }); }

  bool anyOpen() const { return open_ > 0; }
  // Counts a box while it is open; also a modal loop that is no dialog (the context menu).
  class OpenScope {
   public:
    explicit OpenScope(IDialogs& dialogs) : dialogs_(dialogs) { ++dialogs_.open_; }
    ~OpenScope() { --dialogs_.open_; }
    OpenScope(const OpenScope&) = delete;
    OpenScope& operator=(const OpenScope&) = delete;

   private:
    IDialogs& dialogs_;
  };

 private:
  // Each box shows counted as open.
  template <typename Show>
  auto whileOpen(Show show) -> decltype(show()) {
    const OpenScope open(*this);
    return show();
  }

  virtual Answer showMessage(MessageKind kind, const std::string& text, Buttons buttons) = 0;
  virtual void showGeneralError(const std::string& text) = 0;
  virtual bool showInputBox(const std::string& caption, const std::string& prompt, std::string& text) = 0;
  virtual bool showOpenFile(FileDialogRequest& request) = 0;
  virtual bool showSaveFile(FileDialogRequest& request) = 0;
  virtual bool showFontDialog(FontDescription& font) = 0;
  virtual bool showColourDialog(Colour& colour) = 0;
  virtual void showPrinterSetup(PrinterChoice& choice) = 0;
  virtual bool showPrintDialog(PrinterChoice& choice) = 0;
  virtual void showAbout() = 0;

  int open_ = 0;
};

}  // namespace tastrix
