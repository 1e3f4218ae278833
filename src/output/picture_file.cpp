#include "output/picture_file.h"

#include "output/bitmap_file.h"
#include "output/png_file.h"
#include "text/path_text.h"

namespace tastrix {

void writePictureFile(HBITMAP bitmap, const std::string& path, int dpi) {
  if (EqualsIgnoringAsciiCase(ExtensionOf(path), ".png"))
    writePngFile(bitmap, path, dpi);
  else
    writeBitmapFile(bitmap, path, dpi);
}

}  // namespace tastrix
