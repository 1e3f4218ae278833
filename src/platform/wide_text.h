#pragma once
#include <optional>
#include <string>

#include "text/code_page_text.h"
#include "text/ini_text.h"

namespace tastrix {

// The program holds every text in UTF-8: labels, titles, font names, paths,
// what it shows. These convert to and from the platform's 16-bit text at the
// calls that take it.
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);

// ---- Text in the system's 8-bit code page, where a file holds it ----
std::string Utf8FromCodePage(const CodePageText& text);
// The code page's spelling of the text, where it spells every character
// exactly: nothing where it lacks one or has only a look-alike of it ("O"
// for "Ω", "e" for "é" in Shift-JIS), which would change the text.
std::optional<CodePageText> ExactCodePageText(const std::string& utf8);
// The text in the code page with "?" for a character it lacks, never a
// look-alike: a name spelt so names no other file, font or map. `exact`
// tells whether it converts back to the very same text.
CodePageText CodePageNameOf(const std::string& utf8, bool* exact = nullptr);
// The bytes that begin a two-byte character in the system code page.
const LeadBytes& CodePageLeadBytes();

}  // namespace tastrix
