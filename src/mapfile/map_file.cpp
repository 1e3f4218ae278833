#include "mapfile/map_file.h"

#include <algorithm>

#include "mapfile/label_list_file.h"
#include "model/alignment.h"
#include "model/key_catalogue.h"
#include "model/tag_walks.h"
#include "platform/profile_file.h"

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

constexpr int kLastKeyLabelTag = 50;
// Sizes far beyond any printed or displayed font only make every paint of
// the picture take seconds, and overflow the conversion to pixels.
constexpr int kLargestFontSize = 1638;

void readFactoryDefaultRecord(FormModel& form, FontDescription& font, const std::string& mapPath,
                              const std::string& section) {
  const FontDescription factory = form.factoryDefaultFont();
  ReadFontRecord(font, mapPath, section, factory.colour, factory.name, pointsFromHeight(factory.height, form.dpi),
                 form.dpi);
}

}  // namespace

std::string LabelListPath(const std::string& mapPath) { return mapPath + "l"; }

bool WriteKeyboardMap(FormModel& form, IDialogs& dialogs, const std::string& mapPath) {
  GatherLabelTexts(form, form.labelList, 1, kMapTitleTag);
  if (!SaveLabelList(dialogs, form.labelList, LabelListPath(mapPath))) return false;
  WriteFontRecord(form[form.mapTitle].font, mapPath, kTitleSection, form.dpi);
  WriteFontRecord(form[form.groupBox(kFunctionKeys)].font, mapPath, kGroupBoxSection, form.dpi);
  WriteFontRecord(form[form.nameLabel0].font, mapPath, kKeyNameSection, form.dpi);
  WriteFontRecord(form[form.label0].font, mapPath, kKeyLabelSection, form.dpi);
  const ProfileFile map(mapPath);
  map.writeInt(kColourSection, kKeyColourKey, form[form.shape0].fill);
  map.writeInt(kColourSection, kBorderColourKey, form[form.shapeBack0].fill);
  map.writeInt(kColourSection, kAlignmentKey, form.alignmentIndex);
  return true;
}

void WriteFontRecord(const FontDescription& font, const std::string& mapPath, const std::string& section, int dpi) {
  const ProfileFile map(mapPath);
  map.writeInt(section, "Font.Color", font.colour);
  map.writeString(section, "Font.Name", font.name);
  map.writeInt(section, "Font.Size", pointsFromHeight(font.height, dpi));
  map.writeBool(section, "Font.fsBold", font.bold);
  map.writeBool(section, "Font.fsUnderline", font.underline);
  map.writeBool(section, "Font.fsItalic", font.italic);
}

void ReadFontRecord(FontDescription& font, const std::string& mapPath, const std::string& section, Colour defaultColour,
                    const std::string& defaultName, int defaultSize, int dpi) {
  const ProfileFile map(mapPath);
  font.colour = map.readInt(section, "Font.Color", defaultColour);
  font.name = map.readString(section, "Font.Name", defaultName);
  const int size = std::clamp(map.readInt(section, "Font.Size", defaultSize), -kLargestFontSize, kLargestFontSize);
  font.height = heightFromPoints(size, dpi);
  font.strikeOut = false;
  font.bold = map.readBool(section, "Font.fsBold", true);
  font.underline = map.readBool(section, "Font.fsUnderline", false);
  font.italic = map.readBool(section, "Font.fsItalic", false);
}

void ApplyMapLabels(FormModel& form, const std::string& mapPath) {
  LoadLabelList(form.labelList, LabelListPath(mapPath));
  ApplyLabelTexts(form, form.labelList, 1, kMapTitleTag);
}

void ApplyMapColours(FormModel& form, const std::string& mapPath) {
  const ProfileFile map(mapPath);
  const Colour keyColour = map.readInt(kColourSection, kKeyColourKey, form.factoryDefaultColour());
  form[form.shape0].fill = keyColour;
  const Colour borderColour = map.readInt(kColourSection, kBorderColourKey, form.factoryDefaultColour());
  form[form.shapeBack0].fill = borderColour;
  SetShapeColours(form, keyColour, 0, 0);
  SetShapeColours(form, borderColour, 1, 1);
  form.alignmentIndex = std::clamp(map.readInt(kColourSection, kAlignmentKey, kLayoutCenter), -1, 2);
  if (form.alignmentIndex >= 0) applyAlignment(form, form.alignmentIndex);
}

void ApplyMapFonts(FormModel& form, const std::string& mapPath) {
  readFactoryDefaultRecord(form, form[form.mapTitle].font, mapPath, kTitleSection);
  readFactoryDefaultRecord(form, form[form.groupBox(kFunctionKeys)].font, mapPath, kGroupBoxSection);
  SetGroupBoxFonts(form, form[form.groupBox(kFunctionKeys)].font, 0, kLastKeyLabelTag);
  readFactoryDefaultRecord(form, form[form.nameLabel0].font, mapPath, kKeyNameSection);
  SetLabelFonts(form, form[form.nameLabel0].font, 0, 0);
  readFactoryDefaultRecord(form, form[form.label0].font, mapPath, kKeyLabelSection);
  SetLabelFonts(form, form[form.label0].font, 1, kLastKeyLabelTag);
}

}  // namespace tastrix
