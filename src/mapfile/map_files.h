#pragma once
#include <string>
#include <vector>

#include "mapfile/core/map_storage.h"

namespace tastrix {

// Empties the list, then fills it from the file when one exists (opened so
// others may read it too, but not write it; one that another program writes
// for a moment is waited for), each line whole. A file in UTF-8 or UTF-16
// is read as such. Raises "Cannot open file <path>" when it exists but cannot
// be opened.
void LoadLabelList(std::vector<std::string>& list, const std::string& path);

// Writes the label list file and the map file (its old text with the four
// font records and the colour section written in, in its old encoding) as
// one change: both files are replaced, or neither is, and a save cut short at
// any instant is finished or undone by the next open of the map. While it
// runs, NAME.zv.~lock says that a save of the map is under way (another one
// waits up to two seconds for it to end, then fails before it writes),
// NAME.zv.~new and NAME.zvl.~new hold the new files, NAME.zv.~old and
// NAME.zvl.~old the old ones, and NAME.zv.~ready says that both new files are
// complete. False when the label list could not be written: the user was
// told. A map file that cannot be written, a save under way in another
// window, or a file left by an earlier save that cannot be cleared away
// raises "Unable to write to <path>" naming the file.
bool WriteKeyboardMap(FormModel& form, IDialogs& dialogs, const std::string& mapPath);

// Finishes a save of the map that was cut short once it had written its
// marker, or undoes what it did before that; a save under way in another
// window is left to finish. False when something of it could not be done (a
// file held by another program, a save under way) and is still there.
bool FinishInterruptedSave(const std::string& mapPath);

// Each reads one kind of map content into the window's components; missing
// files, sections and entries give the factory defaults. A file that exists
// but cannot be read raises "Cannot open file <path>" before anything changes.
// While a save that was cut short waits to be finished, they read the map as
// that save left it complete, and change nothing on disk.
void ApplyMapLabels(FormModel& form, const std::string& mapPath);
void ApplyMapColours(FormModel& form, const std::string& mapPath);
void ApplyMapFonts(FormModel& form, const std::string& mapPath);

// The maps on disk.
class DiskMapStorage : public MapStorage {
 public:
  bool fileExists(const std::string& path) const override;
  bool folderUsable(const std::string& mapPath) const override;
  std::string dialogStartFolder(const std::string& mapPath) const override;
  MapStamps stamps(const std::string& mapPath) const override;
  void finishInterruptedSave(const std::string& mapPath) override;
  bool write(FormModel& form, IDialogs& dialogs, const std::string& mapPath) override;
  void requireReadable(const std::string& mapPath) const override;
  void applyLabels(FormModel& form, const std::string& mapPath) override;
  void applyColours(FormModel& form, const std::string& mapPath) override;
  void applyFonts(FormModel& form, const std::string& mapPath) override;
  void applyMap(FormModel& form, const std::string& mapPath) override;
};

}  // namespace tastrix
