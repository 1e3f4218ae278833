#include "desktop/auto_run.h"

#include "desktop/registry.h"
#include "platform/app_paths.h"
#include "platform/errors.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

std::string updateQuestion(const std::string& stored) {
  return "The directory / path settings required to make this program (" + executableFileName() + ")\r\n" +
         "run automatically at Windows Start-up do not match where the program \r\n" +
         "is currently being run from.\r\n\r\n" + " Old      = " + stored + "\r\n" +
         " Current = " + executablePath() + "\r\n\r\n" +
         "Do you want to update the Windows Registry to reflect the programs current locaton ?";
}

}  // namespace

const char* const kRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

bool EnableAutoRun(IDialogs& dialogs) {
  if (!WriteRegistryString(dialogs, HKEY_LOCAL_MACHINE, kRunKey, executableFileName(), executablePath()))
    return false;
  dialogs.message(MessageKind::Information,
                  "This program (" + executableFileName() + ") will now run automatically at Windows Start-Up.",
                  Buttons::Ok);
  return true;
}

bool DisableAutoRun(IDialogs& dialogs) {
  if (!DeleteRegistryValue(dialogs, HKEY_LOCAL_MACHINE, kRunKey, executableFileName())) return false;
  dialogs.message(MessageKind::Information,
                  "This program (" + executableFileName() +
                      ") will now no-longer run automatically at Windows Start-Up.",
                  Buttons::Ok);
  return true;
}

bool CheckAutoRunPath(IDialogs& dialogs) {
  // Runs during start-up, outside any command: a value that cannot be read
  // means auto-run is off, without a message.
  std::string stored;
  try {
    stored = ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, executableFileName());
  } catch (const PlatformError&) {
    return false;
  }
  if (stored.empty()) return false;
  if (UpperAscii(stored) == UpperAscii(executablePath())) return true;
  if (dialogs.message(MessageKind::Warning, updateQuestion(stored), Buttons::YesNo) == Answer::Yes) {
    // The user asked for the update, so a refused write is worth the error box.
    try {
      EnableAutoRun(dialogs);
    } catch (const PlatformError& e) {
      dialogs.generalError(withFullStop(e.what()));
    }
  }
  return true;
}

bool Auto_Run_at_Windows_Startup_OptionClick(IDialogs& dialogs, bool on) {
  if (on) return !DisableAutoRun(dialogs);
  return EnableAutoRun(dialogs);
}

}  // namespace tastrix
