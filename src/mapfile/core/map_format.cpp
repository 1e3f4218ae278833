#include "mapfile/core/map_format.h"

#include <algorithm>

#include "text/label_list_text.h"
#include "text/profile_value.h"

namespace tastrix {
namespace {

// Each font's record in its section, by MapFont.
constexpr std::array<const char*, kMapFontCount> kFontSections = {"Keyboard_Map_Title_Label", "GroupBox_Font",
                                                                 "Name_Label_0", "Label_0"};
const char* const kColourSection = "tastrix";
const char* const kKeyColourKey = "Shape_0";
const char* const kBorderColourKey = "Shape_Back_0";
const char* const kAlignmentKey = "Key_Label_Vertical_Alignment";

// Sizes far beyond any printed or displayed font only make every paint of
// the picture take seconds, and overflow the conversion to pixels.
constexpr int kLargestFontSize = 1638;

// A font record stores the size in points, as the map holds it.
void writeFontRecord(ProfileTarget& file, const FontDescription& font, const std::string& section) {
  file.write(section, "Font.Color", FormatProfileInt(font.colour));
  file.write(section, "Font.Name", font.name);
  file.write(section, "Font.Size", FormatProfileInt(font.size));
  file.write(section, "Font.fsBold", FormatProfileBool(font.bold));
  file.write(section, "Font.fsUnderline", FormatProfileBool(font.underline));
  file.write(section, "Font.fsItalic", FormatProfileBool(font.italic));
}

// A record is read over the current font, with the factory default font for
// each entry the record lacks. Strike-out is not stored: it never comes back.
FontDescription readFontRecord(const ProfileSource& file, const std::string& section, FontDescription font) {
  const FontDescription factory = FactoryDefaultFont();
  font.colour = file.readInt(section, "Font.Color", factory.colour);
  font.name = file.readString(section, "Font.Name", factory.name);
  font.size = std::clamp(file.readInt(section, "Font.Size", factory.size), -kLargestFontSize, kLargestFontSize);
  font.strikeOut = false;
  font.bold = file.readBool(section, "Font.fsBold", true);
  font.underline = file.readBool(section, "Font.fsUnderline", false);
  font.italic = file.readBool(section, "Font.fsItalic", false);
  return font;
}

}  // namespace

std::string LabelListPath(const std::string& mapPath) { return mapPath + "l"; }

void WriteMapEntries(const KeyboardMap& map, ProfileTarget& file) {
  for (size_t i = 0; i < kMapFontCount; ++i) writeFontRecord(file, map.fonts[i], kFontSections[i]);
  file.write(kColourSection, kKeyColourKey, FormatProfileInt(map.keyColour));
  file.write(kColourSection, kBorderColourKey, FormatProfileInt(map.borderColour));
  file.write(kColourSection, kAlignmentKey, FormatProfileInt(map.alignment));
}

std::string MapFileText(const KeyboardMap& map, const std::string& oldText) {
  IniTextEntries file(oldText);
  WriteMapEntries(map, file);
  return file.bytes();
}

MapStyle ReadMapStyle(const ProfileSource& file, const KeyboardMap& current) {
  MapStyle style;
  for (size_t i = 0; i < kMapFontCount; ++i) style.fonts[i] = readFontRecord(file, kFontSections[i], current.fonts[i]);
  style.keyColour = file.readInt(kColourSection, kKeyColourKey, kFactoryDefaultColour);
  style.borderColour = file.readInt(kColourSection, kBorderColourKey, kFactoryDefaultColour);
  style.alignment = static_cast<VerticalLayout>(
      std::clamp<int>(file.readInt(kColourSection, kAlignmentKey, kLayoutCenter), kNoAlignment, kLayoutBottom));
  return style;
}

std::string LabelListText(const KeyboardMap& map) { return JoinLabelListText(map.labels); }

std::vector<std::string> LabelListLines(const std::string& text) {
  LabelListSplitter splitter(kLabelPositions);
  splitter.feed(text.data(), text.size());
  return splitter.finish();
}

}  // namespace tastrix
