#include "platform/file_probe.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/win32_handles.h"

namespace tastrix {
namespace {

// Opened as the profile functions open a file: sharing with everyone.
UniqueHandle openForReading(const std::string& path) {
  return UniqueHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

}  // namespace

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

DiskStamp StampOf(const std::string& path) {
  DiskStamp stamp;
  if (!FileExists(path)) return stamp;
  // Opened for its attributes only, which no other program's sharing refuses.
  const UniqueHandle file(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      0, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!file.valid() || !GetFileInformationByHandle(file.get(), &info)) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return stamp;
    info.nFileSizeHigh = data.nFileSizeHigh;
    info.nFileSizeLow = data.nFileSizeLow;
    info.ftLastWriteTime = data.ftLastWriteTime;
  }
  stamp.exists = true;
  stamp.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  stamp.lastWrite =
      (static_cast<std::uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime;
  stamp.volume = info.dwVolumeSerialNumber;
  stamp.fileIndex = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return stamp;
}

void RequireReadable(const std::string& path) {
  if (FileExists(path) && !openForReading(path).valid()) throwCannotOpenFile(path);
}

std::string ReadWholeFile(const std::string& path) {
  if (!FileExists(path)) return std::string();
  const UniqueHandle file = openForReading(path);
  LARGE_INTEGER size{};
  if (!file.valid() || !GetFileSizeEx(file.get(), &size)) throwCannotOpenFile(path);
  std::string bytes;
  bytes.reserve(static_cast<size_t>(size.QuadPart));
  char buffer[64 * 1024];
  for (DWORD got = 0;;) {
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) throwCannotOpenFile(path);
    if (got == 0) return bytes;
    bytes.append(buffer, got);
  }
}

}  // namespace tastrix
