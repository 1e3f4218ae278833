#include "desktop/auto_run.h"

#include <windows.h>

#include "desktop/registry.h"
#include "platform/app_paths.h"
#include "platform/core/errors.h"
#include "platform/file_probe.h"
#include "platform/wide_text.h"

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

// Windows reads a Run value as a command line, whose program path stands
// between quotes where it has any, and opens the path made full: forward
// slashes, doubled separators, "." and ".." and letter case make no other
// program, nor does another name of the same file.
bool namesThisProgram(const std::string& runValue) {
  const bool quoted = !runValue.empty() && runValue.front() == '"';
  const std::string program = quoted ? runValue.substr(1, runValue.find('"', 1) - 1) : runValue;
  const std::wstring stored = WideFromUtf8(FullPath(program)), running = WideFromUtf8(FullPath(executablePath()));
  return CompareStringOrdinal(stored.c_str(), -1, running.c_str(), -1, TRUE) == CSTR_EQUAL ||
         SameFile(program, executablePath());
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
  // Every value is removed that can be, whatever another key refuses. Only
  // keys that hold a value are opened for the change: a standard user may not
  // open the machine-wide key so. A value start-up ignores (no path) is tidied
  // away where the user may, and is never worth the administrator's box.
  bool removed = true;
  for (const HKEY root : kRunRoots) {
    if (!RegistryValueExists(root, kRunKey, executableFileName())) continue;
    if (storedPath(root).empty() && !RegistryKeyWritable(root, kRunKey)) continue;
    if (!DeleteRegistryValue(dialogs, root, kRunKey, executableFileName())) removed = false;
  }
  if (!removed) return false;
  dialogs.message(MessageKind::Information,
                  "This program (" + executableFileName() +
                      ") will now no-longer run automatically at Windows Start-Up.",
                  Buttons::Ok);
  return true;
}

AutoRunFound FindAutoRun() {
  for (const HKEY root : kRunRoots) {
    const std::string stored = storedPath(root);
    if (stored.empty()) continue;
    // An update could not keep its promise where this user may not rewrite the value.
    if (namesThisProgram(stored) || !RegistryKeyWritable(root, kRunKey)) return AutoRunFound{true, std::nullopt};
    return AutoRunFound{true, root};
  }
  return AutoRunFound{};
}

void OfferAutoRunUpdate(IDialogs& dialogs, HKEY root) {
  if (dialogs.message(MessageKind::Warning, updateQuestion(storedPath(root)), Buttons::YesNo) == Answer::Yes)
    enableIn(dialogs, root);
}

bool ToggleAutoRun(IDialogs& dialogs, bool on) {
  if (on) return !DisableAutoRun(dialogs);
  return EnableAutoRun(dialogs);
}

}  // namespace tastrix
