#include "app/application.h"

#include "app/menu_ids.h"
#include "app/menu_table.h"
#include "desktop/auto_run.h"
#include "desktop/readme_viewer.h"
#include "platform/core/errors.h"

namespace tastrix {

Application::Application(IDialogs& dialogs) : dialogs_(dialogs) {}

void Application::create(HINSTANCE instance, bool endsMessageLoop) { window_.create(instance, endsMessageLoop); }

void Application::start(const std::vector<std::string>& namedMaps) {
  startAndClose_.start(namedMaps);
  window_.showFirstTime();
}

void Application::runCommand(const std::function<void()>& command) {
  // Posted messages, and calls of screen readers, reach the window through
  // the open box's message loop: acting on them would stack box on box.
  if (boxOpen()) return;
  const std::vector<std::string> labelsBefore = window_.labelTexts();
  const MapDocument::CommandScope oneStep(document_);
  try {
    command();
  } catch (const std::exception& e) {  // platform errors above all
    dialogs_.generalError(withFullStop(e.what()));
  }
  // Commands change the document; the picture follows after every one.
  window_.showChanges(labelsBefore);
}

void Application::runModalLoop(const std::function<void()>& loop) {
  const IDialogs::OpenScope open(dialogs_);
  loop();
}

void Application::menuCommand(int id) {
  if (const CommandHandler handler = findCommand(id)) runCommand([this, handler] { handler(*this); });
}

void Application::pressOn(const PicturePiece* piece) { editing_.recordPress(piece); }

// A click opens the label of the title or of a key, not of its other parts.
void Application::clickOn(const PicturePiece& piece) {
  if (piece.kind != PicturePiece::Kind::Title && piece.kind != PicturePiece::Kind::KeyLabel) return;
  runCommand([this, position = piece.position] { editing_.editLabel(position); });
}

void Application::dropFiles(const std::vector<std::string>& paths) {
  runCommand([this, &paths] { maps_.loadDroppedFiles(paths); });
}

bool Application::mayClose(Closing closing) { return startAndClose_.mayClose(closing); }

void Application::toggleAutoRun() {
  options_.setAutoRun(ToggleAutoRun(dialogs_, options_.autoRun()));
}

void Application::viewReadme() { ViewReadme(dialogs_); }

void Application::showAbout() { dialogs_.about(); }

void Application::exit() { PostMessageA(window_.handle(), WM_CLOSE, 0, 0); }

}  // namespace tastrix
