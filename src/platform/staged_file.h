#pragma once
#include <string>
#include <vector>

namespace tastrix {

// A new version of a file, written to a temporary file beside it and read
// back before it may take the file's place, so that the file on disk is
// always either the old one or the whole new one. The temporary file is
// removed unless it took the file's place.
class StagedFile {
 public:
  enum class Result { Written, CannotCreate, CannotWrite };

  explicit StagedFile(std::string target) : target_(std::move(target)) {}
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // CannotCreate when no temporary file can be made or the target is
  // read-only; CannotWrite when the bytes did not all reach the disk (a full
  // disk, a failing device). Nothing is left behind on failure.
  Result write(const std::string& bytes);

  const std::string& target() const { return target_; }

 private:
  friend int ReplaceTogether(const std::vector<StagedFile*>& files);
  void discard();

  std::string target_;
  std::string temporary_;
};

// Puts every written file in place of its target, or none of them: the old
// targets are moved aside first, so a target that another program holds
// stops the replacement before anything changed. Returns the index of the
// file that could not take its place, -1 when all did.
int ReplaceTogether(const std::vector<StagedFile*>& files);

// Replaces one target; "Cannot create file" or "Stream write error on"
// the target when that fails.
void WriteFileWhole(const std::string& path, const std::string& bytes);

}  // namespace tastrix
