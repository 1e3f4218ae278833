#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// The bitmap as the bytes of a Windows BMP file in its own pixel format. The
// pixels-per-metre fields carry the dpi so that the picture prints at the size
// it shows on the screen.
std::string bitmapFileBytes(HBITMAP bitmap, int dpi);

// Writes the BMP file, replacing an existing one. Throws "Cannot create file"
// when the file cannot be created, "Stream write error" when it is cut short.
void writeBitmapFile(HBITMAP bitmap, const std::string& path, int dpi);

}  // namespace tastrix
