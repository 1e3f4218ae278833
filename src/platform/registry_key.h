#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// What a key is opened for: reading its values, or also changing them.
enum class RegistryAccess { Read, Write };

// An open registry key, closed with RegCloseKey. A path may start with "\",
// meaning from the root key.
class RegistryKey {
 public:
  // Opens an existing key; invalid when that fails, and status() says why
  // (ERROR_FILE_NOT_FOUND for a missing key, ERROR_ACCESS_DENIED for rights
  // the user lacks).
  RegistryKey(HKEY root, const std::string& path, RegistryAccess access);
  // Opens the key for writing, creating it and the keys above it when missing.
  static RegistryKey created(HKEY root, const std::string& path);
  ~RegistryKey();
  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  RegistryKey& operator=(RegistryKey&&) = delete;

  bool valid() const { return key_ != nullptr; }
  HKEY get() const { return key_; }
  LONG status() const { return status_; }

 private:
  RegistryKey() = default;

  HKEY key_ = nullptr;
  LONG status_ = ERROR_SUCCESS;
};

// Windows refuses a standard user write access to machine-wide keys; Wine
// refuses nothing. While a refusal lives, opening that key for writing (or
// creating it) answers ERROR_ACCESS_DENIED, as Windows would; reading still works.
class RegistryWriteRefusal {
 public:
  RegistryWriteRefusal(HKEY root, const std::string& path);
  ~RegistryWriteRefusal();
  RegistryWriteRefusal(const RegistryWriteRefusal&) = delete;
  RegistryWriteRefusal& operator=(const RegistryWriteRefusal&) = delete;
};

}  // namespace tastrix
