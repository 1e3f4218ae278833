#pragma once
#include <windows.h>

#include <string>

#include "platform/win32_handles.h"

namespace tastrix {

// What a key is opened for: reading its values, or also changing them.
enum class RegistryAccess { Read, Write };

// An open registry key, closed with RegCloseKey, or why it could not be
// opened. A path may start with "\", meaning from the root key.
class RegistryKey {
 public:
  // Opens an existing key; invalid when that fails, and status() says why
  // (ERROR_FILE_NOT_FOUND for a missing key, ERROR_ACCESS_DENIED for rights
  // the user lacks).
  RegistryKey(HKEY root, const std::string& path, RegistryAccess access);
  // Opens the key for writing, creating it and the keys above it when missing.
  static RegistryKey created(HKEY root, const std::string& path);

  bool valid() const { return key_.valid(); }
  HKEY get() const { return key_.get(); }
  LONG status() const { return status_; }

 private:
  struct Traits : NullIsEmpty {
    static void release(HKEY key) { RegCloseKey(key); }
  };
  RegistryKey() = default;

  UniqueResource<HKEY, Traits> key_;
  LONG status_ = ERROR_SUCCESS;
};

}  // namespace tastrix
