#pragma once
#include <string>

namespace tastrix {

// The question before a Save writes over an existing file: what names the
// kind of file ("Map", "Bitmap").
std::string OverwriteQuestion(const char* what, const std::string& path);

}  // namespace tastrix
