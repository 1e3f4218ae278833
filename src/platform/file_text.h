#pragma once
#include <string>

#include "text/ini_text.h"
#include "text/text_encoding.h"

namespace tastrix {

// A text file's content as the program works on it, and the encoding it goes
// back to the file in: in the system code page the bytes as they stand; for
// a file with a byte order mark (UTF-8, UTF-16) the text in UTF-8, without
// the mark. Notepad, other editors and the profile functions write all of them.
struct FileText {
  TextEncoding encoding = TextEncoding::CodePage;
  std::string text;

  bool unicode() const { return encoding != TextEncoding::CodePage; }
  // Text in the system code page to the file's encoding, and back.
  std::string fromCodePage(const std::string& codePageText) const;
  std::string toCodePage(const std::string& fileText) const;
  // The bytes of the file: the mark and the text in its encoding.
  std::string bytes() const;
};

FileText DecodeFileText(const std::string& bytes);

// The bytes that begin a two-byte character in the system code page.
const LeadBytes& CodePageLeadBytes();

}  // namespace tastrix
