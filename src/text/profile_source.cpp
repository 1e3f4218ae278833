#include "text/profile_source.h"

#include "text/profile_value.h"
#include "text/utf8_text.h"

namespace tastrix {

int ProfileSource::readInt(const std::string& section, const std::string& key, int def) const {
  return ParseProfileInt(readString(section, key, ""), def);
}

bool ProfileSource::readBool(const std::string& section, const std::string& key, bool def) const {
  return ParseProfileBool(readString(section, key, ""), def);
}

std::string CutToProfileValue(const std::string& value) { return Utf8CutTo(value, kLongestProfileValue); }

std::string IniTextEntries::readString(const std::string& section, const std::string& key,
                                       const std::string& def) const {
  return CutToProfileValue(text_.value(section, key).value_or(def));
}

void IniTextEntries::write(const std::string& section, const std::string& key, const std::string& value) {
  text_.set(section, key, value);
}

}  // namespace tastrix
