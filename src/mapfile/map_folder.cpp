#include "mapfile/map_folder.h"

#include "platform/file_probe.h"
#include "text/path_text.h"
#include "platform/app_paths.h"

namespace tastrix {

std::string MapFolder(const FormModel& form) {
  return form.currentMapPath.empty() ? std::string() : NormaliseDirectory(DirectoryPart(form.currentMapPath));
}

bool MapFolderUsable(const FormModel& form) {
  const std::string folder = MapFolder(form);
  return !folder.empty() && DirectoryExists(folder);
}

std::string DialogStartFolder(const FormModel& form) {
  return MapFolderUsable(form) ? MapFolder(form) : NormaliseDirectory(DirectoryPart(executablePath()));
}

}  // namespace tastrix
