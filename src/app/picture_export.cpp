#include "app/picture_export.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "app/startup_model.h"
#include "mapfile/core/map_commands.h"
#include "mapfile/map_files.h"
#include "mapfile/core/map_format.h"
#include "output/picture_file.h"
#include "output/print_job.h"
#include "platform/core/errors.h"
#include "platform/file_probe.h"
#include "platform/printer_dc.h"
#include "text/path_text.h"

namespace tastrix {
namespace {

// What one export may take of the memory of a 32-bit program, whose every
// allocation must also find room in its address space.
constexpr std::uint64_t kLargestExportMemory = 1024ull * 1024 * 1024;

[[noreturn]] void mapUnreadable(const std::string& path, const std::string& reason) {
  throw ExportFailure(ExportFailure::Kind::MapUnreadable,
                      "cannot read the keyboard map \"" + path + "\": " + reason);
}

[[noreturn]] void pictureUnwritable(const std::string& path, const std::string& reason) {
  throw ExportFailure(ExportFailure::Kind::PictureUnwritable,
                      "cannot write the picture \"" + path + "\": " + reason);
}

// The picture's bitmap and the file's bytes beside it (a BMP file as large
// as its pixels, or a PNG encoder's copy of them), and what drawing the
// largest font takes: a glyph is drawn whole however much of it shows, at
// up to 32 bytes for each square pixel of its height.
std::uint64_t memoryNeeded(const KeyboardMap& map, const PictureLayout& layout) {
  const std::uint64_t pixels = static_cast<std::uint64_t>(layout.pictureWidth()) * layout.pictureHeight();
  std::uint64_t fontHeight = 0;
  for (const FontDescription& font : map.fonts)
    fontHeight = std::max<std::uint64_t>(fontHeight, static_cast<std::uint64_t>(std::abs(heightFromPoints(font.size, layout.dpi()))));
  return pixels * 8 + fontHeight * fontHeight * 32;
}

// Never opened: a device may take the bytes, or never answer.
const char* const kDevice = "that is the name of a device, not of a file";

// The map read as the window's start-up reads it. A window loads a missing
// map as an empty one; a script that names one has a wrong name.
void readMap(MapDocument& document, const std::string& mapPath) {
  if (NamesADevice(mapPath)) mapUnreadable(mapPath, kDevice);
  PrepareStartupMap(document);
  DiskMapStorage storage;
  if (!storage.fileExists(mapPath)) mapUnreadable(mapPath, "there is no such file");
  try {
    LoadWholeMap(document, storage, mapPath);
  } catch (const PlatformError& e) {
    mapUnreadable(mapPath, e.what());
  }
}

// The map's label list is named after the map as given; a map given by its
// short name ("LONGMA~1.ZV") has its real list beside its long name too.
void refuseClash(const std::string& picturePath, const std::string& mapPath) {
  for (const std::string& mapFile : {mapPath, LabelListPath(mapPath), LabelListPath(LongPath(mapPath))})
    if (SameFile(picturePath, mapFile))
      throw ExportFailure(ExportFailure::Kind::Clash, "the picture \"" + picturePath +
                                                          "\" would be written over the keyboard map's own file \"" +
                                                          mapFile + "\"");
}

}  // namespace

ExportedPicture ExportPicture(const ExportRequest& request) {
  const std::string mapPath = FullPath(request.mapPath);
  ExportedPicture picture;
  picture.path = FullPath(request.picturePath);
  picture.dpi = 96 * request.scale;
  if (NamesADevice(mapPath)) mapUnreadable(mapPath, kDevice);
  if (NamesADevice(picture.path)) pictureUnwritable(picture.path, kDevice);
  refuseClash(picture.path, mapPath);

  MapDocument document;
  const PictureLayout layout(picture.dpi);
  readMap(document, mapPath);

  const std::uint64_t needed = memoryNeeded(document.map(), layout);
  if (needed > kLargestExportMemory)
    pictureUnwritable(picture.path, "the picture is too large: it would take " +
                                        std::to_string(needed / (1024 * 1024)) + " MB of memory, more than the " +
                                        std::to_string(kLargestExportMemory / (1024 * 1024)) + " MB an export may use");
  try {
    const FontFaces faces = request.scale > 1 ? FontFaces::OutlineOnly : FontFaces::AsChosen;
    writePictureFile(document.map(), layout, faces, picture.path);
  } catch (const PlatformError& e) {
    pictureUnwritable(picture.path, e.what());
  }
  picture.width = layout.pictureWidth();
  picture.height = layout.pictureHeight();
  return picture;
}

PrintedMap PrintMapFile(const PrintRequest& request) {
  PrintedMap printed;
  printed.mapPath = FullPath(request.mapPath);
  MapDocument document;
  readMap(document, printed.mapPath);
  PrinterChoice choice;
  choice.printer = request.printer;
  try {
    printed.printer = PrintMap(document.map(), printed.mapPath, choice);
  } catch (const PrintFailure& e) {
    throw ExportFailure(ExportFailure::Kind::PrinterFailed,
                        "cannot print \"" + printed.mapPath + "\"" +
                            (e.printer().empty() ? std::string() : " on \"" + e.printer() + "\"") + ": " + e.reason());
  }
  return printed;
}

}  // namespace tastrix
