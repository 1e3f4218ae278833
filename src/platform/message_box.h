#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// The system message box, its text and caption in UTF-8. A box with Yes and No but no Cancel button also
// answers No (IDNO) to Escape, to its close box and to Alt+F4: Windows
// ignores all three in such a box (its close box is disabled), though the
// program's questions promise that they leave everything as it was.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

}  // namespace tastrix
