#pragma once
#include <string>

#include "text/ini_text.h"

namespace tastrix {

// Entries of an INI file looked up one at a time: a file through the
// platform's profile functions, or a text held in memory.
class ProfileSource {
 public:
  virtual ~ProfileSource() = default;
  // At most 2047 characters of a value are read.
  virtual std::string readString(const std::string& section, const std::string& key, const std::string& def) const = 0;
  int readInt(const std::string& section, const std::string& key, int def) const;
  bool readBool(const std::string& section, const std::string& key, bool def) const;
};

// An INI text in memory, read as the profile functions read a file.
class IniTextSource : public ProfileSource {
 public:
  explicit IniTextSource(const IniText& text) : text_(text) {}
  std::string readString(const std::string& section, const std::string& key, const std::string& def) const override;

 private:
  const IniText& text_;
};

}  // namespace tastrix
