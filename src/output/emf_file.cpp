#include <cstddef>
#include <cstring>

#include "output/picture_painter.h"
#include "output/vector_files.h"
#include "platform/metafile_dc.h"
#include "platform/wide_text.h"
#include "product/product.h"
#include "text/mul_div.h"

namespace tastrix {
namespace {

// The records are in pixels of a 96-dpi layout, whatever the screen that
// measured the fonts (Wine's, for one, is 95.9 dpi high by its millimetres):
// the header describes a device of exactly 96 dpi, so that every reader maps
// them onto the frame exactly. 4800 pixels are 1270 mm.
void describeA96DpiDevice(std::string& bytes) {
  ENHMETAHEADER header{};
  const size_t size = bytes.size() < sizeof header ? bytes.size() : sizeof header;
  std::memcpy(&header, bytes.data(), size);
  header.szlDevice = SIZEL{4800, 4800};
  header.szlMillimeters = SIZEL{1270, 1270};
  if (header.nSize >= offsetof(ENHMETAHEADER, szlMicrometers) + sizeof(SIZEL))
    header.szlMicrometers = SIZEL{1270000, 1270000};
  std::memcpy(&bytes[0], &header, size < header.nSize ? size : header.nSize);
}

}  // namespace

std::string EnhancedMetafileBytes(const KeyboardMap& map, const PictureLayout& layout) {
  const int width = layout.pictureWidth(), height = layout.pictureHeight();
  // Inclusive, as GDI's own frames are: from the first pixel to the last.
  const RECT frame{0, 0, mulDiv(width - 1, 2540, layout.dpi()), mulDiv(height - 1, 2540, layout.dpi())};
  const std::wstring description = WideFromUtf8(kAppTitle) + L'\0' + WideFromUtf8(map.title()) + L'\0';
  MetafileDC metafile(&frame, description);
  paintPicture(metafile.get(), map, layout, 0, RECT{0, 0, width, height});
  std::string bytes = metafile.finish();
  describeA96DpiDevice(bytes);
  return bytes;
}

}  // namespace tastrix
