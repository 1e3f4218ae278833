#include "platform/file_status.h"

#include <windows.h>

#include "platform/file_probe.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"

namespace tastrix {
namespace {

// Longer paths are not probed: they count as closed.
const std::wstring::size_type kLongestProbedPath = 127;

const DWORD kManagedAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// Keeps the system's critical-error boxes (drive not ready...) away while probing.
class CriticalErrorsSilenced {
 public:
  CriticalErrorsSilenced() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~CriticalErrorsSilenced() { SetErrorMode(previous_); }
  CriticalErrorsSilenced(const CriticalErrorsSilenced&) = delete;
  CriticalErrorsSilenced& operator=(const CriticalErrorsSilenced&) = delete;

 private:
  UINT previous_;
};

std::string statusOfFailedOpen(DWORD errorCode) {
  switch (errorCode) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_NOT_READY:
    case ERROR_NOT_DOS_DISK:
    case ERROR_SECTOR_NOT_FOUND:
      return "NOT FOUND";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return "OPEN";
    default:
      return "ERROR";
  }
}

}  // namespace

std::string FileOpenStatus(const std::string& path) {
  const std::wstring name = WideFromUtf8(path);
  if (name.empty()) return "";
  if (name.size() > kLongestProbedPath) return "CLOSED";
  if (!FileExists(path)) return "";
  const CriticalErrorsSilenced silenced;
  // Read-write and shared with no one: any other open of the file refuses it.
  const UniqueHandle file(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  return file.valid() ? "CLOSED" : statusOfFailedOpen(GetLastError());
}

bool SetFileAttributeFlags(const std::string& path, bool readOnly, bool archive, bool system, bool hidden) {
  if (!FileExists(path)) return false;
  const DWORD wanted = (readOnly ? FILE_ATTRIBUTE_READONLY : 0) | (archive ? FILE_ATTRIBUTE_ARCHIVE : 0) |
                       (system ? FILE_ATTRIBUTE_SYSTEM : 0) | (hidden ? FILE_ATTRIBUTE_HIDDEN : 0);
  const std::wstring name = WideFromUtf8(path);
  SetFileAttributesW(name.c_str(), wanted ? wanted : FILE_ATTRIBUTE_NORMAL);
  // A file without any of these reads back as "normal" (0x80), so only the
  // four attributes set here are compared.
  const DWORD readBack = GetFileAttributesW(name.c_str());
  return readBack != INVALID_FILE_ATTRIBUTES && (readBack & kManagedAttributes) == wanted;
}

bool DeleteIfNotInUse(const std::string& path) {
  if (!FileExists(path)) return false;
  const std::wstring name = WideFromUtf8(path);
  const DWORD attributes = GetFileAttributesW(name.c_str());
  SetFileAttributeFlags(path, false, false, false, false);
  if (FileOpenStatus(path) == "CLOSED") DeleteFileW(name.c_str());
  if (!FileExists(path)) return true;
  // A file that stays, held by another program, keeps the attributes it had.
  SetFileAttributesW(name.c_str(), attributes);
  return false;
}

}  // namespace tastrix
