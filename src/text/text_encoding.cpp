#include "text/text_encoding.h"

namespace tastrix {

TextEncoding EncodingOf(const std::string& bytes) {
  for (const TextEncoding encoding :
       {TextEncoding::Utf8, TextEncoding::Utf16LittleEndian, TextEncoding::Utf16BigEndian}) {
    const std::string mark = ByteOrderMark(encoding);
    if (bytes.compare(0, mark.size(), mark) == 0) return encoding;
  }
  return TextEncoding::CodePage;
}

std::string ByteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8: return "\xEF\xBB\xBF";
    case TextEncoding::Utf16LittleEndian: return "\xFF\xFE";
    case TextEncoding::Utf16BigEndian: return "\xFE\xFF";
    case TextEncoding::CodePage: break;
  }
  return std::string();
}

}  // namespace tastrix
