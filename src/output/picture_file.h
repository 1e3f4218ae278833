#pragma once
#include <string>

#include "model/keyboard_map.h"
#include "model/picture_layout.h"
#include "output/paint_cache.h"

namespace tastrix {

// Writes the map's picture, laid out as given, in the format the file's
// name asks for (PictureFormatOf): drawn into a bitmap for PNG and BMP, the
// dpi recorded; as a vector picture for EMF and SVG. Whole or not at all.
void writePictureFile(const KeyboardMap& map, const PictureLayout& layout, FontFaces faces, const std::string& path);

}  // namespace tastrix
