#include <windows.h>

#include <cstdlib>
#include <string>

#include "bench.h"
#include "bench_files.h"
#include "mapfile/core/map_commands.h"
#include "mapfile/map_files.h"

namespace tastrix::bench {
namespace {

struct MapBench {
  BenchFolder folder;
  std::string mapPath, floorMap, floorList, mapBytes, listBytes;
  MapDocument document;
  DiskMapStorage storage;

  void setUp() {
    folder.make("maps");
    mapPath = folder.file("bench.zv");
    folder.file("bench.zvl");
    floorMap = folder.file("floor.zv");
    floorList = folder.file("floor.zvl");
    document.setLabel(0, "Benchmark keyboard map");
    for (int p = 1; p <= kKeyCount; ++p) document.setLabel(p, "Command " + std::to_string(p));
    document.align(kLayoutBottom);
    SaveWholeMap(document.map(), storage, mapPath);
    mapBytes = readAll(mapPath);
    listBytes = readAll(mapPath + "l");
  }

  double fullSaveAndLoad() {
    return timeMs([this] {
      SaveWholeMap(document.map(), storage, mapPath);
      LoadWholeMap(document, storage, mapPath);
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
  KeyboardMap map;
  DiskMapStorage storage;

  void setUp() {
    folder.make("large");
    mapPath = folder.file("large.zv");
    folder.file("large.zvl");
    floorPath = folder.file("floor.zv");
    std::string notes = "[Notes]\r\n";
    for (int i = 0; notes.size() < (50u << 20); ++i) notes += "note" + std::to_string(i) + "=kept as it is\r\n";
    writeAll(mapPath, notes);
    SaveWholeMap(map, storage, mapPath);
    bytes = readAll(mapPath);
  }

  double save() {
    return timeMs([this] { SaveWholeMap(map, storage, mapPath); });
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
