#pragma once
#include <string>

namespace tastrix {

// Whether another program holds a file open: "CLOSED", "OPEN", "NOT FOUND",
// "ERROR", or the empty text for an empty path or a missing file. Paths of
// 128 characters or more are too long to probe and count as "CLOSED".
std::string FileOpenStatus(const std::string& path);

// Sets exactly these attributes; true when they read back as set.
bool SetFileAttributeFlags(const std::string& path, bool readOnly, bool archive, bool system, bool hidden);

// Deletes the file unless another program holds it open (read-only or not);
// true when it is gone afterwards. A file that stays keeps its attributes.
bool DeleteIfNotInUse(const std::string& path);

}  // namespace tastrix
