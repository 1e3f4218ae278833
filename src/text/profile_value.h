#pragma once
#include <string>

namespace tastrix {

// Reads an integer as the settings and map files store it: signed decimal,
// "0x"/"0X" followed by hexadecimal digits, or "$" followed by hexadecimal
// digits. Anything else, or a value outside 32 bits, gives the default.
int ParseProfileInt(const std::string& text, int defaultValue);

// Booleans are integers; any non-zero value is true.
bool ParseProfileBool(const std::string& text, bool defaultValue);

std::string FormatProfileInt(int value);
std::string FormatProfileBool(bool value);

}  // namespace tastrix
