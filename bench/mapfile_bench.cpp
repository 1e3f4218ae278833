#include <windows.h>

#include <cstdlib>
#include <string>

#include "bench.h"
#include "no_dialogs.h"
#include "bench_files.h"
#include "mapfile/map_files.h"
#include "model/alignment.h"
#include "model/form_model.h"

namespace tastrix::bench {
namespace {

struct MapBench {
  BenchFolder folder;
  std::string mapPath, floorMap, floorList, mapBytes, listBytes;
  FormModel form;
  NoDialogs dialogs;

  void setUp() {
    folder.make("maps");
    mapPath = folder.file("bench.zv");
    folder.file("bench.zvl");
    floorMap = folder.file("floor.zv");
    floorList = folder.file("floor.zvl");
    form.setCaption(form.mapTitle, "Benchmark keyboard map");
    for (int p = 1; p <= kKeyCount; ++p) form.setCaption(form.keyLabel(p), "Command " + std::to_string(p));
    applyAlignment(form, kLayoutBottom);
    WriteKeyboardMap(form, dialogs, mapPath);
    mapBytes = readAll(mapPath);
    listBytes = readAll(mapPath + "l");
  }

  double fullSaveAndLoad() {
    return timeMs([this] {
      WriteKeyboardMap(form, dialogs, mapPath);
      ApplyMapLabels(form, mapPath);
      ApplyMapColours(form, mapPath);
      ApplyMapFonts(form, mapPath);
    });
  }

  double plainWriteAndRead() {
    return timeMs([this] {
      writeAll(floorList, listBytes);
      writeAll(floorMap, mapBytes);
      if (readAll(floorList).size() + readAll(floorMap).size() != listBytes.size() + mapBytes.size()) std::abort();
    });
  }

  void tearDown() { folder.remove(); }
};

MapBench& mapBench() {
  static MapBench bench;
  return bench;
}

Registration fullSaveLoad{BenchCase{
    "full save + full load",
    "plain write+read of the same bytes",
    [] { mapBench().setUp(); },
    [] { return mapBench().fullSaveAndLoad(); },
    [] { return mapBench().plainWriteAndRead(); },
    [] { mapBench().tearDown(); },
}, Target::ratio(10)};

// Saving over a map file that holds a large section of someone else's: the
// file is written once, so the save costs about what copying it costs.
struct LargeMapBench {
  BenchFolder folder;
  std::string mapPath, floorPath, bytes;
  FormModel form;
  NoDialogs dialogs;

  void setUp() {
    folder.make("large");
    mapPath = folder.file("large.zv");
    folder.file("large.zvl");
    floorPath = folder.file("floor.zv");
    std::string notes = "[Notes]\r\n";
    for (int i = 0; notes.size() < (50u << 20); ++i) notes += "note" + std::to_string(i) + "=kept as it is\r\n";
    writeAll(mapPath, notes);
    WriteKeyboardMap(form, dialogs, mapPath);
    bytes = readAll(mapPath);
  }

  double save() {
    return timeMs([this] { WriteKeyboardMap(form, dialogs, mapPath); });
  }

  double plainWriteAndRead() {
    return timeMs([this] {
      writeAll(floorPath, bytes);
      if (readAll(floorPath).size() != bytes.size()) std::abort();
    });
  }

  void tearDown() { folder.remove(); }
};

LargeMapBench& largeMapBench() {
  static LargeMapBench bench;
  return bench;
}

Registration largeMapSave{BenchCase{
    "save over a 50 MB map file",
    "plain write+read of the same bytes",
    [] { largeMapBench().setUp(); },
    [] { return largeMapBench().save(); },
    [] { return largeMapBench().plainWriteAndRead(); },
    [] { largeMapBench().tearDown(); },
    5,
}};

}  // namespace
}  // namespace tastrix::bench
