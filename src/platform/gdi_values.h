#pragma once
#include <windows.h>

#include "model/colour.h"
#include "model/font_description.h"

namespace tastrix {

// The RGB value a colour shows as now: a system colour is looked up.
COLORREF rgbOf(Colour colour);

// A font description as a LOGFONT for a device of deviceDpi; the font's own
// heights are at fontDpi.
LOGFONTA logFontOf(const FontDescription& font, int fontDpi, int deviceDpi);

// The header of a 32-bit device-independent bitmap, top row first.
BITMAPINFO topDownBitmapInfo(int width, int height);

// The font a LOGFONT and a text colour describe, with its height at fontDpi.
FontDescription fontDescriptionOf(const LOGFONTA& logFont, COLORREF colour, int fontDpi, int deviceDpi);

}  // namespace tastrix
