#include "text/profile_value.h"

#include <cstdint>

namespace tastrix {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Up to eight hexadecimal digits; the 32 bits are taken as a signed value.
bool parseHex(const std::string& digits, int& out) {
  if (digits.empty()) return false;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int d = hexDigit(c);
    if (d < 0) return false;
    value = value * 16 + static_cast<unsigned>(d);
    if (value > 0xFFFFFFFFull) return false;
  }
  out = static_cast<int>(static_cast<std::uint32_t>(value));
  return true;
}

bool parseDecimal(const std::string& text, int& out) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL) return false;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return false;
  out = static_cast<int>(value);
  return true;
}

}  // namespace

int ParseProfileInt(const std::string& text, int defaultValue) {
  int value = defaultValue;
  bool ok;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    ok = parseHex(text.substr(2), value);
  else if (!text.empty() && text[0] == '$')
    ok = parseHex(text.substr(1), value);
  else
    ok = parseDecimal(text, value);
  return ok ? value : defaultValue;
}

bool ParseProfileBool(const std::string& text, bool defaultValue) {
  return ParseProfileInt(text, defaultValue ? 1 : 0) != 0;
}

std::string FormatProfileInt(int value) { return std::to_string(value); }

std::string FormatProfileBool(bool value) { return value ? "1" : "0"; }

}  // namespace tastrix
