#pragma once
#include <string>
#include <vector>

#include "mapfile/core/map_storage.h"

namespace tastrix {

// The maps on disk. A save holds NAME.zv.~lock while it runs (another
// window's save of the map waits up to two seconds for it, then fails before
// it writes); it writes both new files beside their targets (NAME.zv.~new,
// NAME.zvl.~new), sets the old ones aside (NAME.~old), marks the change
// complete (NAME.zv.~ready), then puts each new file in its target's place.
// A save cut short at any instant is finished or undone by the next open or
// save of the map, and until then the map reads as that save left it complete.
class DiskMapStorage : public MapStorage {
 public:
  // While a save cut short waits to be finished, a map's file may be away
  // from its name, beside it.
  bool fileExists(const std::string& path) const override;
  bool folderUsable(const std::string& mapPath) const override;
  std::string dialogStartFolder(const std::string& mapPath) const override;
  MapStamps stamps(const std::string& mapPath) const override;
  bool folderExists(const std::string& path) const override;
  void addToRecentDocuments(const std::string& mapPath) override;
  // Changes nothing where no save left anything, and leaves a save under way
  // in another window to finish.
  void finishInterruptedSave(const std::string& mapPath) override;
  std::unique_ptr<ProfileFile> readMapFile(const std::string& mapPath) const override;
  // Opened so that others may read it too, but not write it; one that another
  // program writes for a moment is waited for. Only its first lines are read.
  std::vector<std::string> readLabelList(const std::string& mapPath) const override;
  std::unique_ptr<MapSave> beginSave(const std::string& mapPath) override;
  void replaceMapFiles(const std::string& mapPath, const ProfileFile& mapFile,
                       const std::string& labelListText) override;
};

}  // namespace tastrix
