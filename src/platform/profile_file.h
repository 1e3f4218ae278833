#pragma once
#include <string>

namespace tastrix {

// An INI file read and written one entry at a time through the platform's
// profile functions; nothing stays open between calls.
class ProfileFile {
 public:
  explicit ProfileFile(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  // At most 2047 characters of a value are read.
  std::string readString(const std::string& section, const std::string& key, const std::string& def) const;
  int readInt(const std::string& section, const std::string& key, int def) const;
  bool readBool(const std::string& section, const std::string& key, bool def) const;

  // Raise "Unable to write to <path>" when the platform refuses.
  void writeString(const std::string& section, const std::string& key, const std::string& value) const;
  void writeInt(const std::string& section, const std::string& key, int value) const;
  void writeBool(const std::string& section, const std::string& key, bool value) const;

 private:
  std::string path_;
};

}  // namespace tastrix
