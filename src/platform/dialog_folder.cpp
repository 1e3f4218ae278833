#include "platform/dialog_folder.h"

#include "platform/app_paths.h"
#include "platform/file_probe.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

std::string folderOf(const std::string& path) { return NormaliseDirectory(DirectoryPart(path)); }

}  // namespace

bool FolderUsable(const std::string& mapPath) {
  const std::string folder = folderOf(mapPath);
  return !folder.empty() && DirectoryExists(folder);
}

std::string DialogStartFolder(const std::string& currentMapPath) {
  return FolderUsable(currentMapPath) ? folderOf(currentMapPath) : folderOf(executablePath());
}

}  // namespace tastrix
