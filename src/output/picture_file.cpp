#include "output/picture_file.h"

#include "output/bitmap_file.h"
#include "output/picture_render.h"
#include "output/png_file.h"
#include "output/vector_files.h"
#include "platform/staged_file.h"
#include "text/export_options.h"

namespace tastrix {

void writePictureFile(const KeyboardMap& map, const PictureLayout& layout, FontFaces faces, const std::string& path) {
  switch (PictureFormatOf(path)) {
    case PictureFormat::Emf: return WriteFileWhole(path, EnhancedMetafileBytes(map, layout));
    case PictureFormat::Svg: return WriteFileWhole(path, SvgBytes(map, layout));
    case PictureFormat::Png: return writePngFile(RenderKeyboardPicture(map, layout, faces).get(), path, layout.dpi());
    case PictureFormat::Bitmap: break;
  }
  writeBitmapFile(RenderKeyboardPicture(map, layout, faces).get(), path, layout.dpi());
}

}  // namespace tastrix
