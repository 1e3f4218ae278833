#pragma once
#include <optional>
#include <string>

#include "platform/file_text.h"
#include "text/ini_text.h"
#include "text/profile_source.h"

namespace tastrix {

// An INI file (the settings file, a keyboard map file) read whole and
// written back whole in the encoding it was found in. Its entries are looked
// up and updated as the profile functions do it, with values in the system
// code page; a file in UTF-8 or UTF-16 converts them.
class IniFile : public ProfileFile {
 public:
  explicit IniFile(const std::string& bytes = std::string());
  // A missing file reads as an empty one. Raises "Cannot open file <path>"
  // for a file that exists but cannot be read.
  static IniFile Read(const std::string& path);

  std::string readString(const std::string& section, const std::string& key, const std::string& def) const override;
  void write(const std::string& section, const std::string& key, const std::string& value) override;

  // A value as the file's text holds it, and written so: in the code page in
  // a file without a byte order mark, in UTF-8 in the others.
  std::optional<std::string> readAsStored(const std::string& section, const std::string& key) const;
  void writeAsStored(const std::string& section, const std::string& key, const std::string& value);
  void remove(const std::string& section, const std::string& key);

  // Whether the file is Unicode text, which spells every name.
  bool unicode() const { return file_.unicode(); }
  std::string bytes() const override;

 private:
  FileText file_;  // its encoding; the text itself lives in entries_
  IniText entries_;
};

}  // namespace tastrix
