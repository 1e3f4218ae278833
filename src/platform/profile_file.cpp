#include "platform/profile_file.h"

#include <windows.h>

#include "platform/errors.h"
#include "text/profile_value.h"

namespace tastrix {
namespace {

// The profile functions take paths of up to MAX_PATH characters; some
// implementations overrun on longer ones, so such a file counts as unreadable
// and unwritable.
bool fitsProfileFunctions(const std::string& path) {
  if (path.size() >= MAX_PATH) return false;
  char full[MAX_PATH];
  const DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return n > 0 && n < MAX_PATH;
}

}  // namespace

std::string ProfileFile::readString(const std::string& section, const std::string& key,
                                    const std::string& def) const {
  if (!fitsProfileFunctions(path_)) return def.substr(0, 2047);
  char buffer[2048];
  const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer,
                                           sizeof buffer, path_.c_str());
  return std::string(buffer, n);
}

void ProfileFile::writeString(const std::string& section, const std::string& key,
                              const std::string& value) const {
  if (!fitsProfileFunctions(path_) ||
      !WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()))
    throwUnableToWrite(path_);
}

void ProfileFile::writeInt(const std::string& section, const std::string& key, int value) const {
  writeString(section, key, FormatProfileInt(value));
}

void ProfileFile::writeBool(const std::string& section, const std::string& key, bool value) const {
  writeString(section, key, FormatProfileBool(value));
}

}  // namespace tastrix
