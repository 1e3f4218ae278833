#pragma once
#include <string>
#include <vector>

namespace tastrix {

constexpr int kLargestExportScale = 8;

// A picture to write from a map without a window.
struct ExportRequest {
  std::string mapPath;
  std::string picturePath;
  int scale = 1;  // the picture is laid out and drawn this many times as large
};

// How a picture file is written, by its name's extension in any case: PNG,
// an enhanced metafile or SVG (the two vector pictures), a Windows bitmap for
// any other name.
enum class PictureFormat { Bitmap, Png, Emf, Svg };
PictureFormat PictureFormatOf(const std::string& path);

// A map to print without a window.
struct PrintRequest {
  std::string mapPath;
  std::string printer;  // "" for the default printer
};

// What the program's command line asks for.
struct CommandLineRequest {
  enum class Action { OpenWindow, ShowUsage, Export, Print, BadArguments };
  Action action = Action::OpenWindow;
  std::vector<std::string> maps;  // for OpenWindow: the files named, the map to open in the window
  ExportRequest picture;  // for Export
  PrintRequest print;     // for Print
  std::string problem;    // for BadArguments: one line saying what is wrong
};

// Reads the arguments after the program's name. The switches /export,
// /scale, /print, /printer and /? (also spelt with - or --, in any case)
// make it a command line of ours; any other arguments open the window, which
// opens the map that those that look like no switch name (as Explorer passes
// a file it opens) and ignores the rest as it always has.
CommandLineRequest ReadCommandLine(const std::vector<std::string>& arguments);

}  // namespace tastrix
