#include "output/paint_pieces.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>

#include "output/font_fallback.h"
#include "output/mixed_font_text.h"
#include "platform/gdi_values.h"
#include "platform/wide_text.h"
#include "text/mul_div.h"
#include "text/utf8_text.h"

namespace tastrix {
namespace {

constexpr int kGroupCaptionIndent = 8;  // at 96 dpi

int lineWidth(int dpi) { return std::max(1, dpi / 96); }

int width(const RECT& r) { return r.right - r.left; }
int height(const RECT& r) { return r.bottom - r.top; }

// Prefix processing stays on: "&Q" underlines the Q and "&&" draws one "&".
UINT textFormat(const TextStyle& style) { return DT_EXPANDTABS | DT_CENTER | (style.wordWrap ? DT_WORDBREAK : 0u); }

// The label box takes 255 characters, each of them possibly doubled ("&&"
// draws one "&"): no label it makes is cut.
constexpr std::size_t kNeverCut = 2 * 255;

// Where a text of that height sits in its rectangle: the whole rectangle at
// the top, else a strip as high as the text, in the middle or at the bottom.
RECT placedIn(const RECT& area, int textHeight, VerticalLayout layout) {
  RECT placed = area;
  if (layout == kLayoutTop) return placed;
  const int spare = height(area) - textHeight;
  placed.top += layout == kLayoutBottom ? spare : spare / 2;
  placed.bottom = placed.top + textHeight;
  return placed;
}

}  // namespace

// Laying text out costs the square of its line, and a label list may hold
// megabytes: what cannot show on the key is left out. The part kept fills
// every row the key shows and two rows more (a row's break depends on the
// text after it) with the narrowest character of the font, twice over for
// "&&", which draws one "&", and for marks drawn on the character before them.
std::size_t laidOutLength(HDC dc, const std::string& text, const RECT& area) {
  if (text.size() <= kNeverCut) return text.size();
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  INT widths[256] = {};
  GetCharWidth32W(dc, 0, 255, widths);
  const int narrowest = std::max(1, *std::min_element(widths + ' ', widths + 256));
  const int rows = std::max(0, height(area)) / std::max(1, static_cast<int>(metrics.tmHeight)) + 3;
  const int perRow = std::max(0, width(area)) / narrowest + 2;
  return Utf8Prefix(text, std::max(kNeverCut, 2 * static_cast<std::size_t>(rows) * static_cast<std::size_t>(perRow)));
}

void paintShape(HDC dc, PaintCache& cache, Colour fill, const RECT& area, int dpi) {
  Selection pen(dc, cache.outlinePen(lineWidth(dpi)));
  Selection brush(dc, cache.brush(fill));
  const int corner = std::min(width(area), height(area)) / 4;
  RoundRect(dc, area.left, area.top, area.right, area.bottom, corner, corner);
}

// Labels are transparent: the key's face shows around the text. A text the
// font has every character of is drawn by DrawText; one it lacks some of is
// laid out alike, those characters drawn in fonts that have them.
void paintText(HDC dc, PaintCache& cache, const std::string& text, const TextStyle& style, const RECT& area) {
  if (text.empty()) return;
  Selection font(dc, cache.font(style.font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, rgbOf(style.font.colour));
  const std::wstring shown = WideFromUtf8(text.substr(0, laidOutLength(dc, text, area)));
  if (!HasEveryGlyph(dc, shown)) {
    const MixedFontText mixed(dc, cache, style.font, shown, width(area), style.wordWrap);
    return mixed.draw(dc, placedIn(area, mixed.height(), style.layout));
  }
  const UINT format = textFormat(style);
  const int length = static_cast<int>(shown.size());
  RECT measured = area;
  // Vertical placement of (possibly wrapped) text: measure, then shift.
  if (style.layout != kLayoutTop) DrawTextW(dc, shown.c_str(), length, &measured, format | DT_CALCRECT);
  RECT placed = placedIn(area, height(measured), style.layout);
  DrawTextW(dc, shown.c_str(), length, &placed, format);
}

void paintGroupBox(HDC dc, PaintCache& cache, const std::string& caption, const FontDescription& font,
                   const RECT& area, Colour background, int dpi) {
  FillRect(dc, &area, cache.brush(background));
  Selection selected(dc, cache.font(font));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  RECT frame = area;
  frame.top += metrics.tmHeight / 2;
  // An etched edge: its dark outer line, then its light inner line, each as wide as a line.
  for (const UINT line : {BDR_SUNKENOUTER, BDR_RAISEDINNER})
    for (int i = 0; i < lineWidth(dpi); ++i) DrawEdge(dc, &frame, line, BF_RECT | BF_ADJUST);

  RECT place{area.left + mulDiv(kGroupCaptionIndent, dpi, 96), area.top, area.right, area.top + metrics.tmHeight};
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &place, DT_SINGLELINE | DT_CALCRECT);
  // The caption interrupts the frame: its background hides the line behind it.
  FillRect(dc, &place, cache.brush(background));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, rgbOf(font.colour));
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &place, DT_SINGLELINE);
}

}  // namespace tastrix
