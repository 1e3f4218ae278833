#include "text/label_list_text.h"

#include <algorithm>

namespace tastrix {

void LabelListSplitter::endLine() {
  lines_.push_back(std::move(current_));
  current_.clear();
  lineOpen_ = false;
  if (lines_.size() >= maxLines_) ended_ = true;
}

void LabelListSplitter::feed(const char* data, size_t size) {
  const char* const end = data + size;
  while (data < end && wantsMore()) {
    if (afterCR_) {
      afterCR_ = false;
      if (*data == '\n') {
        ++data;
        continue;
      }
    }
    const char* stop = std::find_if(data, end, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    if (stop > data) {
      lineOpen_ = true;
      current_.append(data, stop);
    }
    if (stop == end) return;
    if (*stop == '\0') {
      ended_ = true;
      return;
    }
    afterCR_ = *stop == '\r';
    endLine();
    data = stop + 1;
  }
}

std::vector<std::string> LabelListSplitter::finish() {
  if (lineOpen_ && lines_.size() < maxLines_) endLine();
  ended_ = true;
  return std::move(lines_);
}

}  // namespace tastrix
