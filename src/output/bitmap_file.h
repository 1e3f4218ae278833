#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

namespace tastrix {

// A bitmap as a packed DIB in its own pixel format: the header, the colour
// table and the pixels, as a BMP file holds them after its file header and the
// clipboard's CF_DIB holds them. The pixels-per-metre fields carry the dpi so
// that the picture prints at the size it shows on the screen. A bitmap GDI
// cannot read raises "Out of system resources".
class PackedDib {
 public:
  PackedDib(HBITMAP bitmap, int dpi);
  size_t size() const { return headerBytes_ + imageBytes_; }
  size_t pixelsOffset() const { return headerBytes_; }
  // Writes the DIB, size() bytes, straight into its place: a picture drawn
  // for print can fill much of a 32-bit program's memory.
  void writeTo(char* into) const;

 private:
  HBITMAP bitmap_;
  int dpi_;
  int width_, height_, bits_;
  size_t headerBytes_, imageBytes_;
};

// The bitmap as the bytes of a Windows BMP file.
std::string bitmapFileBytes(HBITMAP bitmap, int dpi);

// Writes the BMP file whole or not at all, replacing an existing one. Throws
// "Cannot create file" when the file cannot be created or replaced, "Stream
// write error on" the file when the bytes do not all reach the disk.
void writeBitmapFile(HBITMAP bitmap, const std::string& path, int dpi);

}  // namespace tastrix
