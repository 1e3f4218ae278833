#include "platform/file_text.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace tastrix {
namespace {

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

FileText DecodeFileText(const std::string& bytes) {
  FileText file;
  file.encoding = EncodingOf(bytes);
  const size_t mark = ByteOrderMark(file.encoding).size();
  switch (file.encoding) {
    case TextEncoding::CodePage: file.text = bytes; break;
    case TextEncoding::Utf8: file.text = bytes.substr(mark); break;
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian:
      file.text = Utf8FromWide(fromUtf16(bytes, mark, file.encoding == TextEncoding::Utf16BigEndian));
      break;
  }
  return file;
}

std::string FileText::bytes() const {
  switch (encoding) {
    case TextEncoding::CodePage: return text;
    case TextEncoding::Utf8: return ByteOrderMark(encoding) + text;
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian:
      return ByteOrderMark(encoding) + toUtf16(WideFromUtf8(text), encoding == TextEncoding::Utf16BigEndian);
  }
  return text;
}

std::string FileText::fromCodePage(const std::string& codePageText) const {
  return unicode() ? Utf8FromAnsi(codePageText) : codePageText;
}

std::string FileText::toCodePage(const std::string& fileText) const {
  return unicode() ? AnsiFromUtf8(fileText) : fileText;
}

const LeadBytes& CodePageLeadBytes() {
  static const LeadBytes leadBytes = [] {
    LeadBytes bytes;
    CPINFO info{};
    if (GetCPInfo(CP_ACP, &info))
      for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
        for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) bytes.set(static_cast<size_t>(b));
    return bytes;
  }();
  return leadBytes;
}

}  // namespace tastrix
