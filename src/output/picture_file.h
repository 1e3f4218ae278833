#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// Writes the picture as a PNG file when the name ends in ".png" (in any
// case), as a Windows bitmap file otherwise; whole or not at all, with the
// dpi recorded.
void writePictureFile(HBITMAP bitmap, const std::string& path, int dpi);

}  // namespace tastrix
