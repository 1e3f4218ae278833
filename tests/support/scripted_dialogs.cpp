#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace tastrix::testing {

void expectMessage(const DialogCall& call, MessageKind kind, Buttons buttons, const std::string& text) {
  EXPECT_EQ(call.kind, kind);
  EXPECT_EQ(call.buttons, buttons);
  EXPECT_EQ(call.text, text);
}

void PrintTo(Dialog dialog, std::ostream* out) {
  const char* names[] = {"Message", "GeneralError", "InputBox", "OpenFile", "SaveFile",
                         "ChooseFont", "ChooseColour", "PrinterSetup", "Print", "About"};
  *out << "Dialog::" << names[static_cast<int>(dialog)];
}

void ScriptedDialogs::answerMessage(Answer answer, std::function<void()> whileOpen) {
  script_.push_back(Entry{Entry::Message, false, answer});
  script_.back().whileOpen = std::move(whileOpen);
}

void ScriptedDialogs::answerInput(bool ok, const std::string& text, std::function<void()> whileOpen) {
  script_.push_back(Entry{Entry::Input, ok, Answer::No, text});
  script_.back().whileOpen = std::move(whileOpen);
}

void ScriptedDialogs::answerFile(bool ok, const std::string& fileName, std::function<void()> whileOpen) {
  script_.push_back(Entry{Entry::File, ok, Answer::No, fileName});
  script_.back().whileOpen = std::move(whileOpen);
}

void ScriptedDialogs::answerFont(bool ok, const FontDescription& font) {
  script_.push_back(Entry{Entry::Font, ok, Answer::No, "", font});
}

void ScriptedDialogs::answerColour(bool ok, Colour colour) {
  script_.push_back(Entry{Entry::Colour, ok, Answer::No, "", FontDescription(), colour});
}

void ScriptedDialogs::answerPrinter(bool ok, const PrinterChoice& choice) {
  script_.push_back(Entry{Entry::Printer, ok, Answer::No});
  script_.back().printer = choice;
}

DialogCall& ScriptedDialogs::record(Dialog what) {
  calls.emplace_back();
  calls.back().what = what;
  return calls.back();
}

std::vector<DialogCall> ScriptedDialogs::callsOf(Dialog what) const {
  std::vector<DialogCall> out;
  for (const DialogCall& c : calls)
    if (c.what == what) out.push_back(c);
  return out;
}

std::vector<std::string> ScriptedDialogs::messageTexts() const {
  std::vector<std::string> out;
  for (const DialogCall& c : calls)
    if (c.what == Dialog::Message || c.what == Dialog::GeneralError) out.push_back(c.text);
  return out;
}

bool ScriptedDialogs::next(Entry::Kind what, Entry& out) {
  if (script_.empty()) {
    ADD_FAILURE() << "unscripted dialog: " << ::testing::PrintToString(calls.back().what) << " \""
                  << calls.back().text << "\"";
    return false;
  }
  out = script_.front();
  script_.pop_front();
  if (out.what != what) {
    const char* expected[] = {"a message box", "the input box", "a file dialog", "the font dialog",
                              "the colour dialog", "a printer dialog"};
    ADD_FAILURE() << "dialog " << ::testing::PrintToString(calls.back().what) << " came where the script expected "
                  << expected[out.what];
    return false;
  }
  return true;
}

Answer ScriptedDialogs::showMessage(MessageKind kind, const std::string& text, Buttons buttons) {
  DialogCall& call = record(Dialog::Message);
  call.kind = kind;
  call.buttons = buttons;
  call.caption = captionOf(kind);
  call.text = text;
  if (buttons == Buttons::Ok) return Answer::Ok;
  Entry e;
  if (!next(Entry::Message, e)) return Answer::No;
  if (e.whileOpen) e.whileOpen();
  return e.answer;
}

void ScriptedDialogs::showGeneralError(const std::string& text) {
  DialogCall& call = record(Dialog::GeneralError);
  call.kind = MessageKind::Error;
  call.caption = "Tastrix - v1.0f";
  call.text = text;
}

bool ScriptedDialogs::showInputBox(const std::string& caption, const std::string& prompt, std::string& text) {
  DialogCall& call = record(Dialog::InputBox);
  call.caption = caption;
  call.text = prompt;
  call.initial = text;
  Entry e;
  if (!next(Entry::Input, e)) return false;
  if (e.whileOpen) e.whileOpen();
  if (!e.ok) return false;
  text = e.text;
  return true;
}

bool ScriptedDialogs::fileDialog(Dialog what, FileDialogRequest& request) {
  DialogCall& call = record(what);
  call.caption = request.title;
  call.request = request;
  Entry e;
  if (!next(Entry::File, e)) return false;
  if (e.whileOpen) e.whileOpen();
  if (!e.ok) return false;
  request.fileName = e.text;
  return true;
}

bool ScriptedDialogs::showOpenFile(FileDialogRequest& request) { return fileDialog(Dialog::OpenFile, request); }

bool ScriptedDialogs::showSaveFile(FileDialogRequest& request) { return fileDialog(Dialog::SaveFile, request); }

bool ScriptedDialogs::showFontDialog(FontDescription& font) {
  DialogCall& call = record(Dialog::ChooseFont);
  call.font = font;
  Entry e;
  if (!next(Entry::Font, e) || !e.ok) return false;
  font = e.font;
  return true;
}

bool ScriptedDialogs::showColourDialog(Colour& colour) {
  DialogCall& call = record(Dialog::ChooseColour);
  call.colour = colour;
  Entry e;
  if (!next(Entry::Colour, e) || !e.ok) return false;
  colour = e.colour;
  return true;
}

bool ScriptedDialogs::printerDialog(Dialog what, PrinterChoice& choice) {
  record(what).printer = choice;
  Entry e;
  if (!next(Entry::Printer, e) || !e.ok) return false;
  choice = e.printer;
  return true;
}

void ScriptedDialogs::showPrinterSetup(PrinterChoice& choice) {
  if (!script_.empty() && script_.front().what == Entry::Printer)
    printerDialog(Dialog::PrinterSetup, choice);
  else
    record(Dialog::PrinterSetup).printer = choice;
}

bool ScriptedDialogs::showPrintDialog(PrinterChoice& choice) { return printerDialog(Dialog::Print, choice); }

void ScriptedDialogs::showAbout() { record(Dialog::About); }

}  // namespace tastrix::testing
