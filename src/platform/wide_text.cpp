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
std::wstring WideFromAnsi(const std::string& ansi) { return widen(CP_ACP, ansi); }
std::string Utf8FromAnsi(const std::string& ansi) { return Utf8FromWide(WideFromAnsi(ansi)); }
std::string AnsiFromUtf8(const std::string& utf8) { return narrow(CP_ACP, 0, WideFromUtf8(utf8)); }

std::string AnsiNameFromUtf8(const std::string& utf8, bool* exact) {
  const std::wstring wide = WideFromUtf8(utf8);
  const std::string name = narrow(CP_ACP, WC_NO_BEST_FIT_CHARS, wide);
  // Only the way back shows every loss: a combining accent, a character
  // spelt by a look-alike, one the code page lacks.
  if (exact) *exact = WideFromAnsi(name) == wide;
  return name;
}

}  // namespace tastrix
