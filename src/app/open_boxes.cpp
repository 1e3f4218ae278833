#include "app/open_boxes.h"

namespace tastrix {

Answer OpenBoxes::message(MessageKind kind, const std::string& text, Buttons buttons) {
  const Scope open(*this);
  return dialogs_.message(kind, text, buttons);
}

void OpenBoxes::generalError(const std::string& text) {
  const Scope open(*this);
  dialogs_.generalError(text);
}

bool OpenBoxes::inputBox(const std::string& caption, const std::string& prompt, std::string& text) {
  const Scope open(*this);
  return dialogs_.inputBox(caption, prompt, text);
}

bool OpenBoxes::openFile(FileDialogRequest& request) {
  const Scope open(*this);
  return dialogs_.openFile(request);
}

bool OpenBoxes::saveFile(FileDialogRequest& request) {
  const Scope open(*this);
  return dialogs_.saveFile(request);
}

bool OpenBoxes::chooseFont(FontDescription& font) {
  const Scope open(*this);
  return dialogs_.chooseFont(font);
}

bool OpenBoxes::chooseColour(Colour& colour) {
  const Scope open(*this);
  return dialogs_.chooseColour(colour);
}

void OpenBoxes::printerSetup() {
  const Scope open(*this);
  dialogs_.printerSetup();
}

void OpenBoxes::about() {
  const Scope open(*this);
  dialogs_.about();
}

}  // namespace tastrix
