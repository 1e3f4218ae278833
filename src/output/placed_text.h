#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "model/keyboard_map.h"
#include "model/picture_layout.h"

namespace tastrix {

// A run of text as the painter draws it: a line of a label, a legend, a
// caption, or a part of one between tabs.
struct PlacedText {
  std::size_t piece;  // its piece in the layout's pieces
  std::wstring text;  // as drawn: "&&" is one "&", the "&" before an access key is gone
  POINT origin;       // the top left of its first character's cell
  int width;          // across
  LOGFONTW font;
  COLORREF colour;
};

// A line the painter draws with a text: the underline of an access key.
struct PlacedStroke {
  std::size_t piece;
  POINT from, to;
  COLORREF colour;
};

struct PlacedTexts {
  std::vector<PlacedText> texts;  // in the order they are drawn
  std::vector<PlacedStroke> strokes;
};

// Every text of the picture, placed exactly as the painter places it: each
// piece is drawn by the painter into a metafile, in the fonts of the screen,
// and its texts and strokes are read back from the records.
PlacedTexts PlaceTexts(const KeyboardMap& map, const PictureLayout& layout);

}  // namespace tastrix
