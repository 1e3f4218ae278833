#pragma once
#include <windows.h>

#include <utility>
#include <vector>

#include "model/colour.h"
#include "model/font_description.h"
#include "platform/win32_handles.h"

namespace tastrix {

// The fonts and brushes of one paint, each created once however many
// components share it; all are deleted when the paint ends.
class PaintCache {
 public:
  HFONT font(const FontDescription& description);
  HBRUSH brush(Colour colour);

 private:
  std::vector<std::pair<FontDescription, Font>> fonts_;
  std::vector<std::pair<COLORREF, Brush>> brushes_;
};

}  // namespace tastrix
