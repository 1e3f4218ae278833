#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "model/font_description.h"
#include "output/paint_cache.h"

namespace tastrix {

// A text whose font lacks some of its characters, laid out as DrawText lays
// out a label: each character in the font where it has it, else in an
// installed font that has it; lines centred across, broken at blanks, or
// between characters in a word longer than the line; "&" underlines the
// character after it and "&&" shows one "&".
class MixedFontText {
 public:
  // Laid out with the text's font selected into dc, in lines of `width`
  // pixels when wordWrap is set, else in one line.
  MixedFontText(HDC dc, PaintCache& cache, const FontDescription& font, const std::wstring& text, int width,
                bool wordWrap);

  int height() const { return lineHeight_ * static_cast<int>(lines_.size()); }
  // Draws the lines from the top of `area`, clipped to it, in the DC's text
  // colour, the marks of "&" too.
  void draw(HDC dc, const RECT& area) const;

 private:
  // One character with the marks on it, in the font that draws it.
  struct Piece {
    std::size_t begin, end;  // in shown_
    HFONT font;
    int width;
    bool blank;
    bool underlined;
  };
  struct Line {
    std::size_t first, last;  // pieces [first, last)
  };

  void measure(HDC dc, std::size_t first, std::size_t last);
  void breakIntoLines(int width, bool wordWrap);

  std::wstring shown_;
  std::vector<Piece> pieces_;
  std::vector<Line> lines_;
  HFONT font_;  // the text's own
  int lineHeight_ = 0;
  int ascent_ = 0;
};

}  // namespace tastrix
