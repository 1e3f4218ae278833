#pragma once
#include <windows.h>

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

}  // namespace tastrix
