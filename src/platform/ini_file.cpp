#include "platform/ini_file.h"

#include "platform/file_probe.h"

namespace tastrix {

IniFile::IniFile(const std::string& bytes)
    : file_(DecodeFileText(bytes)),
      entries_(std::move(file_.text), file_.unicode() ? LeadBytes() : CodePageLeadBytes()) {}

IniFile IniFile::Read(const std::string& path) { return IniFile(ReadWholeFile(path)); }

std::string IniFile::readString(const std::string& section, const std::string& key, const std::string& def) const {
  const std::optional<std::string> value = readAsStored(section, key);
  return CutToProfileValue(value ? file_.toCodePage(*value) : def);
}

void IniFile::write(const std::string& section, const std::string& key, const std::string& value) {
  writeAsStored(section, key, file_.fromCodePage(value));
}

std::optional<std::string> IniFile::readAsStored(const std::string& section, const std::string& key) const {
  return entries_.value(section, key);
}

void IniFile::writeAsStored(const std::string& section, const std::string& key, const std::string& value) {
  entries_.set(section, key, value);
}

void IniFile::remove(const std::string& section, const std::string& key) { entries_.remove(section, key); }

std::string IniFile::bytes() const {
  FileText out;
  out.encoding = file_.encoding;
  out.text = entries_.text();
  return out.bytes();
}

}  // namespace tastrix
