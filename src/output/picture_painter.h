#pragma once
#include <windows.h>

#include <cstddef>

#include "model/keyboard_map.h"
#include "model/picture_layout.h"
#include "output/paint_cache.h"

namespace tastrix {

// Paints the keyboard picture of a map, laid out as given, into a DC whose
// origin is the client area's origin, with the content scrolled left by
// scrollX pixels. Only the area inside `clip` (client coordinates) needs to
// be painted.
void paintPicture(HDC dc, const KeyboardMap& map, const PictureLayout& layout, int scrollX, const RECT& clip,
                  FontFaces faces = FontFaces::AsChosen);

// How much of the label at a position (0 the title), from its start, the
// picture lays out in its place, measured in dc: the rest cannot show there.
std::size_t shownLabelLength(HDC dc, const KeyboardMap& map, const PictureLayout& layout, int position);

}  // namespace tastrix
