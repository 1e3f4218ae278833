#pragma once
#include <string>
#include <vector>

namespace tastrix {

// The information box text when a label list file cannot be saved.
std::string LabelListNotSavedText(const std::string& path);

// Empties the list, then fills it from the file when one exists (opened so
// others may read it too, but not write it). Raises "Cannot open file <path>"
// when it exists but cannot be opened.
void LoadLabelList(std::vector<std::string>& list, const std::string& path);

}  // namespace tastrix
