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

std::string narrow(UINT codePage, const std::wstring& wide, bool* exact) {
  if (exact) *exact = true;
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  // UTF-8 spells every character; the other code pages say what they lost.
  BOOL lost = FALSE;
  BOOL* const lostFlag = codePage == CP_UTF8 ? nullptr : &lost;
  const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, lostFlag);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, nullptr, lostFlag);
  if (exact) *exact = !lost;
  return text;
}

}  // namespace

std::wstring WideFromUtf8(const std::string& utf8) { return widen(CP_UTF8, utf8); }
std::string Utf8FromWide(const std::wstring& wide) { return narrow(CP_UTF8, wide, nullptr); }
std::wstring WideFromAnsi(const std::string& ansi) { return widen(CP_ACP, ansi); }
std::string AnsiFromWide(const std::wstring& wide, bool* exact) { return narrow(CP_ACP, wide, exact); }
std::string Utf8FromAnsi(const std::string& ansi) { return Utf8FromWide(WideFromAnsi(ansi)); }
std::string AnsiFromUtf8(const std::string& utf8, bool* exact) { return AnsiFromWide(WideFromUtf8(utf8), exact); }

}  // namespace tastrix
