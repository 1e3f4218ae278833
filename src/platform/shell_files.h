#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace tastrix {

// The files of a drop from Explorer (WM_DROPFILES), full paths in UTF-8. The
// drop is let go: its memory is the receiver's to free.
std::vector<std::string> TakeDroppedFiles(HDROP drop);

// Adds a file to the user's recent documents: the Recent folder, and the
// jump list of the program its type opens with.
void AddToRecentDocuments(const std::string& path);

}  // namespace tastrix
