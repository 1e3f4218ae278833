#pragma once
#include <string>

#include "model/disk_stamp.h"

namespace tastrix {

// True when a file (not a folder) exists at the path.
bool FileExists(const std::string& path);

// True when a folder exists at the path.
bool DirectoryExists(const std::string& path);

// The file's size, last write time and identity; a missing file has a stamp too.
DiskStamp StampOf(const std::string& path);

// Raises "Cannot open file <path>" for a file that exists but cannot be
// opened for reading (held by another program, no permission).
void RequireReadable(const std::string& path);

// The whole file; empty when there is none. Raises "Cannot open file <path>"
// when it exists but cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace tastrix
