#pragma once
#include <windows.h>

#include "model/colour.h"
#include "model/font_description.h"

namespace tastrix {

// The RGB value a colour shows as now: a system colour is looked up.
COLORREF rgbOf(Colour colour);

// A font description as a LOGFONT for a device of the given dpi.
LOGFONTW logFontOf(const FontDescription& font, int dpi);

// The header of a 32-bit device-independent bitmap, top row first.
BITMAPINFO topDownBitmapInfo(int width, int height);

// The font that a LOGFONT for a device of the given dpi and a text colour describe.
FontDescription fontDescriptionOf(const LOGFONTW& logFont, COLORREF colour, int dpi);

}  // namespace tastrix
