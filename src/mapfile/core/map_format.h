#pragma once
#include <string>

#include "model/form_model.h"
#include "text/ini_text.h"
#include "text/profile_source.h"

namespace tastrix {

// The label list file travels beside the keyboard map file.
std::string LabelListPath(const std::string& mapPath);

// The map file's entries written: the four font records and the colour
// section, into the old file's entries, whose other lines stay.
void WriteMapEntries(const FormModel& form, ProfileTarget& map);
// The same for a map file in the system code page: its new text.
std::string MapFileText(const FormModel& form, const std::string& oldText);

// A font record stores the size in points, as the model holds it.
void WriteFontRecord(ProfileTarget& map, const FontDescription& font, const std::string& section);
void ReadFontRecord(FontDescription& font, const ProfileSource& map, const std::string& section, Colour defaultColour,
                    const std::string& defaultName, int defaultSize);

// The colours with the alignment, and the four fonts, of a map file read into
// the window's components; missing entries give the factory defaults.
void ApplyMapColours(FormModel& form, const ProfileSource& map);
void ApplyMapFonts(FormModel& form, const ProfileSource& map);

}  // namespace tastrix
