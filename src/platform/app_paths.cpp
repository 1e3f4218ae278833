#include "platform/app_paths.h"

#include <windows.h>

#include "platform/filled_buffer.h"
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
  return Utf8FromWide(
      FilledBuffer([](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); }).value_or(L""));
}

}  // namespace

std::string executablePath() { return overridden().empty() ? moduleFileName() : overridden(); }

void overrideExecutablePath(const std::string& path) { overridden() = path; }

std::string executableDirectory() { return DirectoryPart(executablePath()); }

std::string executableFileName() { return FileNamePart(executablePath()); }

}  // namespace tastrix
