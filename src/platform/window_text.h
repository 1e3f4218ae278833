#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// A window's text (its caption, or a control's content) in UTF-8, read and
// set whole: a window made by the 16-bit functions holds any character.
std::string WindowText(HWND window);
void SetWindowTextUtf8(HWND window, const std::string& text);

// Dots per inch of the screen: the system's setting, which the font dialog
// and a window just created go by.
int ScreenDpi();

// Dots per inch of the monitor the window is on, where Windows tells it per
// monitor (Windows 10 and later); elsewhere the screen's.
int WindowDpi(HWND window);

}  // namespace tastrix
