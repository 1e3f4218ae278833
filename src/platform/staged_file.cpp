#include "platform/staged_file.h"

#include <windows.h>

#include <algorithm>

#include "platform/busy_retry.h"
#include "platform/core/errors.h"
#include "platform/file_probe.h"
#include "platform/wide_text.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

constexpr DWORD kMarks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

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

// A file of the program's own names goes whatever marks it was given since;
// a folder of such a name is someone else's and stays.
bool removeOwnFile(const std::string& path) {
  const DWORD attributes = attributesOf(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  if (attributes & kMarks) SetFileAttributesW(WideFromUtf8(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  return removeFile(path);
}

bool renameFile(const std::string& from, const std::string& to) {
  const std::wstring source = WideFromUtf8(from), destination = WideFromUtf8(to);
  return RetryWhileBusy(kBusyFileWaitMs, kFileHeld, [&] {
    return MoveFileExW(source.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  });
}

// The hidden and system marks of the target's old file, wherever it is now.
DWORD keptMarks(const std::string& target) {
  DWORD old = attributesOf(target);
  if (old == INVALID_FILE_ATTRIBUTES) old = attributesOf(SetAsideName(target));
  return old == INVALID_FILE_ATTRIBUTES ? 0 : old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
}

// The staged file takes the target's place in one step, with the old file's
// marks and never read-only, so the name never shows it otherwise.
bool moveIn(const std::string& staged, const std::string& target) {
  const DWORD kept = keptMarks(target), now = attributesOf(staged);
  if (now != INVALID_FILE_ATTRIBUTES && (now & kMarks) != kept)
    SetFileAttributesW(WideFromUtf8(staged).c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
  return renameFile(staged, target);
}

// A program that holds the old file open without letting it be deleted
// refuses this; one that lets it be keeps reading it under the new name.
bool setAside(const std::string& target) {
  return !FileExists(target) || renameFile(target, SetAsideName(target));
}

// The old files set aside so far go back to their names.
void bringBack(const std::vector<StagedFile*>& files, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const std::string aside = SetAsideName(files[i]->target());
    if (FileExists(aside)) renameFile(aside, files[i]->target());
  }
}

// The marker is a file of its own, on the disk before any target changes.
bool writeMarker(const std::string& marker) {
  const UniqueHandle file = createForWriting(marker);
  return file.valid() && FlushFileBuffers(file.get());
}

}  // namespace

std::string StagedName(const std::string& target) { return target + ".~new"; }
std::string SetAsideName(const std::string& target) { return target + ".~old"; }

StagedFile::~StagedFile() { discard(); }

void StagedFile::discard() {
  if (staged_) removeFile(StagedName(target_));
  staged_ = false;
}

StagedFile::Result StagedFile::write(const std::string& bytes) {
  discard();
  const std::string staged = StagedName(target_);
  if (!replaceable(target_) || OpensADevice(staged)) return Result::CannotCreate;
  // One left by an interrupted write is of no use to anyone.
  removeOwnFile(staged);
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

ChangeLock::ChangeLock(const std::string& path, DWORD waitMs) {
  // A device would be opened in its place, and might never answer.
  blocked_ = OpensADevice(path);
  if (blocked_) return;
  const std::wstring name = WideFromUtf8(path);
  const auto take = [&] {
    file_.reset(CreateFileW(name.c_str(), DELETE, 0, nullptr, OPEN_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return file_.valid();
  };
  if (RetryWhileBusy(waitMs, {ERROR_SHARING_VIOLATION}, take)) return;
  busy_ = GetLastError() == ERROR_SHARING_VIOLATION;
  const DWORD attributes = attributesOf(path);
  blocked_ = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  // One that a power cut left, and someone marked read-only since.
  if (!busy_ && !blocked_ && attributes != INVALID_FILE_ATTRIBUTES && (attributes & kMarks) &&
      SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL))
    take();
}

const StagedFile* ReplaceTogether(const std::vector<StagedFile*>& files, const std::string& marker) {
  for (size_t i = 0; i < files.size(); ++i)
    if (!setAside(files[i]->target_)) {
      bringBack(files, i);
      return files[i];
    }
  if (!writeMarker(marker)) {
    removeFile(marker);
    bringBack(files, files.size());
    return files.front();
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (moveIn(StagedName(files[i]->target_), files[i]->target_)) continue;
    // Taken back in the order that keeps every instant whole: the new files
    // to their staged names while the marker still says "finish me", then
    // the marker, then the old files to their names.
    bool takenBack = true;
    for (size_t j = 0; j < i && takenBack; ++j) takenBack = renameFile(files[j]->target_, StagedName(files[j]->target_));
    if (takenBack && removeFile(marker)) {
      bringBack(files, files.size());
      return files[i];
    }
    // It stands as made: what is left is finished by the next open.
    for (StagedFile* file : files) file->staged_ = false;
    return nullptr;
  }
  for (StagedFile* file : files) file->staged_ = false;
  if (removeFile(marker))
    for (StagedFile* file : files) removeFile(SetAsideName(file->target_));
  return nullptr;
}

std::optional<std::string> FinishInterruptedChange(const std::vector<std::string>& targets, const std::string& marker) {
  const bool marked = FileExists(marker);
  std::optional<std::string> left;
  const auto done = [&](bool succeeded, const std::string& path) {
    if (!succeeded && !left) left = path;
  };
  for (const std::string& target : targets) {
    const std::string staged = StagedName(target);
    if (!FileExists(staged))
      done(!DirectoryExists(staged), staged);
    else
      done(marked ? moveIn(staged, target) : removeOwnFile(staged), staged);
  }
  for (const std::string& target : targets) {
    const std::string aside = SetAsideName(target);
    if (!marked && FileExists(aside) && !FileExists(target))
      done(renameFile(aside, target), aside);
    else
      done(removeOwnFile(aside), aside);
  }
  if (marked && !left) done(removeOwnFile(marker), marker);
  if (!marked) done(!DirectoryExists(marker), marker);
  return left;
}

std::string CurrentVersionOf(const std::string& target, const std::string& marker) {
  if (FileExists(marker)) {
    const std::string staged = StagedName(target);
    return FileExists(staged) ? staged : target;
  }
  const std::string aside = SetAsideName(target);
  return !FileExists(target) && FileExists(aside) ? aside : target;
}

StagedFile::Result ReplaceWhole(const std::string& path, const std::string& bytes) {
  StagedFile file(path);
  const StagedFile::Result result = file.write(bytes);
  if (result != StagedFile::Result::Written) return result;
  if (!moveIn(StagedName(path), path)) return StagedFile::Result::CannotCreate;
  file.staged_ = false;
  return result;
}

void WriteFileWhole(const std::string& path, const std::string& bytes) {
  switch (ReplaceWhole(path, bytes)) {
    case StagedFile::Result::CannotCreate: throwCannotCreateFile(path, GetLastError());
    case StagedFile::Result::CannotWrite: throwStreamWriteError(path, GetLastError());
    case StagedFile::Result::Written: break;
  }
}

}  // namespace tastrix
