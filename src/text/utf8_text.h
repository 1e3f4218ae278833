#pragma once
#include <cstddef>
#include <string>

namespace tastrix {

// The bytes of the first `characters` characters (code points) of UTF-8 text.
std::size_t Utf8Prefix(const std::string& text, std::size_t characters);

// The longest start of UTF-8 text that takes at most `bytes` bytes and ends
// between two characters.
std::string Utf8CutTo(const std::string& text, std::size_t bytes);

}  // namespace tastrix
