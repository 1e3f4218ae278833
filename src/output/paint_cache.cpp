#include "output/paint_cache.h"

#include <string>

#include "output/font_fallback.h"
#include "platform/gdi_values.h"

namespace tastrix {
namespace {

// Drawn in place of a bitmap-only face where only outline faces will do;
// present on every version of Windows.
const std::wstring kOutlineStandIn = L"Arial";

// The colour belongs to the text, not to the GDI font.
bool sameGdiFont(const FontDescription& a, const FontDescription& b) {
  return a.size == b.size && a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
         a.strikeOut == b.strikeOut && a.charset == b.charset && a.name == b.name;
}

bool bitmapOnly(HFONT font) {
  const MemoryDC probe(nullptr);
  const Selection select(probe.get(), font);
  return select.selected() && BitmapFontSelected(probe.get());
}

Font createFont(const FontDescription& font, int dpi, FontFaces faces) {
  // An unknown or over-long face name is left to the platform's font mapping.
  LOGFONTW lf = logFontOf(font, dpi);
  Font chosen(CreateFontIndirectW(&lf));
  if (faces == FontFaces::AsChosen || !chosen.valid() || !bitmapOnly(chosen.get())) return chosen;
  lf.lfFaceName[kOutlineStandIn.copy(lf.lfFaceName, LF_FACESIZE - 1)] = L'\0';
  return Font(CreateFontIndirectW(&lf));
}

}  // namespace

HFONT PaintCache::font(const FontDescription& description) {
  for (const auto& entry : fonts_)
    if (sameGdiFont(entry.first, description)) return entry.second.get();
  fonts_.emplace_back(description, createFont(description, dpi_, faces_));
  return fonts_.back().second.get();
}

HBRUSH PaintCache::brush(Colour colour) {
  const COLORREF rgb = rgbOf(colour);
  for (const auto& entry : brushes_)
    if (entry.first == rgb) return entry.second.get();
  brushes_.emplace_back(rgb, Brush(CreateSolidBrush(rgb)));
  return brushes_.back().second.get();
}

HPEN PaintCache::outlinePen(int width) {
  for (const auto& entry : pens_)
    if (entry.first == width) return entry.second.get();
  pens_.emplace_back(width, Pen(CreatePen(PS_INSIDEFRAME, width, RGB(0, 0, 0))));
  return pens_.back().second.get();
}

}  // namespace tastrix
