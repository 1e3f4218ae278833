#pragma once
#include <string>
#include <vector>

#include "mapfile/map_storage.h"

namespace tastrix {

// Empties the list, then fills it from the file when one exists (opened so
// others may read it too, but not write it). Raises "Cannot open file <path>"
// when it exists but cannot be opened.
void LoadLabelList(std::vector<std::string>& list, const std::string& path);

// Writes the label list file and the map file (its old text with the four
// font records and the colour section written in) as one change: both files
// are replaced, or neither is. False when the label list could not be
// written: the user was told. A map file that cannot be written raises
// "Unable to write to <path>".
bool WriteKeyboardMap(FormModel& form, IDialogs& dialogs, const std::string& mapPath);

// Each reads one kind of map content into the window's components; missing
// files, sections and entries give the factory defaults. A file that exists
// but cannot be read raises "Cannot open file <path>" before anything changes.
void ApplyMapLabels(FormModel& form, const std::string& mapPath);
void ApplyMapColours(FormModel& form, const std::string& mapPath);
void ApplyMapFonts(FormModel& form, const std::string& mapPath);

// The maps on disk, read through the platform's profile functions.
class DiskMapStorage : public MapStorage {
 public:
  bool fileExists(const std::string& path) const override;
  bool folderUsable(const std::string& mapPath) const override;
  std::string dialogStartFolder(const std::string& mapPath) const override;
  MapStamps stamps(const std::string& mapPath) const override;
  bool write(FormModel& form, IDialogs& dialogs, const std::string& mapPath) override;
  void requireReadable(const std::string& mapPath) const override;
  void applyLabels(FormModel& form, const std::string& mapPath) override;
  void applyColours(FormModel& form, const std::string& mapPath) override;
  void applyFonts(FormModel& form, const std::string& mapPath) override;
  void applyMap(FormModel& form, const std::string& mapPath) override;
};

}  // namespace tastrix
