#pragma once
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/core/dialogs.h"

namespace tastrix::testing {

// The kinds of dialog the program shows.
enum class Dialog {
  Message, GeneralError, InputBox, OpenFile, SaveFile, ChooseFont, ChooseColour, PrinterSetup, Print, About
};
void PrintTo(Dialog dialog, std::ostream* out);

// One dialog the program showed, as the user would have seen it.
struct DialogCall {
  Dialog what = Dialog::Message;
  MessageKind kind = MessageKind::Information;
  Buttons buttons = Buttons::Ok;
  std::string caption;  // message caption, input box caption, file dialog title
  std::string text;     // message text, input box prompt
  std::string initial;  // input box initial text
  FileDialogRequest request;  // file dialogs, as they were opened
  FontDescription font;              // font dialog seed
  Colour colour = 0;          // colour dialog seed
  PrinterChoice printer;      // printer dialogs, as they were opened
};

// Checks a recorded message box's kind, buttons and text.
void expectMessage(const DialogCall& call, MessageKind kind, Buttons buttons, const std::string& text);

// Answers every dialog from a script and records each one. Message boxes
// with only an OK button, the general error box, the About box and the
// printer set-up need no script entry (the set-up takes a printer entry when
// one is next). A dialog that finds no (or the wrong)
// script entry fails the test and is answered No / Cancel.
class ScriptedDialogs : public IDialogs {
 public:
  // whileOpen runs as the dialog shows, as if the user did something meanwhile.
  void answerMessage(Answer answer, std::function<void()> whileOpen = {});
  void answerInput(bool ok, const std::string& text = "", std::function<void()> whileOpen = {});
  void answerFile(bool ok, const std::string& fileName = "", std::function<void()> whileOpen = {});
  void answerFont(bool ok, const FontDescription& font = FontDescription());
  void answerColour(bool ok, Colour colour = 0);
  // Answers the printer set-up or the Print dialog: on OK, with that choice.
  void answerPrinter(bool ok, const PrinterChoice& choice = PrinterChoice());

  std::vector<DialogCall> calls;
  bool scriptUsedUp() const { return script_.empty(); }
  // Calls of one kind, in order.
  std::vector<DialogCall> callsOf(Dialog what) const;
  // Texts of all message boxes and general errors, in order.
  std::vector<std::string> messageTexts() const;

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

  struct Entry {
    Entry() = default;
    // A file entry answers the open and the save dialog alike.
    enum Kind { Message, Input, File, Font, Colour, Printer };
    Entry(Kind what, bool ok, Answer answer, std::string text = "", FontDescription font = FontDescription(),
          tastrix::Colour colour = 0)
        : what(what), ok(ok), answer(answer), text(std::move(text)), font(std::move(font)), colour(colour) {}
    Kind what = Message;
    bool ok = false;
    Answer answer = Answer::No;
    std::string text;
    FontDescription font;
    tastrix::Colour colour = 0;
    PrinterChoice printer;
    std::function<void()> whileOpen;
  };
  DialogCall& record(Dialog what);  // a new entry of calls
  bool next(Entry::Kind what, Entry& out);
  bool fileDialog(Dialog what, FileDialogRequest& request);
  bool printerDialog(Dialog what, PrinterChoice& choice);
  std::deque<Entry> script_;
};

}  // namespace tastrix::testing
