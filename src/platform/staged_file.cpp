#include "platform/staged_file.h"

#include <windows.h>

#include <algorithm>

#include "platform/errors.h"
#include "platform/win32_handles.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

// A new, empty file with a unique name in the target's folder: on the same
// volume, so that moving it onto the target is a rename.
std::string uniqueFileBeside(const std::string& target) {
  std::string folder = DirectoryPart(target);
  if (folder.empty()) folder = ".";
  char name[MAX_PATH];
  return GetTempFileNameA(folder.c_str(), "tx", 0, name) ? std::string(name) : std::string();
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
  const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
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

// A read-only file is never replaced, whatever rights the user has, and a
// folder of the target's name is never touched.
bool replaceable(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

bool moveOnto(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

// An old target moved aside while the new files take their places.
struct SetAside {
  std::string backup;  // empty: there was no old file
  DWORD attributes = 0;
  bool replaced = false;
};

// Puts back every old target set aside so far and drops the new files moved in.
void undo(const std::vector<SetAside>& aside, const std::vector<std::string>& targets) {
  for (size_t i = 0; i < aside.size(); ++i) {
    if (aside[i].replaced) DeleteFileA(targets[i].c_str());
    if (!aside[i].backup.empty()) moveOnto(aside[i].backup, targets[i]);
  }
}

}  // namespace

StagedFile::~StagedFile() { discard(); }

void StagedFile::discard() {
  if (!temporary_.empty()) DeleteFileA(temporary_.c_str());
  temporary_.clear();
}

StagedFile::Result StagedFile::write(const std::string& bytes) {
  discard();
  if (!replaceable(target_)) return Result::CannotCreate;
  temporary_ = uniqueFileBeside(target_);
  if (temporary_.empty()) return Result::CannotCreate;
  bool written;
  {
    const UniqueHandle file(
        CreateFileA(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
      discard();
      return Result::CannotCreate;
    }
    written = writeAll(file.get(), bytes);
  }
  if (written && readsBackAs(temporary_, bytes)) return Result::Written;
  discard();
  return Result::CannotWrite;
}

int ReplaceTogether(const std::vector<StagedFile*>& files) {
  std::vector<SetAside> aside;
  std::vector<std::string> targets;
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string& target = files[i]->target_;
    SetAside entry;
    entry.attributes = GetFileAttributesA(target.c_str());
    if (entry.attributes != INVALID_FILE_ATTRIBUTES) {
      entry.backup = replaceable(target) ? uniqueFileBeside(target) : std::string();
      if (entry.backup.empty() || !moveOnto(target, entry.backup)) {
        if (!entry.backup.empty()) DeleteFileA(entry.backup.c_str());
        undo(aside, targets);
        return static_cast<int>(i);
      }
    }
    aside.push_back(entry);
    targets.push_back(target);
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (!moveOnto(files[i]->temporary_, targets[i])) {
      undo(aside, targets);
      return static_cast<int>(i);
    }
    files[i]->temporary_.clear();
    aside[i].replaced = true;
    // The new file keeps the old one's hidden and system marks.
    const DWORD kept = aside[i].attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    if (aside[i].attributes != INVALID_FILE_ATTRIBUTES && kept) SetFileAttributesA(targets[i].c_str(), kept);
  }
  for (const SetAside& entry : aside)
    if (!entry.backup.empty()) DeleteFileA(entry.backup.c_str());
  return -1;
}

void WriteFileWhole(const std::string& path, const std::string& bytes) {
  StagedFile file(path);
  switch (file.write(bytes)) {
    case StagedFile::Result::CannotCreate: throwCannotCreateFile(path);
    case StagedFile::Result::CannotWrite: throwStreamWriteError(path);
    case StagedFile::Result::Written: break;
  }
  if (ReplaceTogether({&file}) >= 0) throwCannotCreateFile(path);
}

}  // namespace tastrix
