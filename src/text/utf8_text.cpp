#include "text/utf8_text.h"

namespace tastrix {
namespace {

// The second to fourth bytes of a character in UTF-8.
bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::size_t Utf8Prefix(const std::string& text, std::size_t characters) {
  std::size_t end = 0;
  for (std::size_t counted = 0; end < text.size() && counted < characters; ++counted)
    do ++end;
    while (end < text.size() && continuationByte(text[end]));
  return end;
}

std::string Utf8CutTo(const std::string& text, std::size_t bytes) {
  if (text.size() <= bytes) return text;
  std::size_t end = bytes;
  while (end > 0 && continuationByte(text[end])) --end;
  return text.substr(0, end);
}

}  // namespace tastrix
