#include "platform/file_text.h"

#include "platform/wide_text.h"

namespace tastrix {
namespace {

bool bigEndian(TextEncoding encoding) { return encoding == TextEncoding::Utf16BigEndian; }

std::wstring fromUtf16(const std::string& bytes, size_t from, bool bigEndian) {
  std::wstring wide;
  wide.reserve((bytes.size() - from) / 2);
  for (size_t i = from; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
    wide.push_back(static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  return wide;
}

std::string toUtf16(const std::wstring& wide, bool bigEndian) {
  std::string bytes;
  bytes.reserve(wide.size() * 2);
  for (const wchar_t c : wide) {
    const char high = static_cast<char>((c >> 8) & 0xFF), low = static_cast<char>(c & 0xFF);
    bytes.push_back(bigEndian ? high : low);
    bytes.push_back(bigEndian ? low : high);
  }
  return bytes;
}

}  // namespace

std::string Utf8OfFileBytes(const std::string& bytes) {
  const TextEncoding encoding = EncodingOf(bytes);
  const size_t mark = ByteOrderMark(encoding).size();
  switch (encoding) {
    case TextEncoding::CodePage: return Utf8FromCodePage(CodePageText(bytes));
    case TextEncoding::Utf8: return bytes.substr(mark);
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian: break;
  }
  return Utf8FromWide(fromUtf16(bytes, mark, bigEndian(encoding)));
}

std::string MarkedBytes(const std::string& utf8, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf8) return ByteOrderMark(encoding) + utf8;
  return ByteOrderMark(encoding) + toUtf16(WideFromUtf8(utf8), bigEndian(encoding));
}

std::string TextFileBytes(const std::string& utf8, TextEncoding kept) {
  if (kept != TextEncoding::CodePage) return MarkedBytes(utf8, kept);
  if (const std::optional<CodePageText> spelt = ExactCodePageText(utf8)) return spelt->bytes();
  return MarkedBytes(utf8, TextEncoding::Utf8);
}

}  // namespace tastrix
