#pragma once
#include <string>

#include "model/colour.h"

namespace tastrix {

constexpr int kDefaultCharset = 1;  // the platform's "default character set"

// A complete font description, as the font dialog and the map file give it.
struct FontDescription {
  std::string name;  // the face, in UTF-8
  // In points, as a map file stores it: the picture is laid out from it at
  // every dpi. Negative: the height of the character cell, not of the characters.
  int size = 10;
  Colour colour = kWindowText;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charset = kDefaultCharset;

  bool operator==(const FontDescription& o) const {
    return name == o.name && size == o.size && colour == o.colour && bold == o.bold &&
           italic == o.italic && underline == o.underline && strikeOut == o.strikeOut &&
           charset == o.charset;
  }
  bool operator!=(const FontDescription& o) const { return !(*this == o); }
};

// Points <-> pixel heights (a LOGFONT's lfHeight, negative for the
// characters' height) at a given dpi, the one conversion used everywhere.
int pointsFromHeight(int height, int dpi);
int heightFromPoints(int points, int dpi);

}  // namespace tastrix
