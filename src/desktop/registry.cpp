#include "desktop/registry.h"

#include <vector>

#include "platform/errors.h"
#include "platform/registry_key.h"

namespace tastrix {
namespace {

const char* const kCrLf = "\r\n";

// The key and value lines every registry error box shows.
std::string errorDetails(const std::string& key, const std::string& name) {
  return std::string(" Error Key   = ") + key + kCrLf + " Error Item  = " + name + kCrLf;
}

std::string keyMissingText(const std::string& key, const std::string& name) {
  return std::string("Error: The specified Registry Key for this operation ") + kCrLf + "does NOT exist on your PC.  " +
         kCrLf + kCrLf + errorDetails(key, name);
}

const char* const kContactAuthor = "Please contact the program's author.";

bool valueExists(HKEY key, const std::string& name) {
  return RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string readValue(HKEY key, const std::string& name) {
  DWORD type = 0;
  DWORD size = 0;
  LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
  if (status == ERROR_FILE_NOT_FOUND) return "";
  if (status != ERROR_SUCCESS) throw PlatformError("Failed to get data for '" + name + "'");
  if (size == 0) return "";
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw PlatformError("Invalid data type for '" + name + "'");
  std::vector<char> data(size);
  status = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  if (status != ERROR_SUCCESS) throw PlatformError("Failed to get data for '" + name + "'");
  data.resize(size);
  const std::string text(data.begin(), data.end());
  return text.substr(0, text.find('\0'));
}

}  // namespace

bool WriteRegistryString(IDialogs& dialogs, HKEY root, const std::string& key, const std::string& name,
                         const std::string& text) {
  const RegistryKey opened(root, key);
  if (!opened.valid()) {
    dialogs.message(MessageKind::Error,
                    keyMissingText(key, name) + " Error Value = " + text + kCrLf + kCrLf + kContactAuthor,
                    Buttons::Ok);
    return false;
  }
  const DWORD size = static_cast<DWORD>(text.size() + 1);  // with the terminator
  if (RegSetValueExA(opened.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), size) !=
      ERROR_SUCCESS)
    throw PlatformError("Failed to set data for '" + name + "'");
  if (readValue(opened.get(), name) != text) {
    dialogs.message(MessageKind::Error,
                    std::string("Error: The required settings could not be created ") + kCrLf +
                        "or saved in the Windows Registry.  " + kCrLf + kCrLf + errorDetails(key, name) +
                        " Error Value = " + text + kCrLf + kCrLf + kContactAuthor,
                    Buttons::Ok);
    return false;
  }
  return true;
}

std::string ReadRegistryString(HKEY root, const std::string& key, const std::string& name) {
  const RegistryKey opened(root, key);
  if (!opened.valid()) return "";
  return readValue(opened.get(), name);
}

bool DeleteRegistryValue(IDialogs& dialogs, HKEY root, const std::string& key, const std::string& name) {
  const RegistryKey opened(root, key);
  if (!opened.valid()) {
    dialogs.message(MessageKind::Error, keyMissingText(key, name) + kCrLf + kContactAuthor, Buttons::Ok);
    return false;
  }
  RegDeleteValueA(opened.get(), name.c_str());
  if (valueExists(opened.get(), name)) {
    dialogs.message(MessageKind::Error,
                    std::string("Error: The required Registry Key settings ") + kCrLf +
                        "could not be removed from the Windows Registry.  " + kCrLf + kCrLf + errorDetails(key, name) +
                        kCrLf + kContactAuthor,
                    Buttons::Ok);
    return false;
  }
  return true;
}

}  // namespace tastrix
