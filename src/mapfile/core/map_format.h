#pragma once
#include <array>
#include <string>
#include <vector>

#include "model/keyboard_map.h"
#include "text/profile_source.h"

namespace tastrix {

// A keyboard map is two files: the map file NAME.zv (INI entries: the four
// fonts, the two colours, the alignment) and its label list NAME.zvl, the
// map path with "l" appended (the title and the key labels, a line each).
std::string LabelListPath(const std::string& mapPath);

// ---- The map file ----
// The four font records and the colour section written into the file's
// entries; every other entry of the file stays.
void WriteMapEntries(const KeyboardMap& map, ProfileTarget& file);
// The same for a map file's text in UTF-8 without a mark: its new text.
std::string MapFileText(const KeyboardMap& map, const std::string& oldText);

// What a map file gives a map beside its labels; a missing entry gives the
// factory default.
struct MapStyle {
  std::array<FontDescription, kMapFontCount> fonts;
  Colour keyColour = kFactoryDefaultColour;
  Colour borderColour = kFactoryDefaultColour;
  VerticalLayout alignment = kLayoutCenter;
};
// A font keeps from `current` what the file does not say of it (its
// character set).
MapStyle ReadMapStyle(const ProfileSource& file, const KeyboardMap& current);

// ---- The label list ----
// Every label followed by CR LF, in UTF-8: the storage gives it its encoding.
std::string LabelListText(const KeyboardMap& map);
// The lines of a label list's text in UTF-8, as many as the map has labels.
std::vector<std::string> LabelListLines(const std::string& text);

}  // namespace tastrix
