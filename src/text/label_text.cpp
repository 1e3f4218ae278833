#include "text/label_text.h"

namespace tastrix {

std::string SingleLineLabel(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      line += ' ';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      line += ' ';
    } else {
      line += c;
    }
  }
  return line;
}

std::string ShownLabelText(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && ++i == text.size()) break;
    shown += text[i];
  }
  return shown;
}

}  // namespace tastrix
