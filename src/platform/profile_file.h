#pragma once
#include <string>

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

}  // namespace tastrix
