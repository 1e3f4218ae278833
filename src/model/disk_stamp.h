#pragma once
#include <cstdint>

namespace tastrix {

// What a file on disk looked like when the window last read or wrote it:
// enough to notice that another program has written it since. Saves put a
// new file in place, so its identity tells two saves apart even within one
// tick of a coarse file clock.
struct DiskStamp {
  bool exists = false;
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;  // in the platform's file time units
  std::uint32_t volume = 0;
  std::uint64_t fileIndex = 0;

  bool operator==(const DiskStamp& o) const {
    return exists == o.exists && size == o.size && lastWrite == o.lastWrite && volume == o.volume &&
           fileIndex == o.fileIndex;
  }
  bool operator!=(const DiskStamp& o) const { return !(*this == o); }
};

// The two files of a keyboard map.
struct MapStamps {
  DiskStamp mapFile, labelList;
  bool operator==(const MapStamps& o) const { return mapFile == o.mapFile && labelList == o.labelList; }
  bool operator!=(const MapStamps& o) const { return !(*this == o); }
};

}  // namespace tastrix
