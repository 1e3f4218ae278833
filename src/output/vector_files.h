#pragma once
#include <string>

#include "model/keyboard_map.h"
#include "model/picture_layout.h"

namespace tastrix {

// The picture as vector files, laid out as given (at 96 dpi, the size it
// has on the screen). Either raises "Out of system resources" when GDI fails.

// An enhanced metafile: the painter's own drawing, recorded. Its frame is the
// picture's size in 0.01 mm, so that a document takes it at that size.
std::string EnhancedMetafileBytes(const KeyboardMap& map, const PictureLayout& layout);

// SVG 1.1 in UTF-8: the group boxes and keys as shapes, and every line of
// text the painter draws as a <text> of its own, where and as it draws it.
std::string SvgBytes(const KeyboardMap& map, const PictureLayout& layout);

}  // namespace tastrix
