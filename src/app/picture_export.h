#pragma once
#include <stdexcept>
#include <string>

#include "text/export_options.h"

namespace tastrix {

// Why an export or a print failed: the picture would be written over the
// map's own files, the map could not be read, the picture not be made or
// written, or the printer failed. The text names the file and the reason.
class ExportFailure : public std::runtime_error {
 public:
  enum class Kind { Clash, MapUnreadable, PictureUnwritable, PrinterFailed };
  ExportFailure(Kind kind, const std::string& text) : std::runtime_error(text), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

struct ExportedPicture {
  std::string path;  // in full
  int width = 0;
  int height = 0;
  int dpi = 0;
};

// The keyboard picture of a map, written without a window: the map is read
// as the window's start-up reads it, into a picture laid out for 96 times the
// scale dots per inch, and written as PNG, EMF, SVG or BMP by the file's name. Relative
// paths start from the current folder. A picture that would take more than
// 1 GB of memory to make is refused. Neither the settings file nor the
// registry is touched, nor is a save of the map that was cut short finished.
// Raises ExportFailure.
ExportedPicture ExportPicture(const ExportRequest& request);

struct PrintedMap {
  std::string mapPath;  // in full
  std::string printer;
};

// The map, read as for an export, printed without a window on the printer
// named, or the default printer (PrintMap). Raises ExportFailure.
PrintedMap PrintMapFile(const PrintRequest& request);

}  // namespace tastrix
