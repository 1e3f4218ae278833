#pragma once
#include <string>

#include "model/form_model.h"
#include "platform/dialogs.h"

namespace tastrix {

class IniText;

// The label list file travels beside the keyboard map file.
std::string LabelListPath(const std::string& mapPath);

// Writes the label list file and the map file (its old text with the four
// font records and the colour section written in) as one change: both
// files are replaced, or neither is. False when the label list could not be
// written: the user was told. A map file that cannot be written raises
// "Unable to write to <path>".
bool WriteKeyboardMap(FormModel& form, IDialogs& dialogs, const std::string& mapPath);

// Each reads one kind of map content into the window's components; missing
// files, sections and entries give the factory defaults. A file that exists
// but cannot be read raises "Cannot open file <path>" before anything changes.
void ApplyMapLabels(FormModel& form, const std::string& mapPath);
void ApplyMapColours(FormModel& form, const std::string& mapPath);
void ApplyMapFonts(FormModel& form, const std::string& mapPath);

// A font record stores the size in points; heights are pixels at dpi.
void WriteFontRecord(IniText& map, const FontDescription& font, const std::string& section, int dpi);
void ReadFontRecord(FontDescription& font, const std::string& mapPath, const std::string& section, Colour defaultColour,
                    const std::string& defaultName, int defaultSize, int dpi);

}  // namespace tastrix
