#include "platform/ini_file.h"

#include "platform/file_probe.h"
#include "platform/file_text.h"
#include "platform/wide_text.h"

namespace tastrix {
namespace {

IniText entriesOf(const std::string& bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::CodePage) return IniText(bytes, CodePageLeadBytes());
  return IniText(Utf8OfFileBytes(bytes));
}

}  // namespace

IniFile::IniFile(const std::string& bytes) : encoding_(EncodingOf(bytes)), entries_(entriesOf(bytes, encoding_)) {}

IniFile IniFile::Read(const std::string& path) { return IniFile(ReadWholeFile(path)); }

std::string IniFile::readString(const std::string& section, const std::string& key, const std::string& def) const {
  const std::optional<std::string> stored = entries_.value(section, key);
  if (!stored) return CutToProfileValue(def);
  return CutToProfileValue(unicode() ? *stored : Utf8FromCodePage(CodePageText(*stored)));
}

void IniFile::write(const std::string& section, const std::string& key, const std::string& value) {
  entries_.set(section, key, unicode() ? value : CodePageNameOf(value).bytes());
}

std::optional<std::string> IniFile::readUtf8Entry(const std::string& section, const std::string& key) const {
  return entries_.value(section, key);
}

void IniFile::writeUtf8Entry(const std::string& section, const std::string& key, const std::string& value) {
  entries_.set(section, key, value);
}

void IniFile::remove(const std::string& section, const std::string& key) { entries_.remove(section, key); }

std::string IniFile::bytes() const { return unicode() ? MarkedBytes(entries_.text(), encoding_) : entries_.text(); }

}  // namespace tastrix
