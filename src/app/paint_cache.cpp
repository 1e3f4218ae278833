#include "app/paint_cache.h"

#include <cstring>

namespace tastrix {
namespace {

// The colour belongs to the text, not to the GDI font.
bool sameGdiFont(const FontSpec& a, const FontSpec& b) {
  return a.height == b.height && a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
         a.strikeOut == b.strikeOut && a.charset == b.charset && a.name == b.name;
}

HFONT createFont(const FontSpec& spec) {
  LOGFONTA lf{};
  lf.lfHeight = spec.height;
  lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = spec.italic;
  lf.lfUnderline = spec.underline;
  lf.lfStrikeOut = spec.strikeOut;
  lf.lfCharSet = static_cast<BYTE>(spec.charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  // An unknown or over-long face name is left to the platform's font mapping.
  std::strncpy(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}

}  // namespace

COLORREF resolveColour(Colour colour) {
  if (isSystemColour(colour)) return GetSysColor(systemColourIndex(colour));
  return static_cast<COLORREF>(colour) & 0x00FFFFFF;
}

HFONT PaintCache::font(const FontSpec& spec) {
  for (const auto& entry : fonts_)
    if (sameGdiFont(entry.first, spec)) return entry.second.get();
  fonts_.emplace_back(spec, Font(createFont(spec)));
  return fonts_.back().second.get();
}

HBRUSH PaintCache::brush(Colour colour) {
  const COLORREF rgb = resolveColour(colour);
  for (const auto& entry : brushes_)
    if (entry.first == rgb) return entry.second.get();
  brushes_.emplace_back(rgb, Brush(CreateSolidBrush(rgb)));
  return brushes_.back().second.get();
}

}  // namespace tastrix
