#pragma once
#include <string>
#include <utility>

#include "text/ini_text.h"

namespace tastrix {

// The longest value, in bytes of UTF-8, that the profile functions read.
constexpr size_t kLongestProfileValue = 2047;

// Entries of an INI file looked up one at a time, with values in UTF-8
// whatever the file's encoding.
class ProfileSource {
 public:
  virtual ~ProfileSource() = default;
  // At most kLongestProfileValue bytes of a value are read, whole characters.
  virtual std::string readString(const std::string& section, const std::string& key, const std::string& def) const = 0;
  int readInt(const std::string& section, const std::string& key, int def) const;
  bool readBool(const std::string& section, const std::string& key, bool def) const;
};

// Entries of an INI file written one at a time, with values in UTF-8.
class ProfileTarget {
 public:
  virtual ~ProfileTarget() = default;
  virtual void write(const std::string& section, const std::string& key, const std::string& value) = 0;
};

// A whole INI file in memory: its entries read and updated, then its bytes.
class ProfileFile : public ProfileSource, public ProfileTarget {
 public:
  virtual std::string bytes() const = 0;
};

// An INI text in UTF-8 without a byte order mark, read and updated as the
// profile functions would a file of it; its values stand in it as they are.
class IniTextEntries : public ProfileFile {
 public:
  explicit IniTextEntries(std::string text = std::string()) : text_(std::move(text)) {}
  std::string readString(const std::string& section, const std::string& key, const std::string& def) const override;
  void write(const std::string& section, const std::string& key, const std::string& value) override;
  std::string bytes() const override { return text_.text(); }

 private:
  IniText text_;
};

// The value cut to the longest one the profile functions read, between two characters.
std::string CutToProfileValue(const std::string& value);

}  // namespace tastrix
