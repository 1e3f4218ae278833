#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "model/keyboard_map.h"
#include "output/paint_cache.h"

namespace tastrix {

// How a text sits in its rectangle: always centred across, placed up and
// down by its layout, wrapped at word breaks or kept to one line.
struct TextStyle {
  const FontDescription& font;
  VerticalLayout layout;
  bool wordWrap;
};

// Each draws one piece of the picture into `area` (device coordinates); the
// caller has already clipped the DC to the piece and to its group box. Lines
// are one pixel wide at 96 dpi and grow with whole multiples of it.
void paintShape(HDC dc, PaintCache& cache, Colour fill, const RECT& area, int dpi);
void paintText(HDC dc, PaintCache& cache, const std::string& text, const TextStyle& style, const RECT& area);
// How much of a text, from its start, paintText lays out in `area` with the
// text's font selected into dc: the rest cannot show there.
std::size_t laidOutLength(HDC dc, const std::string& text, const RECT& area);
void paintGroupBox(HDC dc, PaintCache& cache, const std::string& caption, const FontDescription& font,
                   const RECT& area, Colour background, int dpi);

}  // namespace tastrix
