#pragma once
#include <string>

namespace tastrix {

// The program holds paths, names and what it shows as UTF-8; file contents
// and label texts stay in the system's 8-bit code page, byte for byte. These
// convert to and from the platform's 16-bit text at the calls that take it.
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);

// The system code page. `exact` tells whether every character had a byte
// sequence of its own (a character the code page lacks becomes "?").
std::wstring WideFromAnsi(const std::string& ansi);
std::string AnsiFromWide(const std::wstring& wide, bool* exact = nullptr);

std::string Utf8FromAnsi(const std::string& ansi);
std::string AnsiFromUtf8(const std::string& utf8, bool* exact = nullptr);

}  // namespace tastrix
