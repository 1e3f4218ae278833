#include "platform/win32_dialogs.h"

namespace tastrix {

bool Win32Dialogs::chooseColour(Colour&) { return false; }

}  // namespace tastrix
