#pragma once
#include <string>

namespace tastrix {

// The folder of a map path, normalised, names an existing folder.
bool FolderUsable(const std::string& mapPath);

// Where the file dialogs open: the current map's folder while it is usable,
// otherwise the program's own folder.
std::string DialogStartFolder(const std::string& currentMapPath);

}  // namespace tastrix
