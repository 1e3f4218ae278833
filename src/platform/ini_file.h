#pragma once
#include <optional>
#include <string>

#include "text/ini_text.h"
#include "text/profile_source.h"
#include "text/text_encoding.h"

namespace tastrix {

// An INI file (the settings file, a keyboard map file) read whole and
// written back whole in the encoding it was found in. Its entries are looked
// up and updated as the profile functions do it. Values are UTF-8 on the
// program's side; a file in the code page holds them in it, with "?" for a
// character it lacks, and keeps every line that is not updated byte for byte.
class IniFile : public ProfileFile {
 public:
  explicit IniFile(const std::string& bytes = std::string());
  // A missing file reads as an empty one. Raises "Cannot open file <path>"
  // for a file that exists but cannot be read.
  static IniFile Read(const std::string& path);

  std::string readString(const std::string& section, const std::string& key, const std::string& def) const override;
  void write(const std::string& section, const std::string& key, const std::string& value) override;

  // An entry whose value is UTF-8 in a file of any encoding: in a file in
  // the code page, the bytes stored there stand as they are.
  std::optional<std::string> readUtf8Entry(const std::string& section, const std::string& key) const;
  void writeUtf8Entry(const std::string& section, const std::string& key, const std::string& value);
  void remove(const std::string& section, const std::string& key);

  // Whether the file is Unicode text, which spells every name.
  bool unicode() const { return encoding_ != TextEncoding::CodePage; }
  std::string bytes() const override;

 private:
  TextEncoding encoding_;
  IniText entries_;  // the text in UTF-8; a file in the code page, its very bytes
};

}  // namespace tastrix
