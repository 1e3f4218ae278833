#include "platform/console_line.h"

#include <windows.h>

#include "platform/wide_text.h"
#include "platform/win32_handles.h"

namespace tastrix {
namespace {

// A file or a pipe gets the system code page, as the programs reading
// another program's output expect; the lines name files, so a character it
// lacks shows as "?", never as a look-alike that names another file.
bool writeBytes(HANDLE handle, const std::string& utf8) {
  const std::string bytes = CodePageNameOf(utf8).bytes();
  DWORD written = 0;
  return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

// A console shows 16-bit text whatever its code page: every character shows right.
bool writeConsole(HANDLE console, const std::string& utf8) {
  const std::wstring wide = WideFromUtf8(utf8);
  DWORD written = 0;
  return WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) &&
         written == wide.size();
}

bool writeTo(HANDLE handle, const std::string& utf8) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) ? writeConsole(handle, utf8) : writeBytes(handle, utf8);
}

// Worth a try when set and naming something; the write is the real test, as a
// windowed program may inherit a console handle it cannot use unattached.
bool named(HANDLE handle) {
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// The starting process's console, attached and opened once. Not the standard
// handles after attaching: which of them Windows replaces then depends on its
// version and on how the program was started.
HANDLE parentConsole() {
  static const UniqueHandle console = [] {
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)  // denied: attached already
      return UniqueHandle();
    return UniqueHandle(CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
  }();
  return console.get();
}

}  // namespace

bool printCallerLine(const std::string& text, ConsoleStream stream) {
  const std::string line = text + "\r\n";
  // Taken before any attaching, which can replace them: a redirection of one
  // stream alone ("2>errors.txt") must not be lost.
  static const HANDLE inherited[2] = {GetStdHandle(STD_OUTPUT_HANDLE), GetStdHandle(STD_ERROR_HANDLE)};
  const HANDLE standard = inherited[stream == ConsoleStream::Output ? 0 : 1];
  if (named(standard) && writeTo(standard, line)) return true;
  const HANDLE console = parentConsole();
  return console != nullptr && console != INVALID_HANDLE_VALUE && writeTo(console, line);
}

}  // namespace tastrix
