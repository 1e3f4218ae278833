#pragma once
#include <string>

namespace tastrix {

// True when a file (not a folder) exists at the path.
bool FileExists(const std::string& path);

// True when a folder exists at the path.
bool DirectoryExists(const std::string& path);

}  // namespace tastrix
