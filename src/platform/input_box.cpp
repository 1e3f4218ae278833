#include "platform/win32_dialogs.h"

namespace tastrix {

bool Win32Dialogs::inputBox(const std::string&, const std::string&, std::string&) { return false; }

}  // namespace tastrix
