#include "desktop/registry.h"

#include <vector>

#include "platform/core/errors.h"
#include "platform/registry_key.h"
#include "platform/wide_text.h"

namespace tastrix {
namespace {

const char* const kCrLf = "\r\n";

// The key and value lines every registry error box shows.
std::string errorDetails(const std::string& key, const std::string& name) {
  return std::string(" Error Key   = ") + key + kCrLf + " Error Item  = " + name + kCrLf;
}

const char* const kContactAuthor = "Please contact the program's author.";

// The box for a key that could not be opened for a change: missing, or
// closed to this user. A missing key's box names the value's text where there is one.
void showKeyUnavailable(IDialogs& dialogs, LONG status, const std::string& key, const std::string& name,
                        const std::string& valueLine) {
  if (status == ERROR_ACCESS_DENIED) {
    dialogs.message(MessageKind::Error,
                    std::string("Error: The Windows Registry Key for this operation ") + kCrLf +
                        "can only be changed by an administrator.  " + kCrLf + kCrLf + errorDetails(key, name) +
                        kCrLf + "Please run the program as an administrator to change it.",
                    Buttons::Ok);
    return;
  }
  dialogs.message(MessageKind::Error,
                  std::string("Error: The specified Registry Key for this operation ") + kCrLf +
                      "does NOT exist on your PC.  " + kCrLf + kCrLf + errorDetails(key, name) + valueLine + kCrLf +
                      kContactAuthor,
                  Buttons::Ok);
}

bool valueExists(HKEY key, const std::wstring& name) {
  return RegQueryValueExW(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string readValue(HKEY key, const std::string& name) {
  const std::wstring wideName = WideFromUtf8(name);
  DWORD type = 0;
  DWORD size = 0;
  LONG status = RegQueryValueExW(key, wideName.c_str(), nullptr, &type, nullptr, &size);
  if (status == ERROR_FILE_NOT_FOUND) return "";
  if (status != ERROR_SUCCESS) throw PlatformError("Failed to get data for '" + name + "'", static_cast<DWORD>(status));
  if (size == 0) return "";
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw PlatformError("Invalid data type for '" + name + "'");
  // Room for a terminator the stored bytes may lack, and for an odd byte.
  std::vector<wchar_t> data(size / sizeof(wchar_t) + 2, L'\0');
  status = RegQueryValueExW(key, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  if (status != ERROR_SUCCESS) throw PlatformError("Failed to get data for '" + name + "'", static_cast<DWORD>(status));
  return Utf8FromWide(std::wstring(data.data()));
}

}  // namespace

bool WriteRegistryString(IDialogs& dialogs, HKEY root, const std::string& key, const std::string& name,
                         const std::string& text, MissingKey missing) {
  const RegistryKey opened = missing == MissingKey::Create ? RegistryKey::created(root, key)
                                                           : RegistryKey(root, key, RegistryAccess::Write);
  if (!opened.valid()) {
    showKeyUnavailable(dialogs, opened.status(), key, name, " Error Value = " + text + kCrLf);
    return false;
  }
  const std::wstring data = WideFromUtf8(text);
  const DWORD size = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));  // with the terminator
  const LONG status = RegSetValueExW(opened.get(), WideFromUtf8(name).c_str(), 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(data.c_str()), size);
  if (status != ERROR_SUCCESS) throw PlatformError("Failed to set data for '" + name + "'", static_cast<DWORD>(status));
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
  const RegistryKey opened(root, key, RegistryAccess::Read);
  if (!opened.valid()) return "";
  return readValue(opened.get(), name);
}

bool DeleteRegistryValue(IDialogs& dialogs, HKEY root, const std::string& key, const std::string& name) {
  const RegistryKey opened(root, key, RegistryAccess::Write);
  if (!opened.valid()) {
    showKeyUnavailable(dialogs, opened.status(), key, name, "");
    return false;
  }
  const std::wstring wideName = WideFromUtf8(name);
  RegDeleteValueW(opened.get(), wideName.c_str());
  if (valueExists(opened.get(), wideName)) {
    dialogs.message(MessageKind::Error,
                    std::string("Error: The required Registry Key settings ") + kCrLf +
                        "could not be removed from the Windows Registry.  " + kCrLf + kCrLf + errorDetails(key, name) +
                        kCrLf + kContactAuthor,
                    Buttons::Ok);
    return false;
  }
  return true;
}

bool RegistryValueExists(HKEY root, const std::string& key, const std::string& name) {
  const RegistryKey opened(root, key, RegistryAccess::Read);
  return opened.valid() && valueExists(opened.get(), WideFromUtf8(name));
}

bool RegistryKeyWritable(HKEY root, const std::string& key) {
  return RegistryKey(root, key, RegistryAccess::Write).valid();
}

}  // namespace tastrix
