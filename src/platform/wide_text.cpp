#include "platform/wide_text.h"

#include <windows.h>

namespace tastrix {
namespace {

std::wstring widen(UINT codePage, const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string narrow(UINT codePage, DWORD flags, const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace

std::wstring WideFromUtf8(const std::string& utf8) { return widen(CP_UTF8, utf8); }
std::string Utf8FromWide(const std::wstring& wide) { return narrow(CP_UTF8, 0, wide); }

std::string Utf8FromCodePage(const CodePageText& text) { return Utf8FromWide(widen(CP_ACP, text.bytes())); }

CodePageText CodePageNameOf(const std::string& utf8, bool* exact) {
  CodePageText text(narrow(CP_ACP, WC_NO_BEST_FIT_CHARS, WideFromUtf8(utf8)));
  // Only the way back shows every loss: a combining accent, a character
  // spelt by a look-alike, one the code page lacks, bytes that are no UTF-8.
  if (exact) *exact = Utf8FromCodePage(text) == utf8;
  return text;
}

std::optional<CodePageText> ExactCodePageText(const std::string& utf8) {
  bool exact = false;
  CodePageText text = CodePageNameOf(utf8, &exact);
  if (!exact) return std::nullopt;
  return text;
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
