#include "output/bitmap_file.h"

#include <cmath>
#include <cstring>

#include "platform/core/errors.h"
#include "platform/staged_file.h"
#include "platform/win32_handles.h"

namespace tastrix {
namespace {

// A header with room for the largest colour table (8 bits per pixel).
struct BitmapInfoWithColours {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

int colourTableSize(int bitsPerPixel) { return bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0; }

LONG pixelsPerMetre(int dpi) { return static_cast<LONG>(std::lround(dpi / 0.0254)); }

}  // namespace

PackedDib::PackedDib(HBITMAP bitmap, int dpi) : bitmap_(bitmap), dpi_(dpi) {
  BITMAP shape{};
  if (!GetObjectA(bitmap, sizeof shape, &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0) throwGdiError();
  width_ = shape.bmWidth;
  height_ = shape.bmHeight;
  bits_ = shape.bmBitsPixel * shape.bmPlanes;
  headerBytes_ = sizeof(BITMAPINFOHEADER) + static_cast<size_t>(colourTableSize(bits_)) * sizeof(RGBQUAD);
  // Rows are padded to whole 32-bit words.
  const size_t stride = ((static_cast<size_t>(width_) * static_cast<size_t>(bits_) + 31) / 32) * 4;
  imageBytes_ = stride * static_cast<size_t>(height_);
}

void PackedDib::writeTo(char* into) const {
  BitmapInfoWithColours info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width_;
  info.header.biHeight = height_;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bits_);
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = static_cast<DWORD>(colourTableSize(bits_));
  char* const pixels = into + headerBytes_;
  {
    WindowDC screen(nullptr);
    if (GetDIBits(screen.get(), bitmap_, 0, static_cast<UINT>(height_), pixels, reinterpret_cast<BITMAPINFO*>(&info),
                  DIB_RGB_COLORS) != height_)
      throwGdiError();
  }
  // The fourth byte of a 32-bit pixel is reserved and must be zero; left as the
  // display keeps it, readers that honour alpha would show the picture transparent.
  if (bits_ == 32)
    for (size_t reserved = 3; reserved < imageBytes_; reserved += 4) pixels[reserved] = 0;
  // GetDIBits may rewrite header fields; the picture keeps these.
  info.header.biSizeImage = static_cast<DWORD>(imageBytes_);
  info.header.biXPelsPerMeter = pixelsPerMetre(dpi_);
  info.header.biYPelsPerMeter = pixelsPerMetre(dpi_);
  std::memcpy(into, &info, headerBytes_);
}

std::string bitmapFileBytes(HBITMAP bitmap, int dpi) {
  const PackedDib dib(bitmap, dpi);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfSize = static_cast<DWORD>(sizeof file + dib.size());
  file.bfOffBits = static_cast<DWORD>(sizeof file + dib.pixelsOffset());
  std::string bytes(sizeof file + dib.size(), '\0');
  std::memcpy(&bytes[0], &file, sizeof file);
  dib.writeTo(&bytes[sizeof file]);
  return bytes;
}

void writeBitmapFile(HBITMAP bitmap, const std::string& path, int dpi) {
  WriteFileWhole(path, bitmapFileBytes(bitmap, dpi));
}

}  // namespace tastrix
