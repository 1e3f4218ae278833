#pragma once
#include <string>

namespace tastrix {

// A label is one line of the label list file: every line break in a typed
// or pasted text (CR LF, CR or LF) becomes one blank.
std::string SingleLineLabel(const std::string& text);

// A label as the picture shows it: an ampersand underlines the character after
// it and is not drawn, and "&&" draws one ampersand.
std::string ShownLabelText(const std::string& text);

}  // namespace tastrix
