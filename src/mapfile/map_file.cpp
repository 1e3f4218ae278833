#include "mapfile/map_file.h"

#include <algorithm>

#include "mapfile/label_list_file.h"
#include "model/alignment.h"
#include "model/key_catalogue.h"
#include "model/tag_walks.h"
#include "platform/errors.h"
#include "platform/file_probe.h"
#include "platform/profile_file.h"
#include "platform/staged_file.h"
#include "text/ini_text.h"
#include "text/label_list_text.h"
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

// The map file's new text: the old one with the four font records and the
// colour section written into it, every other line kept.
std::string mapFileText(const FormModel& form, const std::string& oldText) {
  IniText map(oldText);
  WriteFontRecord(map, form[form.mapTitle].font, kTitleSection, form.dpi);
  WriteFontRecord(map, form[form.groupBox(kFunctionKeys)].font, kGroupBoxSection, form.dpi);
  WriteFontRecord(map, form[form.nameLabel0].font, kKeyNameSection, form.dpi);
  WriteFontRecord(map, form[form.label0].font, kKeyLabelSection, form.dpi);
  map.set(kColourSection, kKeyColourKey, FormatProfileInt(form[form.shape0].fill));
  map.set(kColourSection, kBorderColourKey, FormatProfileInt(form[form.shapeBack0].fill));
  map.set(kColourSection, kAlignmentKey, FormatProfileInt(form.alignmentIndex));
  return map.text();
}

bool labelListNotSaved(IDialogs& dialogs, const std::string& path) {
  dialogs.message(MessageKind::Information, LabelListNotSavedText(path), Buttons::Ok);
  return false;
}

}  // namespace

std::string LabelListPath(const std::string& mapPath) { return mapPath + "l"; }

bool WriteKeyboardMap(FormModel& form, IDialogs& dialogs, const std::string& mapPath) {
  GatherLabelTexts(form, form.labelList, 1, kMapTitleTag);
  const std::string listPath = LabelListPath(mapPath);
  StagedFile list(listPath);
  if (list.write(JoinLabelListText(form.labelList)) != StagedFile::Result::Written)
    return labelListNotSaved(dialogs, listPath);

  // An old map file whose text cannot be read cannot be kept whole.
  std::string oldText;
  try {
    oldText = ReadWholeFile(mapPath);
  } catch (const PlatformError&) {
    throwUnableToWrite(mapPath);
  }
  if (IsUtf16Text(oldText)) throwUnableToWrite(mapPath);
  StagedFile map(mapPath);
  if (map.write(mapFileText(form, oldText)) != StagedFile::Result::Written) throwUnableToWrite(mapPath);

  switch (ReplaceTogether({&list, &map})) {
    case 0: return labelListNotSaved(dialogs, listPath);
    case 1: throwUnableToWrite(mapPath);
    default: return true;
  }
}

void WriteFontRecord(IniText& map, const FontDescription& font, const std::string& section, int dpi) {
  map.set(section, "Font.Color", FormatProfileInt(font.colour));
  map.set(section, "Font.Name", font.name);
  map.set(section, "Font.Size", FormatProfileInt(pointsFromHeight(font.height, dpi)));
  map.set(section, "Font.fsBold", FormatProfileBool(font.bold));
  map.set(section, "Font.fsUnderline", FormatProfileBool(font.underline));
  map.set(section, "Font.fsItalic", FormatProfileBool(font.italic));
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
  RequireReadable(mapPath);
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
  RequireReadable(mapPath);
  readFactoryDefaultRecord(form, form[form.mapTitle].font, mapPath, kTitleSection);
  readFactoryDefaultRecord(form, form[form.groupBox(kFunctionKeys)].font, mapPath, kGroupBoxSection);
  SetGroupBoxFonts(form, form[form.groupBox(kFunctionKeys)].font, 0, kLastKeyLabelTag);
  readFactoryDefaultRecord(form, form[form.nameLabel0].font, mapPath, kKeyNameSection);
  SetLabelFonts(form, form[form.nameLabel0].font, 0, 0);
  readFactoryDefaultRecord(form, form[form.label0].font, mapPath, kKeyLabelSection);
  SetLabelFonts(form, form[form.label0].font, 1, kLastKeyLabelTag);
}

}  // namespace tastrix
