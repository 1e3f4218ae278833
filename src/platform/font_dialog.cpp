#include "platform/win32_dialogs.h"

namespace tastrix {

bool Win32Dialogs::chooseFont(FontSpec&, int) { return false; }

}  // namespace tastrix
