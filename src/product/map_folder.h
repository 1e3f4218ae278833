#pragma once
#include <functional>
#include <string>

namespace tastrix {

// Whether a folder exists; the disk answers in the program, a set of names in tests.
using FolderExists = std::function<bool(const std::string& folder)>;

// Whether the folder of a map path, normalised, names an existing folder:
// a Save writes there without asking for a name.
bool FolderUsable(const std::string& mapPath, const FolderExists& exists);

// Where the file dialogs open: the current map's folder while it is usable,
// otherwise the folder of the program's own path.
std::string DialogStartFolder(const std::string& mapPath, const std::string& programPath, const FolderExists& exists);

}  // namespace tastrix
