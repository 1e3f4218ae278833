#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// The bitmap as the bytes of a PNG file, through the Windows Imaging
// Component: 8-bit RGB without alpha, and the dpi in its pHYs chunk so that
// the picture prints at the size it was laid out for. The bitmap must not be
// selected into a device context. An encoder failure raises "PNG encoder
// error" with the step and its result code.
std::string pngFileBytes(HBITMAP bitmap, int dpi);

// Writes the PNG file whole or not at all, replacing an existing one, with
// the errors of the BMP writer.
void writePngFile(HBITMAP bitmap, const std::string& path, int dpi);

}  // namespace tastrix
