#pragma once
#include <string>

namespace tastrix {

// The running executable's full path, in UTF-8: the one place it is read.
// Tests point it elsewhere; the settings file, readme, auto-run value and
// dialog start folder all derive from it.
std::string executablePath();
void overrideExecutablePath(const std::string& path);

std::string executableDirectory();  // ending in "\"
std::string executableFileName();   // e.g. "tastrix.exe"

}  // namespace tastrix
