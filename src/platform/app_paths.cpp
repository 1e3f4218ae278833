#include "platform/app_paths.h"

#include <windows.h>

#include <vector>

#include "platform/wide_text.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

std::string& overridden() {
  static std::string path;
  return path;
}

// In UTF-8, so that a folder the code page cannot spell is still found.
std::string moduleFileName() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) return Utf8FromWide(std::wstring(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

std::string executablePath() { return overridden().empty() ? moduleFileName() : overridden(); }

void overrideExecutablePath(const std::string& path) { overridden() = path; }

std::string executableDirectory() { return DirectoryPart(executablePath()); }

std::string executableFileName() { return FileNamePart(executablePath()); }

std::string settingsFilePath() { return executableDirectory() + "tastrix.ini"; }

}  // namespace tastrix
