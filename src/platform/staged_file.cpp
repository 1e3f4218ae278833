#include "platform/staged_file.h"

#include <windows.h>

#include <algorithm>

#include "platform/busy_retry.h"
#include "platform/core/errors.h"
#include "platform/file_probe.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

DWORD attributesOf(const std::string& path) { return GetFileAttributesW(WideFromUtf8(path).c_str()); }

// A read-only file is never replaced, whatever rights the user has, and a
// folder or a device of the target's name is never touched.
bool replaceable(const std::string& path) {
  if (OpensADevice(path)) return false;
  const DWORD attributes = attributesOf(path);
  return attributes == INVALID_FILE_ATTRIBUTES || !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

// A new file, or one left by an earlier attempt emptied; a virus scanner may
// still hold the one left for a moment.
UniqueHandle createForWriting(const std::string& path) {
  const std::wstring name = WideFromUtf8(path);
  UniqueHandle file;
  RetryWhileBusy(kBusyFileWaitMs, kFileHeld, [&] {
    file.reset(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid();
  });
  return file;
}

bool writeAll(HANDLE file, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const DWORD piece = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, piece, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return FlushFileBuffers(file) != FALSE;
}

// Some file systems report a write as done although the disk was full, so
// what counts is what reads back.
bool readsBackAs(const std::string& path, const std::string& bytes) {
  const UniqueHandle file(CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  LARGE_INTEGER size{};
  if (!file.valid() || !GetFileSizeEx(file.get(), &size) || static_cast<unsigned long long>(size.QuadPart) != bytes.size())
    return false;
  std::string buffer(std::min<size_t>(bytes.size(), 1u << 20), '\0');
  for (size_t done = 0; done < bytes.size();) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min(buffer.size(), bytes.size() - done));
    if (!ReadFile(file.get(), buffer.data(), want, &got, nullptr) || got == 0) return false;
    if (bytes.compare(done, got, buffer, 0, got) != 0) return false;
    done += got;
  }
  return true;
}

bool removeFile(const std::string& path) {
  const std::wstring name = WideFromUtf8(path);
  return RetryWhileBusy(kBusyFileWaitMs, kFileHeld, [&] {
    return DeleteFileW(name.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
  });
}

// The staged file takes the target's place in one step. It takes on the old
// file's hidden and system marks first, so the name never shows it without them.
bool moveOnto(const std::string& staged, const std::string& target) {
  const DWORD old = attributesOf(target);
  const DWORD kept = old == INVALID_FILE_ATTRIBUTES ? 0 : old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  if (kept) SetFileAttributesW(WideFromUtf8(staged).c_str(), kept);
  const std::wstring from = WideFromUtf8(staged), to = WideFromUtf8(target);
  return RetryWhileBusy(kBusyFileWaitMs, kFileHeld, [&] {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  });
}

// No other program holds the target against its being replaced: it can be
// opened for deletion while others share it every way. Checked for every
// file before the first one changes, so that a held file ends the change
// before it begins.
bool canReplace(const std::string& target) {
  if (!FileExists(target)) return true;
  const std::wstring name = WideFromUtf8(target);
  return RetryWhileBusy(kBusyFileWaitMs, kFileHeld, [&] {
    const UniqueHandle file(CreateFileW(name.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    return file.valid();
  });
}

// The marker is a file of its own, on the disk before any target changes.
bool writeMarker(const std::string& marker) {
  const UniqueHandle file = createForWriting(marker);
  return file.valid() && FlushFileBuffers(file.get());
}

}  // namespace

std::string StagedName(const std::string& target) { return target + ".new"; }

StagedFile::~StagedFile() { discard(); }

void StagedFile::discard() {
  if (staged_) removeFile(StagedName(target_));
  staged_ = false;
}

StagedFile::Result StagedFile::write(const std::string& bytes) {
  discard();
  const std::string staged = StagedName(target_);
  if (!replaceable(target_) || OpensADevice(staged)) return Result::CannotCreate;
  // One left by an interrupted write is of no use to anyone, and may carry
  // marks that would refuse the new one.
  SetFileAttributesW(WideFromUtf8(staged).c_str(), FILE_ATTRIBUTE_NORMAL);
  removeFile(staged);
  bool written;
  {
    const UniqueHandle file = createForWriting(staged);
    if (!file.valid()) return Result::CannotCreate;
    staged_ = true;
    written = writeAll(file.get(), bytes);
  }
  if (written && readsBackAs(staged, bytes)) return Result::Written;
  discard();
  return Result::CannotWrite;
}

int ReplaceTogether(const std::vector<StagedFile*>& files, const std::string& marker) {
  for (size_t i = 0; i < files.size(); ++i)
    if (!canReplace(files[i]->target_)) return static_cast<int>(i);
  if (!writeMarker(marker)) {
    removeFile(marker);
    return 0;
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (moveOnto(StagedName(files[i]->target_), files[i]->target_)) {
      // The change has begun: what is left of it is finished by the next open.
      for (StagedFile* file : files) file->staged_ = false;
      continue;
    }
    // Before the first file moved nothing has changed, and nothing will.
    if (i == 0) removeFile(marker);
    return static_cast<int>(i);
  }
  removeFile(marker);
  return -1;
}

bool FinishInterruptedChange(const std::vector<std::string>& targets, const std::string& marker) {
  const bool marked = FileExists(marker);
  bool done = true;
  for (const std::string& target : targets) {
    const std::string staged = StagedName(target);
    if (FileExists(staged)) done = (marked ? moveOnto(staged, target) : removeFile(staged)) && done;
  }
  return done && (!marked || removeFile(marker));
}

std::string CurrentVersionOf(const std::string& target, const std::string& marker) {
  const std::string staged = StagedName(target);
  return FileExists(marker) && FileExists(staged) ? staged : target;
}

StagedFile::Result ReplaceWhole(const std::string& path, const std::string& bytes) {
  StagedFile file(path);
  const StagedFile::Result result = file.write(bytes);
  if (result != StagedFile::Result::Written) return result;
  if (!moveOnto(StagedName(path), path)) return StagedFile::Result::CannotCreate;
  file.staged_ = false;
  return result;
}

void WriteFileWhole(const std::string& path, const std::string& bytes) {
  switch (ReplaceWhole(path, bytes)) {
    case StagedFile::Result::CannotCreate: throwCannotCreateFile(path);
    case StagedFile::Result::CannotWrite: throwStreamWriteError(path);
    case StagedFile::Result::Written: break;
  }
}

}  // namespace tastrix
