#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32_handles.h"

namespace tastrix {

// Files are never rewritten where they lie. A new version is written beside
// its target under a name of the program's own (StagedName: "NAME.~new"),
// flushed and read back, and then takes the target's place by a rename, so
// the target's name holds the whole old or the whole new file at every
// instant. The new file keeps the old one's hidden and system marks; a
// read-only target or a folder of its name is never replaced. Renames that
// another program's open handle refuses for a moment are tried again for
// about half a second.
//
// The names the program gives its files on the way end in ".~" and a word
// ("~new", "~old", and the change's marker and lock): no one else gives a
// file such a name, so only files the program wrote are ever cleared away.
std::string StagedName(const std::string& target);
// Where a change keeps a target's old file while the new one takes its place.
std::string SetAsideName(const std::string& target);

class StagedFile {
 public:
  enum class Result { Written, CannotCreate, CannotWrite };

  explicit StagedFile(std::string target) : target_(std::move(target)) {}
  // Removes the staged file unless it took the target's place or a marker
  // has made it part of a change to be finished.
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // CannotCreate when the staged file cannot be made (or the target is
  // read-only, a folder or a device); CannotWrite when the bytes did not all
  // reach the disk (a full disk, a failing device). Nothing is left behind on
  // failure.
  Result write(const std::string& bytes);
  const std::string& target() const { return target_; }

 private:
  friend const StagedFile* ReplaceTogether(const std::vector<StagedFile*>& files, const std::string& marker);
  friend Result ReplaceWhole(const std::string& path, const std::string& bytes);
  void discard();

  std::string target_;
  bool staged_ = false;
};

// One program at a time changes a set of files: the one that holds their
// lock, a file of that name open to no one else, which goes when it is
// closed (also when the program is killed).
class ChangeLock {
 public:
  // Waits up to waitMs for another program to let it go.
  ChangeLock(const std::string& path, DWORD waitMs);
  // Another program still holds it.
  bool busy() const { return busy_; }
  // A folder stands at its name, or it names a device. Where no file can be
  // made at all, the change goes ahead unlocked and fails on its own files.
  bool blocked() const { return blocked_; }

 private:
  UniqueHandle file_;
  bool busy_ = false, blocked_ = false;
};

// Puts every written file in its target's place as one change that survives
// an interruption at any instant. First each old target is set aside
// (SetAsideName), which a program holding it open against its deletion
// refuses: then the ones set aside go back, and nothing has changed. Then
// the marker file is made (saying "finish me"), each staged file takes its
// target's now free name, the marker goes and the old files with it.
// Returns nullptr when the change is made, else the file that stopped it;
// the targets are then as they were. Only where the change can
// neither be completed nor taken back (other programs taking hold of the
// new files just then) does it stand with its marker, as made, for
// FinishInterruptedChange to complete the next time the files are opened.
const StagedFile* ReplaceTogether(const std::vector<StagedFile*>& files, const std::string& marker);

// A change that an interruption (a killed process, a power cut) left in
// between: with its marker there, every staged file still there takes its
// target's place, then the old files set aside and the marker go; without
// it, the staged files, which were never complete, go and the old files
// return. Files of the change's names are cleared whatever their marks.
// Gives the first one that could not be done (a file another program holds,
// or a folder of one of those names), which is still there.
std::optional<std::string> FinishInterruptedChange(const std::vector<std::string>& targets, const std::string& marker);

// What holds a target's content while an interrupted change waits to be
// finished: its staged file when the marker says the change was complete
// and that file has not taken its place yet; the old file set aside while
// the target's name is empty before the marker; otherwise the target itself.
std::string CurrentVersionOf(const std::string& target, const std::string& marker);

// Replaces one file whole, as above, without a marker: the one rename is the
// whole change. The error is that of StagedFile::write, or CannotCreate when
// the rename fails.
StagedFile::Result ReplaceWhole(const std::string& path, const std::string& bytes);

// ReplaceWhole raising "Cannot create file" or "Stream write error on" the
// path when it fails.
void WriteFileWhole(const std::string& path, const std::string& bytes);

}  // namespace tastrix
