#pragma once
#include <string>

#include "model/colour.h"

namespace tastrix {

constexpr int kDefaultCharset = 1;  // the platform's "default character set"

// A complete font description. Every component owns its own copy.
struct FontDescription {
  std::string name;
  int height = -13;  // negative: character height in pixels at the form's dpi
  Colour colour = kWindowText;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charset = kDefaultCharset;

  bool operator==(const FontDescription& o) const {
    return name == o.name && height == o.height && colour == o.colour && bold == o.bold &&
           italic == o.italic && underline == o.underline && strikeOut == o.strikeOut &&
           charset == o.charset;
  }
  bool operator!=(const FontDescription& o) const { return !(*this == o); }
};

// Points <-> pixel heights at a given dpi, the one conversion used everywhere.
int pointsFromHeight(int height, int dpi);
int heightFromPoints(int points, int dpi);

}  // namespace tastrix
