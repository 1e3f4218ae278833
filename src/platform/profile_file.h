#pragma once
#include <string>

#include "platform/file_probe.h"
#include "text/ini_text.h"
#include "text/path_text.h"
#include "text/profile_source.h"

namespace tastrix {

// An INI file read and written one entry at a time through the platform's
// profile functions; nothing stays open between calls.
class ProfileFile : public ProfileSource {
 public:
  explicit ProfileFile(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  std::string readString(const std::string& section, const std::string& key, const std::string& def) const override;

  // Raise "Unable to write to <path>" when the platform refuses.
  void writeString(const std::string& section, const std::string& key, const std::string& value) const;
  void writeInt(const std::string& section, const std::string& key, int value) const;
  void writeBool(const std::string& section, const std::string& key, bool value) const;

 private:
  std::string path_;
};

// The file's entries, read once and looked up in memory as the profile
// functions would find them, instead of one file read per entry. A path that
// is not fully qualified (which they look for in the Windows folder) and
// 16-bit text (which they convert) are left to them. Raises "Cannot open
// file <path>" for a file that exists but cannot be read.
template <typename Use>
void ReadProfileEntries(const std::string& path, Use use) {
  if (IsFullyQualifiedPath(path)) {
    std::string text = ReadWholeFile(path);
    if (!IsUtf16Text(text)) {
      const IniText entries(std::move(text));
      use(IniTextSource(entries));
      return;
    }
  }
  use(ProfileFile(path));
}

}  // namespace tastrix
