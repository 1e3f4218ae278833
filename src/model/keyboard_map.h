#pragma once
#include <array>
#include <cstddef>
#include <string>

#include "model/colour.h"
#include "model/font_description.h"
#include "model/key_catalogue.h"

namespace tastrix {

// Where a label's text sits on its key vertically, as the map file stores the
// alignment. The map's alignment is the last one given, kNoAlignment before
// any; the title and the key labels always have one of the three layouts.
enum VerticalLayout { kNoAlignment = -1, kLayoutTop = 0, kLayoutCenter = 1, kLayoutBottom = 2 };

// The map's four fonts: the title's, the group boxes' captions, the keys'
// names (their fixed legends) and the keys' labels.
enum class MapFont { Title, GroupNames, KeyNames, KeyLabels };
constexpr std::size_t kMapFontCount = 4;

// The map's two colours: the keys' faces and their borders.
enum class MapColour { KeyFaces, KeyBorders };

// What a new map, or one whose file lacks an entry, takes.
FontDescription FactoryDefaultFont();
constexpr Colour kFactoryDefaultColour = kWhite;

// A keyboard map: everything the user can change of the picture, and nothing
// else. The key catalogue gives the rest (legends, group captions, geometry).
struct KeyboardMap {
  KeyboardMap();  // the map before the start-up gives it its first texts and loads one

  // The title at position 0, then the 101 key labels in label order: the
  // lines of the label list.
  std::array<std::string, kLabelPositions> labels;
  std::array<FontDescription, kMapFontCount> fonts;
  Colour keyColour = kWhite;
  Colour borderColour = kBtnFace;
  VerticalLayout titleLayout = kLayoutCenter;
  VerticalLayout labelLayout = kLayoutTop;
  VerticalLayout alignment = kNoAlignment;

  const std::string& title() const { return labels[0]; }
  const FontDescription& font(MapFont which) const { return fonts[static_cast<std::size_t>(which)]; }
  Colour colour(MapColour which) const { return which == MapColour::KeyFaces ? keyColour : borderColour; }

  bool operator==(const KeyboardMap& o) const;
  bool operator!=(const KeyboardMap& o) const { return !(*this == o); }
};

}  // namespace tastrix
