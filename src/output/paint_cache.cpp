#include "output/paint_cache.h"

#include "platform/gdi_values.h"

namespace tastrix {
namespace {

// The colour belongs to the text, not to the GDI font.
bool sameGdiFont(const FontDescription& a, const FontDescription& b) {
  return a.height == b.height && a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
         a.strikeOut == b.strikeOut && a.charset == b.charset && a.name == b.name;
}

HFONT createFont(const FontDescription& font) {
  // Heights are already pixels of the device painted on. An unknown or
  // over-long face name is left to the platform's font mapping.
  const LOGFONTA lf = logFontOf(font, 96, 96);
  return CreateFontIndirectA(&lf);
}

}  // namespace

HFONT PaintCache::font(const FontDescription& description) {
  for (const auto& entry : fonts_)
    if (sameGdiFont(entry.first, description)) return entry.second.get();
  fonts_.emplace_back(description, Font(createFont(description)));
  return fonts_.back().second.get();
}

HBRUSH PaintCache::brush(Colour colour) {
  const COLORREF rgb = rgbOf(colour);
  for (const auto& entry : brushes_)
    if (entry.first == rgb) return entry.second.get();
  brushes_.emplace_back(rgb, Brush(CreateSolidBrush(rgb)));
  return brushes_.back().second.get();
}

}  // namespace tastrix
