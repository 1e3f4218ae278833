#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace tastrix::testing {

void expectMessage(const DialogCall& call, MessageKind kind, Buttons buttons, const std::string& text) {
  EXPECT_EQ(call.kind, kind);
  EXPECT_EQ(call.buttons, buttons);
  EXPECT_EQ(call.text, text);
}

void ScriptedDialogs::answerMessage(Answer answer) { script_.push_back(Entry{"message", false, answer}); }

void ScriptedDialogs::answerInput(bool ok, const std::string& text) {
  script_.push_back(Entry{"inputBox", ok, Answer::No, text});
}

void ScriptedDialogs::answerFile(bool ok, const std::string& fileName, std::function<void()> whileOpen) {
  script_.push_back(Entry{"file", ok, Answer::No, fileName});
  script_.back().whileOpen = std::move(whileOpen);
}

void ScriptedDialogs::answerFont(bool ok, const FontDescription& font) {
  script_.push_back(Entry{"chooseFont", ok, Answer::No, "", font});
}

void ScriptedDialogs::answerColour(bool ok, Colour colour) {
  script_.push_back(Entry{"chooseColour", ok, Answer::No, "", FontDescription(), colour});
}

std::vector<DialogCall> ScriptedDialogs::callsOf(const std::string& what) const {
  std::vector<DialogCall> out;
  for (const DialogCall& c : calls)
    if (c.what == what) out.push_back(c);
  return out;
}

std::vector<std::string> ScriptedDialogs::messageTexts() const {
  std::vector<std::string> out;
  for (const DialogCall& c : calls)
    if (c.what == "message" || c.what == "generalError") out.push_back(c.text);
  return out;
}

bool ScriptedDialogs::next(const std::string& what, Entry& out) {
  if (script_.empty()) {
    ADD_FAILURE() << "unscripted dialog: " << what << " \"" << (calls.empty() ? "" : calls.back().text) << "\"";
    return false;
  }
  out = script_.front();
  script_.pop_front();
  if (out.what != what) {
    ADD_FAILURE() << "dialog " << what << " came where the script expected " << out.what;
    return false;
  }
  return true;
}

Answer ScriptedDialogs::message(MessageKind kind, const std::string& text, Buttons buttons) {
  DialogCall call;
  call.what = "message";
  call.kind = kind;
  call.buttons = buttons;
  call.caption = captionOf(kind);
  call.text = text;
  calls.push_back(call);
  if (buttons == Buttons::Ok) return Answer::Ok;
  Entry e;
  return next("message", e) ? e.answer : Answer::No;
}

void ScriptedDialogs::generalError(const std::string& text) {
  DialogCall call;
  call.what = "generalError";
  call.kind = MessageKind::Error;
  call.caption = "Tastrix - v1.0f";
  call.text = text;
  calls.push_back(call);
}

bool ScriptedDialogs::inputBox(const std::string& caption, const std::string& prompt, std::string& text) {
  DialogCall call;
  call.what = "inputBox";
  call.caption = caption;
  call.text = prompt;
  call.initial = text;
  calls.push_back(call);
  Entry e;
  if (!next("inputBox", e) || !e.ok) return false;
  text = e.text;
  return true;
}

bool ScriptedDialogs::fileDialog(const char* what, FileDialogRequest& request) {
  DialogCall call;
  call.what = what;
  call.caption = request.title;
  call.request = request;
  calls.push_back(call);
  Entry e;
  if (!next("file", e)) return false;
  if (e.whileOpen) e.whileOpen();
  if (!e.ok) return false;
  request.fileName = e.text;
  return true;
}

bool ScriptedDialogs::openFile(FileDialogRequest& request) { return fileDialog("openFile", request); }

bool ScriptedDialogs::saveFile(FileDialogRequest& request) { return fileDialog("saveFile", request); }

bool ScriptedDialogs::chooseFont(FontDescription& font, int dpi) {
  DialogCall call;
  call.what = "chooseFont";
  call.font = font;
  call.dpi = dpi;
  calls.push_back(call);
  Entry e;
  if (!next("chooseFont", e) || !e.ok) return false;
  font = e.font;
  return true;
}

bool ScriptedDialogs::chooseColour(Colour& colour) {
  DialogCall call;
  call.what = "chooseColour";
  call.colour = colour;
  calls.push_back(call);
  Entry e;
  if (!next("chooseColour", e) || !e.ok) return false;
  colour = e.colour;
  return true;
}

void ScriptedDialogs::printerSetup() {
  DialogCall call;
  call.what = "printerSetup";
  calls.push_back(call);
}

void ScriptedDialogs::about() {
  DialogCall call;
  call.what = "about";
  calls.push_back(call);
}

}  // namespace tastrix::testing
