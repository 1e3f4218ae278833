#pragma once
#include <windows.h>

#include <cstddef>

#include "model/keyboard_map.h"
#include "model/picture_layout.h"
#include "output/paint_cache.h"

namespace tastrix {

// The window's background, around and behind the key groups.
constexpr Colour kPictureBackground = kWhite;

// Paints the keyboard picture of a map, laid out as given, into a DC whose
// origin is the client area's origin, with the content scrolled left by
// scrollX pixels. Only the area inside `clip` (client coordinates) needs to
// be painted.
void paintPicture(HDC dc, const KeyboardMap& map, const PictureLayout& layout, int scrollX, const RECT& clip,
                  FontFaces faces = FontFaces::AsChosen);

// Paints one piece as paintPicture does, without clipping it.
void paintPiece(HDC dc, PaintCache& cache, const KeyboardMap& map, const PictureLayout& layout,
                const PicturePiece& piece);

// How much of the label at a position (0 the title), from its start, the
// picture lays out in its place, measured in dc: the rest cannot show there.
std::size_t shownLabelLength(HDC dc, const KeyboardMap& map, const PictureLayout& layout, int position);

}  // namespace tastrix
