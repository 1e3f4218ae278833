#pragma once
#include <string>

#include "text/text_encoding.h"

namespace tastrix {

// Text files as the program reads and writes them. Its own files are in the
// system code page; Notepad, other editors and the profile functions also
// leave UTF-8 and UTF-16 files with a byte order mark, which read as such and
// go back to the file so. The program's side is UTF-8 throughout.

// A file's text in UTF-8, without its byte order mark.
std::string Utf8OfFileBytes(const std::string& bytes);
// A file's bytes in a Unicode encoding: its mark, then the text.
std::string MarkedBytes(const std::string& utf8, TextEncoding encoding);

// The bytes of a file that replaces one of the encoding `kept`: Unicode
// stays Unicode; otherwise the file is in the code page when that spells
// the text exactly, and in UTF-8 with its mark when it does not.
std::string TextFileBytes(const std::string& utf8, TextEncoding kept);

}  // namespace tastrix
