#pragma once
#include <string>
#include <vector>

namespace tastrix {

// Files are never rewritten where they lie. A new version is written beside
// its target under a fixed name (StagedName: "NAME.new"), flushed and read
// back, and then takes the target's place in one step (a rename that replaces
// it), so the target's name holds the whole old or the whole new file at
// every instant. The new file keeps the old one's hidden and system marks; a
// read-only target or a folder of its name is never replaced. Renames that
// another program's open handle refuses for a moment are tried again for
// about half a second.
std::string StagedName(const std::string& target);

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
  friend int ReplaceTogether(const std::vector<StagedFile*>& files, const std::string& marker);
  friend Result ReplaceWhole(const std::string& path, const std::string& bytes);
  void discard();

  std::string target_;
  bool staged_ = false;
};

// Puts every written file in its target's place as one change that survives
// an interruption at any instant: once all are written and no other program
// holds a target, the marker file is made (saying "finish me"), then each
// takes its target's place, then the marker goes. Returns -1 when all did,
// else the index of the one that could not. Until the first one has taken
// its place nothing has changed, and the change is dropped; after that (a
// target another program took hold of just then), what is left is finished
// by FinishInterruptedChange the next time the files are opened.
int ReplaceTogether(const std::vector<StagedFile*>& files, const std::string& marker);

// A change that an interruption (a killed process, a power cut) left in
// between: with its marker there, every staged file still there takes its
// target's place and the marker goes; without it, the staged files, which
// were never complete, go. False when something of it could not be done and
// is still there.
bool FinishInterruptedChange(const std::vector<std::string>& targets, const std::string& marker);

// What holds a target's content while an interrupted change waits to be
// finished: its staged file when the marker says the change was complete
// and that file has not taken its place yet, otherwise the target itself.
std::string CurrentVersionOf(const std::string& target, const std::string& marker);

// Replaces one file whole, as above, without a marker: the one rename is the
// whole change. The error is that of StagedFile::write, or CannotCreate when
// the rename fails.
StagedFile::Result ReplaceWhole(const std::string& path, const std::string& bytes);

// ReplaceWhole raising "Cannot create file" or "Stream write error on" the
// path when it fails.
void WriteFileWhole(const std::string& path, const std::string& bytes);

}  // namespace tastrix
