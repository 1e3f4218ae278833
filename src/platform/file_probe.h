#pragma once
#include <windows.h>

#include <string>

#include "model/disk_stamp.h"
#include "platform/win32_handles.h"

namespace tastrix {

// Paths are UTF-8 and go to the platform's 16-bit file functions, so any name
// the file system holds can be used. A name that Windows takes for a device
// (OpensADevice: "com1.zv") is no file: it never exists, and reading it fails.

// Whether the system would open a device for the path: its final name is a
// device's (NamesADevice), or the full path the system makes of it is in the
// device namespace ("\\.\COM1"), however the name is spelt.
bool OpensADevice(const std::string& path);

// True when a file (not a folder) exists at the path.
bool FileExists(const std::string& path);

// True when a folder exists at the path.
bool DirectoryExists(const std::string& path);

// The path made full from the current folder, with "." and ".." resolved and
// the dots and blanks that end its name dropped, as Windows opens it.
std::string FullPath(const std::string& path);

// The path with each of its names in full, as the folder lists it: the long
// name of a name given in its short 8.3 form ("LONGMA~1.ZV"). The path as
// given when it names nothing there.
std::string LongPath(const std::string& path);

// The file's size, last write time and identity; a missing file has a stamp too.
DiskStamp StampOf(const std::string& path);

// Whether two paths, however spelt, name one file: the same file on disk, or
// for a file not there yet, the same name in the same folder.
bool SameFile(const std::string& first, const std::string& second);

// Raises "Cannot open file <path>" for a file that exists but cannot be
// opened for reading (held by another program, no permission).
void RequireReadable(const std::string& path);

// The file opened for reading, others using it as the sharing allows; one
// that another program holds against that for a moment (open for writing)
// is waited for. Not valid when it cannot be opened, or names a device.
UniqueHandle OpenForReading(const std::string& path, DWORD sharing);

// The first bytes of a file, at most count; empty when there is none or it
// cannot be read.
std::string FileStart(const std::string& path, size_t count);

// The whole file; empty when there is none. Raises "Cannot open file <path>"
// when it exists but cannot be read. Others may go on using the file as the
// sharing allows; one that another program holds against it for a moment
// (open for writing) is waited for.
std::string ReadWholeFile(const std::string& path,
                          DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);

}  // namespace tastrix
