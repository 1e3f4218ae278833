#pragma once
#include <windows.h>

#include <string>

namespace tastrix {

// Whether the font selected into dc exists only as bitmaps (System, MS Sans
// Serif among them), as the font mapper chose it: the name does not tell.
bool BitmapFontSelected(HDC dc);

// Whether the font selected into dc has a glyph for every character of the
// text; a control character or an invisible mark needs none.
bool HasEveryGlyph(HDC dc, const std::wstring& text);

// The face of an installed font that has a glyph for every character of
// `text` (a character with the marks on it), looked for as Windows links
// fonts: first the fonts the system links to `face`, then those it links to
// the face of its own controls, then every other installed outline font.
// Empty where none has them. Each answer is kept for the rest of the run.
std::wstring FallbackFace(const std::wstring& face, const std::wstring& text);

}  // namespace tastrix
