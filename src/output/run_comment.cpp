#include "output/run_comment.h"

#include <cstring>

namespace tastrix {
namespace {

constexpr char kMark[] = "TxRun";
constexpr size_t kMarkLength = sizeof kMark - 1;
constexpr size_t kHeader = kMarkLength + 3 * sizeof(LONG);

}  // namespace

void CommentTextRun(HDC dc, POINT origin, int width, const std::wstring& text) {
  std::string data(kMark, kMarkLength);
  for (const LONG value : {origin.x, origin.y, static_cast<LONG>(width)})
    data.append(reinterpret_cast<const char*>(&value), sizeof value);
  data.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  GdiComment(dc, static_cast<UINT>(data.size()), reinterpret_cast<const BYTE*>(data.data()));
}

bool ReadTextRunComment(const std::string& comment, POINT& origin, int& width, std::wstring& text) {
  if (comment.size() < kHeader || comment.compare(0, kMarkLength, kMark) != 0 ||
      (comment.size() - kHeader) % sizeof(wchar_t) != 0)
    return false;
  LONG values[3];
  std::memcpy(values, comment.data() + kMarkLength, sizeof values);
  origin = POINT{values[0], values[1]};
  width = static_cast<int>(values[2]);
  text.assign((comment.size() - kHeader) / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(&text[0], comment.data() + kHeader, text.size() * sizeof(wchar_t));
  return true;
}

}  // namespace tastrix
