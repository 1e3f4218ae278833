#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// A window's text (its caption, or a control's content) in the system code page.
std::string WindowText(HWND window);

// Dots per inch of the screen, as everything the program lays out is scaled.
int ScreenDpi();

}  // namespace tastrix
