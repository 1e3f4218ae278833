#pragma once
#include <windows.h>

#include <string>

#include "platform/dialogs.h"

namespace tastrix {

// String values of existing registry keys. A key path may start with "\",
// meaning from the root key. Keys are opened with full access and never
// created; a key that cannot be opened so counts as missing.

// True when the value was written and reads back equal; otherwise an error
// box has been shown. Throws PlatformError when the platform refuses the value.
bool WriteRegistryString(IDialogs& dialogs, HKEY root, const std::string& key, const std::string& name,
                         const std::string& text);

// The value's text up to its first zero; empty when the key or the value is
// missing. Throws PlatformError for a value that is not a string or cannot be read.
std::string ReadRegistryString(HKEY root, const std::string& key, const std::string& name);

// True when the value is gone afterwards (also when it never existed);
// otherwise an error box has been shown.
bool DeleteRegistryValue(IDialogs& dialogs, HKEY root, const std::string& key, const std::string& name);

}  // namespace tastrix
