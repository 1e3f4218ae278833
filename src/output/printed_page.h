#pragma once
#include <windows.h>

#include <string>

#include "model/keyboard_map.h"
#include "model/picture_layout.h"

namespace tastrix {

// The picture laid out for the largest dpi at which it fits an area of
// width x height pixels.
PictureLayout LayoutToFit(int width, int height);

// Paints a printed map's page into a printer's DC, between StartPage and
// EndPage: the picture laid out for the printer's own pixels (no bitmap
// stretched) as large as fits the printable area with its proportions kept,
// centred, and the caption in small print below it.
void PaintPrintedPage(HDC dc, const KeyboardMap& map, const std::string& caption);

}  // namespace tastrix
