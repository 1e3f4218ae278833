#include "platform/gdi_values.h"

#include <string>

#include "platform/wide_text.h"

namespace tastrix {

COLORREF rgbOf(Colour colour) {
  if (isSystemColour(colour)) return GetSysColor(systemColourIndex(colour));
  return static_cast<COLORREF>(colour) & 0x00FFFFFF;
}

LOGFONTW logFontOf(const FontDescription& font, int dpi) {
  LOGFONTW lf{};
  lf.lfHeight = heightFromPoints(font.size, dpi);
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfStrikeOut = font.strikeOut;
  lf.lfCharSet = static_cast<BYTE>(font.charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  WideFromUtf8(font.name).copy(lf.lfFaceName, LF_FACESIZE - 1);
  return lf;
}

BITMAPINFO topDownBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

FontDescription fontDescriptionOf(const LOGFONTW& logFont, COLORREF colour, int dpi) {
  FontDescription font;
  font.name = Utf8FromWide(logFont.lfFaceName);
  font.size = pointsFromHeight(logFont.lfHeight, dpi);
  font.colour = static_cast<Colour>(colour & 0x00FFFFFF);
  font.bold = logFont.lfWeight >= FW_BOLD;
  font.italic = logFont.lfItalic != 0;
  font.underline = logFont.lfUnderline != 0;
  font.strikeOut = logFont.lfStrikeOut != 0;
  font.charset = logFont.lfCharSet;
  return font;
}

}  // namespace tastrix
