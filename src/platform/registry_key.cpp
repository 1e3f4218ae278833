#include "platform/registry_key.h"

#include "platform/wide_text.h"

namespace tastrix {
namespace {

// RegOpenKeyEx takes every path from the root, with or without the backslash.
std::wstring relativePath(const std::string& path) {
  return WideFromUtf8(!path.empty() && path.front() == '\\' ? path.substr(1) : path);
}

}  // namespace

RegistryKey::RegistryKey(HKEY root, const std::string& path, RegistryAccess access) {
  // Only the rights needed: a standard user reads machine-wide keys but may
  // not ask for more.
  const REGSAM rights = access == RegistryAccess::Read ? KEY_READ : KEY_READ | KEY_SET_VALUE;
  HKEY opened = nullptr;
  status_ = RegOpenKeyExW(root, relativePath(path).c_str(), 0, rights, &opened);
  if (status_ == ERROR_SUCCESS) key_.reset(opened);
}

RegistryKey RegistryKey::created(HKEY root, const std::string& path) {
  RegistryKey key;
  HKEY opened = nullptr;
  key.status_ = RegCreateKeyExW(root, relativePath(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_READ | KEY_SET_VALUE, nullptr, &opened, nullptr);
  if (key.status_ == ERROR_SUCCESS) key.key_.reset(opened);
  return key;
}

}  // namespace tastrix
