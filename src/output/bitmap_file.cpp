#include "output/bitmap_file.h"

#include <cmath>

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

template <typename T>
void append(std::string& bytes, const T& value) {
  bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

std::string bitmapFileBytes(HBITMAP bitmap, int dpi) {
  BITMAP shape{};
  if (!GetObjectA(bitmap, sizeof shape, &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0) throwGdiError();
  const int bits = shape.bmBitsPixel * shape.bmPlanes;
  const int colours = colourTableSize(bits);

  BitmapInfoWithColours info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = shape.bmWidth;
  info.header.biHeight = shape.bmHeight;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bits);
  info.header.biCompression = BI_RGB;
  // Rows are padded to whole 32-bit words.
  const DWORD stride = ((static_cast<DWORD>(shape.bmWidth) * bits + 31) / 32) * 4;
  const DWORD imageSize = stride * static_cast<DWORD>(shape.bmHeight);
  info.header.biSizeImage = imageSize;
  info.header.biXPelsPerMeter = pixelsPerMetre(dpi);
  info.header.biYPelsPerMeter = pixelsPerMetre(dpi);
  info.header.biClrUsed = static_cast<DWORD>(colours);

  const DWORD tableBytes = static_cast<DWORD>(colours) * sizeof(RGBQUAD);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + tableBytes;
  file.bfSize = file.bfOffBits + imageSize;

  // The pixels are read straight into their place in the file: a picture
  // drawn for print can fill much of a 32-bit program's memory.
  std::string bytes(file.bfSize, '\0');
  char* const pixels = &bytes[file.bfOffBits];
  {
    WindowDC screen(nullptr);
    if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(shape.bmHeight), pixels,
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != shape.bmHeight)
      throwGdiError();
  }
  // The fourth byte of a 32-bit pixel is reserved and must be zero; left as the
  // display keeps it, readers that honour alpha would show the picture transparent.
  if (bits == 32)
    for (size_t reserved = 3; reserved < imageSize; reserved += 4) pixels[reserved] = 0;
  // GetDIBits may rewrite header fields; the file keeps the ones set above.
  info.header.biSizeImage = imageSize;
  info.header.biXPelsPerMeter = pixelsPerMetre(dpi);
  info.header.biYPelsPerMeter = pixelsPerMetre(dpi);

  std::string headers;
  append(headers, file);
  append(headers, info.header);
  headers.append(reinterpret_cast<const char*>(info.colours), tableBytes);
  bytes.replace(0, headers.size(), headers);
  return bytes;
}

void writeBitmapFile(HBITMAP bitmap, const std::string& path, int dpi) {
  WriteFileWhole(path, bitmapFileBytes(bitmap, dpi));
}

}  // namespace tastrix
