#include "platform/profile_file.h"

#include <windows.h>

#include "mapfile/format/profile_value.h"
#include "platform/errors.h"

namespace tastrix {

std::string ProfileFile::readString(const std::string& section, const std::string& key,
                                    const std::string& def) const {
  char buffer[2048];
  const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer,
                                           sizeof buffer, path_.c_str());
  return std::string(buffer, n);
}

int ProfileFile::readInt(const std::string& section, const std::string& key, int def) const {
  return ParseProfileInt(readString(section, key, ""), def);
}

bool ProfileFile::readBool(const std::string& section, const std::string& key, bool def) const {
  return ParseProfileBool(readString(section, key, ""), def);
}

void ProfileFile::writeString(const std::string& section, const std::string& key,
                              const std::string& value) const {
  if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()))
    throwUnableToWrite(path_);
}

void ProfileFile::writeInt(const std::string& section, const std::string& key, int value) const {
  writeString(section, key, FormatProfileInt(value));
}

void ProfileFile::writeBool(const std::string& section, const std::string& key, bool value) const {
  writeString(section, key, FormatProfileBool(value));
}

}  // namespace tastrix
