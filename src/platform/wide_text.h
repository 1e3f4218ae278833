#pragma once
#include <string>

namespace tastrix {

// The program holds paths, names and what it shows as UTF-8; file contents
// and label texts stay in the system's 8-bit code page, byte for byte. These
// convert to and from the platform's 16-bit text at the calls that take it.
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);

// Text in the system code page: a character it lacks becomes a look-alike
// it has ("Ω" as "O") or "?", as the platform's own text functions do.
std::wstring WideFromAnsi(const std::string& ansi);
std::string Utf8FromAnsi(const std::string& ansi);
std::string AnsiFromUtf8(const std::string& utf8);

// A file name, or text that names files, in the system code page: a
// character it lacks becomes "?", which no file name holds, never a
// look-alike that names another file ("Omega.zv" for "Ωmega.zv"). `exact`
// tells whether it converts back to the very same text.
std::string AnsiNameFromUtf8(const std::string& utf8, bool* exact = nullptr);

}  // namespace tastrix
