#pragma once
#include <cstddef>
#include <string>

namespace tastrix {

// How a file's text is encoded, as its byte order mark tells: without one it
// is in the system's 8-bit code page.
enum class TextEncoding { CodePage, Utf8, Utf16LittleEndian, Utf16BigEndian };

TextEncoding EncodingOf(const std::string& bytes);

// The byte order mark a text of that encoding begins with (none for the code page).
std::string ByteOrderMark(TextEncoding encoding);

// The most bytes a byte order mark takes: all EncodingOf needs to see.
constexpr size_t kLongestByteOrderMark = 3;

}  // namespace tastrix
