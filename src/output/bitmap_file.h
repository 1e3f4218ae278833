#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// The bitmap as the bytes of a Windows BMP file in its own pixel format. The
// pixels-per-metre fields carry the dpi so that the picture prints at the size
// it shows on the screen. A bitmap GDI cannot read raises "Out of system
// resources".
std::string bitmapFileBytes(HBITMAP bitmap, int dpi);

// Writes the BMP file whole or not at all, replacing an existing one. Throws
// "Cannot create file" when the file cannot be created or replaced, "Stream
// write error on" the file when the bytes do not all reach the disk.
void writeBitmapFile(HBITMAP bitmap, const std::string& path, int dpi);

}  // namespace tastrix
