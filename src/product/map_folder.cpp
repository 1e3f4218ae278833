#include "product/map_folder.h"

#include "text/path_text.h"

namespace tastrix {
namespace {

std::string folderOf(const std::string& path) { return NormaliseDirectory(DirectoryPart(path)); }

}  // namespace

bool FolderUsable(const std::string& mapPath, const FolderExists& exists) {
  const std::string folder = folderOf(mapPath);
  return !folder.empty() && exists(folder);
}

std::string DialogStartFolder(const std::string& mapPath, const std::string& programPath, const FolderExists& exists) {
  return FolderUsable(mapPath, exists) ? folderOf(mapPath) : folderOf(programPath);
}

}  // namespace tastrix
