#include "app/start_and_close.h"

#include <windows.h>

#include <exception>
#include <optional>

#include "app/startup_model.h"
#include "desktop/auto_run.h"
#include "platform/file_probe.h"
#include "platform/file_status.h"
#include "platform/shutdown_reason.h"
#include "product/product.h"

namespace tastrix {
namespace {

const char* const kUnsavedMapReason = "Unsaved keyboard map";

std::string closeQuestion() {
  return std::string("Warning: You are about exit the program \"") + kAppTitle +
         "\" but you have not saved the changes to the current Keyboard Map.\r\n\r\n"
         "Are you sure that you want to exit the program and lose all changes to the current Keyboard Map ?";
}

std::string restoreQuestion() {
  return std::string("You are about to restore the factory defaults of \"") + kAppTitle +
         "\".\r\n\r\n"
         "The settings file will be deleted: the window returns to its first-start place and size,\r\n"
         "\"Always On Top\" is switched off and no keyboard map is loaded.\r\n\r\n";
}

const char* const kUnsavedChangesLost =
    "You have not saved the changes to the current Keyboard Map: they will be lost.\r\n\r\n";

const char* const kRestoreConfirm = "Are you sure that you want to restore the factory defaults ?";

}  // namespace

void StartAndClose::start(const std::vector<std::string>& namedMaps) {
  window_.setScrollPosition(0);
  // Placement and options from the settings file, applied as read.
  const Settings settings = settings_.read();
  document_.setPath(settings.mapPath);
  options_.place(settings);

  window_.setCaption(kAppTitle);
  options_.applyStartupShowState();
  if (settings.maximized) options_.maximize();
  options_.setAlwaysOnTop(settings.alwaysOnTop);
  // What the registry holds counts, not what the settings file remembers.
  const AutoRunFound autoRun = FindAutoRun();
  options_.setAutoRun(autoRun.on);
  if (autoRun.outdated) commands_.runCommand([&] { OfferAutoRunUpdate(dialogs_, *autoRun.outdated); });

  PrepareStartupMap(document_);
  if (!namedMaps.empty()) {
    // A device's name stays as given, for the message that it cannot be opened.
    std::vector<std::string> full;
    for (const std::string& name : namedMaps) full.push_back(OpensADevice(name) ? name : FullPath(name));
    const std::string named = maps_.mapNamedOutside(full);
    if (!named.empty()) document_.setPath(named);
  }
  // Run as a command: a map that cannot be read is reported and the window still opens.
  commands_.runCommand([this] { maps_.loadAtStartUp(); });
}

bool StartAndClose::mayClose(Closing closing) {
  // A settings file that cannot be written is reported, but never keeps the
  // user in the program.
  if (!dialogs_.anyOpen()) {
    commands_.runCommand([this] { settings_.write(); });
  } else {
    // Windows ends the session while a box is open: the settings are written
    // all the same, and a failure can show no second box.
    try {
      settings_.write();
    } catch (const std::exception&) {
    }
  }
  if (!document_.changed()) return true;
  // The box is answered first.
  if (dialogs_.anyOpen()) return false;
  std::optional<ShutdownBlockReason> reason;
  if (closing == Closing::Session) reason.emplace(window_.handle(), kUnsavedMapReason);
  return dialogs_.message(MessageKind::Confirmation, closeQuestion(), Buttons::YesNo) == Answer::Yes;
}

// The restore drops the settings file and starts over. It drops the current
// map without the close question, so the question itself warns about unsaved
// changes.
void StartAndClose::restoreFactoryDefaults() {
  const std::string question =
      restoreQuestion() + (document_.changed() ? kUnsavedChangesLost : "") + kRestoreConfirm;
  if (dialogs_.message(MessageKind::Warning, question, Buttons::YesNo) != Answer::Yes) return;
  DeleteIfNotInUse(SettingsFilePath());
  ShowWindow(window_.handle(), SW_RESTORE);
  start();
}

}  // namespace tastrix
