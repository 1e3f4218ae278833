#pragma once
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace tastrix {

// Writes every line followed by CR LF. The new text goes to a temporary file
// beside the old one, which is replaced only once the new one is complete.
// When that fails, the information box explains and the result is false;
// the old file is then untouched.
bool SaveLabelList(IDialogs& dialogs, const std::vector<std::string>& list, const std::string& path);

// Empties the list, then fills it from the file when one exists (opened so
// others may read it too, but not write it). Raises "Cannot open file <path>"
// when it exists but cannot be opened.
void LoadLabelList(std::vector<std::string>& list, const std::string& path);

}  // namespace tastrix
