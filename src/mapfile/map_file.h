#pragma once
#include <string>

#include "model/form_model.h"
#include "platform/dialogs.h"

namespace tastrix {

// The label list file travels beside the keyboard map file.
std::string LabelListPath(const std::string& mapPath);

// Writes the label list file, then the four font records and the colour
// section. False when the label list could not be written: the user was told
// and the map file is left as it was. A refused map file entry raises
// "Unable to write to <path>".
bool WriteKeyboardMap(FormModel& form, IDialogs& dialogs, const std::string& mapPath);

// Each reads one kind of map content into the window's components; missing
// files, sections and entries give the factory defaults.
void ApplyMapLabels(FormModel& form, const std::string& mapPath);
void ApplyMapColours(FormModel& form, const std::string& mapPath);
void ApplyMapFonts(FormModel& form, const std::string& mapPath);

// A font record stores the size in points; heights are pixels at dpi.
void WriteFontRecord(const FontDescription& font, const std::string& mapPath, const std::string& section, int dpi);
void ReadFontRecord(FontDescription& font, const std::string& mapPath, const std::string& section, Colour defaultColour,
                    const std::string& defaultName, int defaultSize, int dpi);

}  // namespace tastrix
