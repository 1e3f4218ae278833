#pragma once
#include <windows.h>

#include <string>

#include "platform/core/dialogs.h"

namespace tastrix {

// String values of registry keys. A key path may start with "\", meaning
// from the root key. Names and texts are UTF-8, stored through the platform's
// 16-bit text so that any path is kept exactly. Keys are opened with the
// rights the operation needs and are never created unless asked to.

enum class MissingKey { Report, Create };

// True when the value was written and reads back equal; otherwise an error
// box has been shown: the key is missing, only an administrator may change
// it, or the value did not read back. Throws PlatformError when the platform
// refuses the value.
bool WriteRegistryString(IDialogs& dialogs, HKEY root, const std::string& key, const std::string& name,
                         const std::string& text, MissingKey missing = MissingKey::Report);

// The value's text up to its first zero; empty when the key or the value is
// missing. Throws PlatformError for a value that is not a string or cannot be read.
std::string ReadRegistryString(HKEY root, const std::string& key, const std::string& name);

// True when the value is gone afterwards (also when it never existed);
// otherwise an error box has been shown.
bool DeleteRegistryValue(IDialogs& dialogs, HKEY root, const std::string& key, const std::string& name);

// Whether the key holds a value of that name, of any type.
bool RegistryValueExists(HKEY root, const std::string& key, const std::string& name);

// Whether the key exists and this user may change its values.
bool RegistryKeyWritable(HKEY root, const std::string& key);

}  // namespace tastrix
