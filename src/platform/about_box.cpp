#include "platform/win32_dialogs.h"

namespace tastrix {

void Win32Dialogs::about() {
  MessageBoxA(owner_, "Tastrix - v1.0f", "About", MB_OK);
}

}  // namespace tastrix
