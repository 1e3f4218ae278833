#include "platform/file_probe.h"

#include <optional>

#include "platform/busy_retry.h"
#include "platform/core/errors.h"
#include "platform/filled_buffer.h"
#include "platform/wide_text.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

DWORD attributesOf(const std::string& path) {
  return OpensADevice(path) ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(WideFromUtf8(path).c_str());
}

// Where a file or folder lies: its volume and its number there. Opened for
// its attributes only, which no other program's sharing refuses.
bool identityOf(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  const UniqueHandle file(CreateFileW(WideFromUtf8(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return file.valid() && GetFileInformationByHandle(file.get(), &info);
}

bool sameIdentity(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace

std::string FullPath(const std::string& path) {
  const std::wstring wide = WideFromUtf8(path);
  const std::optional<std::wstring> full =
      FilledBuffer([&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(wide.c_str(), size, buffer, nullptr); });
  return full ? Utf8FromWide(*full) : path;
}

std::string LongPath(const std::string& path) {
  const std::wstring wide = WideFromUtf8(path);
  const std::optional<std::wstring> full =
      FilledBuffer([&](wchar_t* buffer, DWORD size) { return GetLongPathNameW(wide.c_str(), buffer, size); });
  return full ? Utf8FromWide(*full) : path;
}

bool OpensADevice(const std::string& path) { return NamesADevice(path) || NamesADevice(FullPath(path)); }

UniqueHandle OpenForReading(const std::string& path, DWORD sharing) {
  UniqueHandle file;
  if (OpensADevice(path)) return file;
  const std::wstring name = WideFromUtf8(path);
  RetryWhileBusy(kBusyFileWaitMs, kFileBeingWritten, [&] {
    file.reset(CreateFileW(name.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                           nullptr));
    return file.valid();
  });
  return file;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = attributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = attributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

DiskStamp StampOf(const std::string& path) {
  DiskStamp stamp;
  if (!FileExists(path)) return stamp;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!identityOf(path, info)) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(WideFromUtf8(path).c_str(), GetFileExInfoStandard, &data)) return stamp;
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

bool SameFile(const std::string& first, const std::string& second) {
  const std::string a = FullPath(first), b = FullPath(second);
  BY_HANDLE_FILE_INFORMATION infoA{}, infoB{};
  const bool existsA = identityOf(a, infoA), existsB = identityOf(b, infoB);
  if (existsA || existsB) return existsA && existsB && sameIdentity(infoA, infoB);
  // Neither is there yet: the same name, in any letter case, in the same folder.
  const std::wstring nameA = WideFromUtf8(FileNamePart(a)), nameB = WideFromUtf8(FileNamePart(b));
  return CompareStringOrdinal(nameA.c_str(), static_cast<int>(nameA.size()), nameB.c_str(),
                              static_cast<int>(nameB.size()), TRUE) == CSTR_EQUAL &&
         identityOf(DirectoryPart(a), infoA) && identityOf(DirectoryPart(b), infoB) && sameIdentity(infoA, infoB);
}

void RequireReadable(const std::string& path) {
  if (OpensADevice(path)) throwCannotOpenFile(path);
  if (FileExists(path) && !OpenForReading(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE).valid())
    throwCannotOpenFile(path, GetLastError());
}

std::string FileStart(const std::string& path, size_t count) {
  std::string bytes(count, '\0');
  const UniqueHandle file = OpenForReading(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  DWORD got = 0;
  if (!file.valid() || !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(count), &got, nullptr)) got = 0;
  bytes.resize(got);
  return bytes;
}

std::string ReadWholeFile(const std::string& path, DWORD sharing) {
  if (OpensADevice(path)) throwCannotOpenFile(path);
  if (!FileExists(path)) return std::string();
  const UniqueHandle file = OpenForReading(path, sharing);
  LARGE_INTEGER size{};
  if (!file.valid() || !GetFileSizeEx(file.get(), &size)) throwCannotOpenFile(path, GetLastError());
  std::string bytes;
  bytes.reserve(static_cast<size_t>(size.QuadPart));
  char buffer[64 * 1024];
  for (DWORD got = 0;;) {
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) throwCannotOpenFile(path, GetLastError());
    if (got == 0) return bytes;
    bytes.append(buffer, got);
  }
}

}  // namespace tastrix
