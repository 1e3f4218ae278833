#include "text/profile_source.h"

#include "text/profile_value.h"

namespace tastrix {

constexpr size_t kLongestProfileValue = 2047;

int ProfileSource::readInt(const std::string& section, const std::string& key, int def) const {
  return ParseProfileInt(readString(section, key, ""), def);
}

bool ProfileSource::readBool(const std::string& section, const std::string& key, bool def) const {
  return ParseProfileBool(readString(section, key, ""), def);
}

std::string IniTextSource::readString(const std::string& section, const std::string& key,
                                      const std::string& def) const {
  return text_.value(section, key).value_or(def).substr(0, kLongestProfileValue);
}

}  // namespace tastrix
