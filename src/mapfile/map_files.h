#pragma once
#include <string>
#include <vector>

#include "mapfile/core/map_storage.h"

namespace tastrix {

// The maps on disk. Saves write both files beside their targets first
// (NAME.zv.new, NAME.zvl.new), mark them complete (NAME.zv.ready), then put
// each in its target's place; a save cut short at any instant is finished or
// undone by the next open or save of the map, and until then the map reads
// as that save left it complete.
class DiskMapStorage : public MapStorage {
 public:
  bool fileExists(const std::string& path) const override;
  bool folderUsable(const std::string& mapPath) const override;
  std::string dialogStartFolder(const std::string& mapPath) const override;
  MapStamps stamps(const std::string& mapPath) const override;
  void finishInterruptedSave(const std::string& mapPath) override;
  std::unique_ptr<ProfileFile> readMapFile(const std::string& mapPath) const override;
  // Opened so that others may read it too, but not write it; one that another
  // program writes for a moment is waited for. Only its first lines are read.
  std::vector<std::string> readLabelList(const std::string& mapPath) const override;
  void replaceMapFiles(const std::string& mapPath, const ProfileFile& mapFile,
                       const std::string& labelListText) override;
};

}  // namespace tastrix
