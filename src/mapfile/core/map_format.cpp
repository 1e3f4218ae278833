#include "mapfile/core/map_format.h"

#include <algorithm>

#include "model/alignment.h"
#include "model/tag_walks.h"
#include "text/profile_value.h"

namespace tastrix {
namespace {

const char* const kTitleSection = "Keyboard_Map_Title_Label";
const char* const kGroupBoxSection = "GroupBox_Font";
const char* const kKeyNameSection = "Name_Label_0";
const char* const kKeyLabelSection = "Label_0";
const char* const kColourSection = "tastrix";
const char* const kKeyColourKey = "Shape_0";
const char* const kBorderColourKey = "Shape_Back_0";
const char* const kAlignmentKey = "Key_Label_Vertical_Alignment";

// Sizes far beyond any printed or displayed font only make every paint of
// the picture take seconds, and overflow the conversion to pixels.
constexpr int kLargestFontSize = 1638;

// Reads a record into the font of its prototype component. Each record's
// defaults are taken afresh from the factory default font.
const FontDescription& readFactoryDefaultRecord(FormModel& form, int prototype, const ProfileSource& map,
                                                const std::string& section) {
  FontDescription font = form[prototype].font;
  const FontDescription& factory = form.factoryDefaultFont();
  ReadFontRecord(font, map, section, factory.colour, factory.name, factory.size);
  form.setFont(prototype, font);
  return form[prototype].font;
}

}  // namespace

std::string LabelListPath(const std::string& mapPath) { return mapPath + "l"; }

void WriteMapEntries(const FormModel& form, ProfileTarget& map) {
  WriteFontRecord(map, form[form.mapTitle].font, kTitleSection);
  WriteFontRecord(map, form[form.groupBox(kFunctionKeys)].font, kGroupBoxSection);
  WriteFontRecord(map, form[form.nameLabel0].font, kKeyNameSection);
  WriteFontRecord(map, form[form.label0].font, kKeyLabelSection);
  map.write(kColourSection, kKeyColourKey, FormatProfileInt(form[form.shape0].fill));
  map.write(kColourSection, kBorderColourKey, FormatProfileInt(form[form.shapeBack0].fill));
  map.write(kColourSection, kAlignmentKey, FormatProfileInt(form.alignment()));
}

std::string MapFileText(const FormModel& form, const std::string& oldText) {
  IniText text(oldText);
  IniTextEntries entries(text);
  WriteMapEntries(form, entries);
  return text.text();
}

void WriteFontRecord(ProfileTarget& map, const FontDescription& font, const std::string& section) {
  map.write(section, "Font.Color", FormatProfileInt(font.colour));
  map.write(section, "Font.Name", font.name);
  map.write(section, "Font.Size", FormatProfileInt(font.size));
  map.write(section, "Font.fsBold", FormatProfileBool(font.bold));
  map.write(section, "Font.fsUnderline", FormatProfileBool(font.underline));
  map.write(section, "Font.fsItalic", FormatProfileBool(font.italic));
}

void ReadFontRecord(FontDescription& font, const ProfileSource& map, const std::string& section, Colour defaultColour,
                    const std::string& defaultName, int defaultSize) {
  font.colour = map.readInt(section, "Font.Color", defaultColour);
  font.name = map.readString(section, "Font.Name", defaultName);
  font.size = std::clamp(map.readInt(section, "Font.Size", defaultSize), -kLargestFontSize, kLargestFontSize);
  font.strikeOut = false;
  font.bold = map.readBool(section, "Font.fsBold", true);
  font.underline = map.readBool(section, "Font.fsUnderline", false);
  font.italic = map.readBool(section, "Font.fsItalic", false);
}

void ApplyMapColours(FormModel& form, const ProfileSource& map) {
  const Colour keyColour = map.readInt(kColourSection, kKeyColourKey, form.factoryDefaultColour());
  form.setFill(form.shape0, keyColour);
  const Colour borderColour = map.readInt(kColourSection, kBorderColourKey, form.factoryDefaultColour());
  form.setFill(form.shapeBack0, borderColour);
  SetShapeColours(form, keyColour, kFaceShapes);
  SetShapeColours(form, borderColour, kBorderShapes);
  const auto alignment = static_cast<VerticalLayout>(
      std::clamp<int>(map.readInt(kColourSection, kAlignmentKey, kLayoutCenter), kNoAlignment, kLayoutBottom));
  form.setAlignment(alignment);
  if (alignment != kNoAlignment) applyAlignment(form, alignment);
}

void ApplyMapFonts(FormModel& form, const ProfileSource& map) {
  readFactoryDefaultRecord(form, form.mapTitle, map, kTitleSection);
  SetGroupBoxFonts(form, readFactoryDefaultRecord(form, form.groupBox(kFunctionKeys), map, kGroupBoxSection),
                   kGroupBoxes);
  SetLabelFonts(form, readFactoryDefaultRecord(form, form.nameLabel0, map, kKeyNameSection), kKeyNames);
  SetLabelFonts(form, readFactoryDefaultRecord(form, form.label0, map, kKeyLabelSection), kKeyLabels);
}

}  // namespace tastrix
