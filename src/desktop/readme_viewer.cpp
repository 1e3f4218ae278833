#include "desktop/readme_viewer.h"

#include <windows.h>

#include "platform/app_paths.h"
#include "platform/file_probe.h"
#include "platform/filled_buffer.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

std::string windowsDirectory() {
  return Utf8FromWide(
      FilledBuffer([](wchar_t* buffer, DWORD size) { return GetWindowsDirectoryW(buffer, size); }).value_or(L""));
}

// Starts the command line shown normally, leaving the program search to the
// system; the new process is neither waited for nor watched. In 16-bit text,
// so that a readme in a folder the code page cannot spell is opened.
void startDetached(const std::string& commandLine) {
  std::wstring writable = WideFromUtf8(commandLine);
  writable.push_back(L'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
    return;
  // Only closed: the program does not watch Notepad.
  const UniqueHandle process(started.hProcess);
  const UniqueHandle thread(started.hThread);
}

}  // namespace

std::string ReadmePath() {
  const std::string name = executableFileName();
  return executableDirectory() + name.substr(0, name.find('.')) + ".txt";
}

void ViewReadme(IDialogs& dialogs) { OpenInNotepad(dialogs, ReadmePath()); }

void OpenInNotepad(IDialogs& dialogs, const std::string& path) {
  if (!FileExists(windowsDirectory() + "\\Notepad.EXE")) {
    dialogs.message(MessageKind::Information, "Windows Notepad could not be found.", Buttons::Ok);
    return;
  }
  if (path.empty()) {
    dialogs.message(MessageKind::Information, "No Log File to View.", Buttons::Ok);
    return;
  }
  startDetached("Notepad.exe " + path);
}

}  // namespace tastrix
