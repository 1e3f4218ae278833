#include "platform/dialog_template.h"

namespace tastrix {

DialogTemplate::DialogTemplate(DWORD style, short cx, short cy, const wchar_t* fontName, WORD fontPoints) {
  appendDwords(style, 0);
  countAt_ = words_.size();
  words_.push_back(0);  // item count
  appendShorts({0, 0, cx, cy});
  words_.push_back(0);  // no menu
  words_.push_back(0);  // standard dialog class
  words_.push_back(0);  // empty title
  words_.push_back(fontPoints);
  appendText(fontName);
}

void DialogTemplate::addItem(DWORD style, short x, short y, short cx, short cy, WORD id, ControlClass kind,
                             const wchar_t* text) {
  if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD boundary
  appendDwords(style | WS_CHILD | WS_VISIBLE, 0);
  appendShorts({x, y, cx, cy});
  words_.push_back(id);
  words_.push_back(0xFFFF);
  words_.push_back(kind);
  appendText(text);
  words_.push_back(0);  // no creation data
  ++words_[countAt_];
}

void DialogTemplate::appendDwords(DWORD a, DWORD b) {
  for (DWORD d : {a, b}) {
    words_.push_back(LOWORD(d));
    words_.push_back(HIWORD(d));
  }
}

void DialogTemplate::appendShorts(std::initializer_list<short> values) {
  for (short v : values) words_.push_back(static_cast<WORD>(v));
}

void DialogTemplate::appendText(const wchar_t* text) {
  for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
  words_.push_back(0);
}

}  // namespace tastrix
