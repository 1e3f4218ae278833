#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// A window's text (its caption, or a control's content) in UTF-8, read and
// set whole: a window made by the 16-bit functions holds any character.
std::string WindowText(HWND window);
void SetWindowTextUtf8(HWND window, const std::string& text);

// Dots per inch of the screen, as everything the program lays out is scaled.
int ScreenDpi();

}  // namespace tastrix
