#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// An open registry key, closed with RegCloseKey.
class RegistryKey {
 public:
  // Opens an existing key with full access; invalid when that fails.
  RegistryKey(HKEY root, const std::string& path);
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  bool valid() const { return key_ != nullptr; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace tastrix
