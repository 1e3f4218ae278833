#include "platform/registry_key.h"

namespace tastrix {

RegistryKey::RegistryKey(HKEY root, const std::string& path) {
  // A leading backslash names the path from the root, which is how
  // RegOpenKeyEx takes every path anyway.
  const std::string relative = !path.empty() && path.front() == '\\' ? path.substr(1) : path;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, relative.c_str(), 0, KEY_ALL_ACCESS, &opened) == ERROR_SUCCESS) key_ = opened;
}

RegistryKey::~RegistryKey() {
  if (key_) RegCloseKey(key_);
}

}  // namespace tastrix
