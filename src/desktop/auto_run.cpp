#include "desktop/auto_run.h"

#include <windows.h>

#include "desktop/registry.h"
#include "platform/app_paths.h"
#include "platform/core/errors.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

// The two Run keys: the machine-wide one first, as the option always read
// it, then the user's own.
const HKEY kRunRoots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};

std::string updateQuestion(const std::string& stored) {
  return "The directory / path settings required to make this program (" + executableFileName() + ")\r\n" +
         "run automatically at Windows Start-up do not match where the program \r\n" +
         "is currently being run from.\r\n\r\n" + " Old      = " + stored + "\r\n" +
         " Current = " + executablePath() + "\r\n\r\n" +
         "Do you want to update the Windows Registry to reflect the programs current locaton ?";
}

// Registry faults at start-up count as no value, without a message.
std::string storedPath(HKEY root) {
  try {
    return ReadRegistryString(root, kRunKey, executableFileName());
  } catch (const PlatformError&) {
    return "";
  }
}

// The per-user key may not exist yet on a fresh account: it is made then.
bool enableIn(IDialogs& dialogs, HKEY root) {
  const MissingKey missing = root == HKEY_CURRENT_USER ? MissingKey::Create : MissingKey::Report;
  if (!WriteRegistryString(dialogs, root, kRunKey, executableFileName(), executablePath(), missing)) return false;
  dialogs.message(MessageKind::Information,
                  "This program (" + executableFileName() + ") will now run automatically at Windows Start-Up.",
                  Buttons::Ok);
  return true;
}

}  // namespace

const char* const kRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

bool EnableAutoRun(IDialogs& dialogs) {
  return enableIn(dialogs, RegistryKeyWritable(HKEY_LOCAL_MACHINE, kRunKey) ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER);
}

bool DisableAutoRun(IDialogs& dialogs) {
  // Only keys that hold a value are opened for the change: a standard user
  // may not open the machine-wide key so.
  for (const HKEY root : kRunRoots)
    if (RegistryValueExists(root, kRunKey, executableFileName()) &&
        !DeleteRegistryValue(dialogs, root, kRunKey, executableFileName()))
      return false;
  dialogs.message(MessageKind::Information,
                  "This program (" + executableFileName() +
                      ") will now no-longer run automatically at Windows Start-Up.",
                  Buttons::Ok);
  return true;
}

bool CheckAutoRunPath(IDialogs& dialogs) {
  for (const HKEY root : kRunRoots) {
    const std::string stored = storedPath(root);
    if (stored.empty()) continue;
    if (UpperAscii(stored) == UpperAscii(executablePath())) return true;
    // Yes could not keep its promise where this user may not rewrite the value.
    if (!RegistryKeyWritable(root, kRunKey)) return true;
    if (dialogs.message(MessageKind::Warning, updateQuestion(stored), Buttons::YesNo) == Answer::Yes) {
      // The user asked for the update, so a refused write is worth the error box.
      try {
        enableIn(dialogs, root);
      } catch (const PlatformError& e) {
        dialogs.generalError(withFullStop(e.what()));
      }
    }
    return true;
  }
  return false;
}

bool ToggleAutoRun(IDialogs& dialogs, bool on) {
  if (on) return !DisableAutoRun(dialogs);
  return EnableAutoRun(dialogs);
}

}  // namespace tastrix
