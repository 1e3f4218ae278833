#pragma once
#include "platform/core/app_window.h"
#include "platform/win32_handles.h"

namespace tastrix {

// The keyboard picture, copied from the window's own pixels: the window is
// narrowed and scrolled so that every part of the keyboard passes through
// its client area, then put back as it was. A GDI failure raises "Out of
// system resources".
Bitmap CaptureKeyboardPicture(IAppWindow& window);

}  // namespace tastrix
