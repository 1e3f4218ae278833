#pragma once
#include <string>

namespace tastrix {

// What the settings file beside the program holds, in its section "tastrix".
struct Settings {
  int top = 0, left = 0, width = 0, height = 0;  // outer width, client height
  bool alwaysOnTop = false, autoRun = false, maximized = false;
  std::string mapPath;  // the current map, UTF-8
  bool unreadable = false;  // the file is there, but another program held it
};

// The settings file beside the executable.
std::string SettingsFilePath();

// The settings as the file gives them, each missing or unusable one as in
// the defaults: a value that is no whole number, and a width or height of 0
// or less or above 32767. A file that another program holds reads as none,
// and says so.
Settings ReadSettingsFile(const Settings& defaults);

// Writes every setting into the file's old text, whose other lines and
// encoding stay, and replaces the file whole in one step, or raises "Unable
// to write to <path>" and leaves it as it was. The map path goes in the code
// page where the code page spells it exactly; where it cannot (a character
// it lacks, or has only a look-alike of), a second key holds it in UTF-8
// beside what the code page gives.
void WriteSettingsFile(const Settings& settings);

}  // namespace tastrix
