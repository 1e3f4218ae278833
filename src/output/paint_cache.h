#pragma once
#include <windows.h>

#include <utility>
#include <vector>

#include "model/colour.h"
#include "model/font_description.h"
#include "platform/win32_handles.h"

namespace tastrix {

// Which font faces a paint may use. Bitmap-only faces (System and MS Sans
// Serif among them) come in a few sizes, and GDI stretches them pixel by
// pixel to any other, so a picture drawn larger for print asks for an
// outline face in their place.
enum class FontFaces { AsChosen, OutlineOnly };

// The fonts, brushes and pens of one paint, each created once however many
// pieces share it; all are deleted when the paint ends.
class PaintCache {
 public:
  // Fonts are laid out from their sizes in points for a device of this dpi.
  explicit PaintCache(int dpi, FontFaces faces = FontFaces::AsChosen) : dpi_(dpi), faces_(faces) {}

  HFONT font(const FontDescription& description);
  HBRUSH brush(Colour colour);
  // A black pen that draws inside the outline, however wide.
  HPEN outlinePen(int width);

 private:
  int dpi_;
  FontFaces faces_;
  std::vector<std::pair<FontDescription, Font>> fonts_;
  std::vector<std::pair<COLORREF, Brush>> brushes_;
  std::vector<std::pair<int, Pen>> pens_;
};

}  // namespace tastrix
