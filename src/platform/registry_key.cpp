#include "platform/registry_key.h"

#include <algorithm>
#include <vector>

#include "platform/wide_text.h"

namespace tastrix {
namespace {

// RegOpenKeyEx takes every path from the root, with or without the backslash.
std::wstring relativePath(const std::string& path) {
  return WideFromUtf8(!path.empty() && path.front() == '\\' ? path.substr(1) : path);
}

struct Refused {
  HKEY root;
  std::wstring path;
};

std::vector<Refused>& refusals() {
  static std::vector<Refused> keys;
  return keys;
}

bool writeRefused(HKEY root, const std::string& path) {
  const std::wstring relative = relativePath(path);
  return std::any_of(refusals().begin(), refusals().end(), [&](const Refused& r) {
    return r.root == root && CompareStringOrdinal(r.path.c_str(), -1, relative.c_str(), -1, TRUE) == CSTR_EQUAL;
  });
}

}  // namespace

RegistryKey::RegistryKey(HKEY root, const std::string& path, RegistryAccess access) {
  if (access == RegistryAccess::Write && writeRefused(root, path)) {
    status_ = ERROR_ACCESS_DENIED;
    return;
  }
  // Only the rights needed: a standard user reads machine-wide keys but may
  // not ask for more.
  const REGSAM rights = access == RegistryAccess::Read ? KEY_READ : KEY_READ | KEY_SET_VALUE;
  HKEY opened = nullptr;
  status_ = RegOpenKeyExW(root, relativePath(path).c_str(), 0, rights, &opened);
  if (status_ == ERROR_SUCCESS) key_.reset(opened);
}

RegistryKey RegistryKey::created(HKEY root, const std::string& path) {
  RegistryKey key;
  if (writeRefused(root, path)) {
    key.status_ = ERROR_ACCESS_DENIED;
    return key;
  }
  HKEY opened = nullptr;
  key.status_ = RegCreateKeyExW(root, relativePath(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_READ | KEY_SET_VALUE, nullptr, &opened, nullptr);
  if (key.status_ == ERROR_SUCCESS) key.key_.reset(opened);
  return key;
}

RegistryWriteRefusal::RegistryWriteRefusal(HKEY root, const std::string& path) {
  refusals().push_back(Refused{root, relativePath(path)});
}

RegistryWriteRefusal::~RegistryWriteRefusal() { refusals().pop_back(); }

}  // namespace tastrix
