#include "output/paint_components.h"

#include <algorithm>
#include <initializer_list>

#include "platform/gdi_values.h"
#include "text/mul_div.h"

namespace tastrix {
namespace {

constexpr int kGroupCaptionIndent = 8;  // at 96 dpi

int lineWidth(int dpi) { return std::max(1, dpi / 96); }

int width(const RECT& r) { return r.right - r.left; }
int height(const RECT& r) { return r.bottom - r.top; }

// Prefix processing stays on: "&Q" underlines the Q and "&&" draws one "&".
UINT labelFormat(const Component& label) {
  return DT_EXPANDTABS | DT_CENTER | (label.wordWrap ? DT_WORDBREAK : 0u);
}

}  // namespace

void paintShape(HDC dc, PaintCache& cache, const Component& shape, const RECT& area, int dpi) {
  Selection pen(dc, cache.outlinePen(lineWidth(dpi)));
  Selection brush(dc, cache.brush(shape.fill));
  const int corner = std::min(width(area), height(area)) / 4;
  RoundRect(dc, area.left, area.top, area.right, area.bottom, corner, corner);
}

void paintLabel(HDC dc, PaintCache& cache, const Component& label, const RECT& area) {
  if (!label.transparent) FillRect(dc, &area, cache.brush(label.fill));
  if (label.caption.empty()) return;
  Selection font(dc, cache.font(label.font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, rgbOf(label.font.colour));
  const UINT format = labelFormat(label);
  RECT text = area;
  if (label.layout != kLayoutTop) {
    // Vertical placement of (possibly wrapped) text: measure, then shift.
    RECT measured = area;
    DrawTextA(dc, label.caption.c_str(), static_cast<int>(label.caption.size()), &measured, format | DT_CALCRECT);
    const int spare = height(area) - height(measured);
    text.top += label.layout == kLayoutBottom ? spare : spare / 2;
    text.bottom = text.top + height(measured);
  }
  DrawTextA(dc, label.caption.c_str(), static_cast<int>(label.caption.size()), &text, format);
}

void paintGroupBox(HDC dc, PaintCache& cache, const Component& box, const RECT& area, Colour background,
                   int dpi) {
  FillRect(dc, &area, cache.brush(background));
  Selection font(dc, cache.font(box.font));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  RECT frame = area;
  frame.top += metrics.tmHeight / 2;
  // An etched edge: its dark outer line, then its light inner line, each as wide as a line.
  for (const UINT line : {BDR_SUNKENOUTER, BDR_RAISEDINNER})
    for (int i = 0; i < lineWidth(dpi); ++i) DrawEdge(dc, &frame, line, BF_RECT | BF_ADJUST);
  if (box.caption.empty()) return;

  RECT caption{area.left + mulDiv(kGroupCaptionIndent, dpi, 96), area.top, area.right, area.top + metrics.tmHeight};
  DrawTextA(dc, box.caption.c_str(), static_cast<int>(box.caption.size()), &caption, DT_SINGLELINE | DT_CALCRECT);
  // The caption interrupts the frame: its background hides the line behind it.
  FillRect(dc, &caption, cache.brush(background));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, rgbOf(box.font.colour));
  DrawTextA(dc, box.caption.c_str(), static_cast<int>(box.caption.size()), &caption, DT_SINGLELINE);
}

}  // namespace tastrix
