#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "model/component.h"
#include "output/paint_cache.h"

namespace tastrix {

// Each draws one component into `area` (device coordinates); the caller has
// already clipped the DC to the component and to its group box. Lines are
// one pixel wide at 96 dpi and grow with whole multiples of it.
void paintShape(HDC dc, PaintCache& cache, const Component& shape, const RECT& area, int dpi);
void paintLabel(HDC dc, PaintCache& cache, const Component& label, const RECT& area);
// How much of a label's text, from its start, paintLabel lays out in `area`
// with the label's font selected into dc: the rest cannot show there.
std::size_t laidOutLength(HDC dc, const std::string& text, const RECT& area);
void paintGroupBox(HDC dc, PaintCache& cache, const Component& box, const RECT& area, Colour background,
                   int dpi);

}  // namespace tastrix
