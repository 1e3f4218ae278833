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

// Every message box and dialog of the program goes through this interface.
// The real one shows Win32 dialogs; the tests' one answers from a script.
// What they show (texts, captions, titles, file names) is UTF-8, so any name
// shows exactly; a label text stays in the system code page, as labels are.
class IDialogs {
 public:
  virtual ~IDialogs() = default;

  virtual Answer message(MessageKind kind, const std::string& text, Buttons buttons) = 0;
  // A question in a confirmation box; only the answer Yes lets it go ahead.
  bool confirmed(const std::string& question) {
    return message(MessageKind::Confirmation, question, Buttons::YesNo) == Answer::Yes;
  }
  // The general error box: the application's title, an error icon, OK.
  virtual void generalError(const std::string& text) = 0;
  // The label input box: true and the text (a label text) on OK, false on Cancel.
  virtual bool inputBox(const std::string& caption, const std::string& prompt, std::string& text) = 0;
  virtual bool openFile(FileDialogRequest& request) = 0;
  virtual bool saveFile(FileDialogRequest& request) = 0;
  // The font dialog for screen fonts with effects.
  virtual bool chooseFont(FontDescription& font) = 0;
  virtual bool chooseColour(Colour& colour) = 0;
  virtual void printerSetup() = 0;
  virtual void about() = 0;
};

}  // namespace tastrix
