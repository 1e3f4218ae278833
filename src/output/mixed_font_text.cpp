#include "output/mixed_font_text.h"

#include <usp10.h>

#include "output/font_fallback.h"
#include "output/run_comment.h"
#include "platform/system_library.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"

namespace tastrix {
namespace {

bool highSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool lowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// An accent or other mark drawn on the character before it.
bool combiningMark(wchar_t c) {
  WORD type = 0;
  return GetStringTypeW(CT_CTYPE3, &c, 1, &type) && (type & C3_NONSPACING);
}

// Text in a bitmap font goes through GDI, as DrawText draws it; text in an
// outline font through Uniscribe, which also draws characters beyond the
// first 65536 and shapes scripts whose letters join.
class RunText {
 public:
  RunText(HDC dc, HFONT font, const std::wstring& text) : dc_(dc), text_(text), selected_(dc, font) {
    bitmap_ = BitmapFontSelected(dc);
    if (bitmap_) return;
    static const auto analyse = SystemFunction<decltype(&ScriptStringAnalyse)>(kUniscribe, "ScriptStringAnalyse");
    const int length = static_cast<int>(text.size());
    if (FAILED(analyse(dc, text.data(), length, length * 3 / 2 + 16, -1, SSA_GLYPHS, 0, nullptr, nullptr, nullptr,
                       nullptr, nullptr, &analysis_)))
      analysis_ = nullptr;
  }
  ~RunText() {
    static const auto free = SystemFunction<decltype(&ScriptStringFree)>(kUniscribe, "ScriptStringFree");
    if (analysis_) free(&analysis_);
  }
  RunText(const RunText&) = delete;
  RunText& operator=(const RunText&) = delete;

  // The width each 16-bit unit adds.
  std::vector<int> widths() const {
    std::vector<int> widths(text_.size());
    if (analysis_) {
      static const auto logical = SystemFunction<decltype(&ScriptStringGetLogicalWidths)>(
          kUniscribe, "ScriptStringGetLogicalWidths");
      logical(analysis_, widths.data());
    } else if (bitmap_) {
      std::vector<int> ends(text_.size());
      SIZE size{};
      GetTextExtentExPointW(dc_, text_.data(), static_cast<int>(text_.size()), 0, nullptr, ends.data(), &size);
      for (std::size_t i = 0; i < ends.size(); ++i) widths[i] = ends[i] - (i > 0 ? ends[i - 1] : 0);
    }
    return widths;
  }

  // Draws the text, `width` wide, with the top of its character cells at y.
  void draw(int x, int y, int width) const {
    if (bitmap_) {
      ExtTextOutW(dc_, x, y, 0, nullptr, text_.data(), static_cast<UINT>(text_.size()), nullptr);
    } else if (analysis_) {
      CommentTextRun(dc_, POINT{x, y}, width, text_);
      static const auto out = SystemFunction<decltype(&ScriptStringOut)>(kUniscribe, "ScriptStringOut");
      out(analysis_, x, y, 0, nullptr, 0, 0, FALSE);
    }
  }

 private:
  HDC dc_;
  const std::wstring& text_;
  Selection selected_;
  bool bitmap_ = false;
  SCRIPT_STRING_ANALYSIS analysis_ = nullptr;
};

}  // namespace

MixedFontText::MixedFontText(HDC dc, PaintCache& cache, const FontDescription& font, const std::wstring& text,
                             int width, bool wordWrap)
    : font_(static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT))) {
  std::vector<bool> marked;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool underlined = false;
    if (text[i] == L'&') {
      if (++i == text.size()) break;
      underlined = text[i] != L'&';
    }
    shown_ += text[i] == L'\t' ? L' ' : text[i];
    marked.push_back(underlined);
  }
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  lineHeight_ = metrics.tmHeight;
  ascent_ = metrics.tmAscent;
  wchar_t face[LF_FACESIZE] = L"";
  GetTextFaceW(dc, LF_FACESIZE, face);

  for (std::size_t at = 0; at < shown_.size();) {
    std::size_t end = at + 1;
    if (highSurrogate(shown_[at]) && end < shown_.size() && lowSurrogate(shown_[end])) ++end;
    while (end < shown_.size() && combiningMark(shown_[end])) ++end;
    Piece piece{at, end, font_, 0, shown_[at] == L' ', marked[at]};
    const std::wstring character = shown_.substr(at, end - at);
    if (!HasEveryGlyph(dc, character)) {
      const std::wstring fallback = FallbackFace(face, character);
      if (!fallback.empty()) {
        FontDescription linked = font;
        linked.name = Utf8FromWide(fallback);
        linked.charset = kDefaultCharset;  // a character set would outweigh the face
        piece.font = cache.font(linked);
      }
    }
    pieces_.push_back(piece);
    at = end;
  }
  for (std::size_t first = 0, last = 0; first < pieces_.size(); first = last) {
    while (last < pieces_.size() && pieces_[last].font == pieces_[first].font) ++last;
    measure(dc, first, last);
  }
  breakIntoLines(width, wordWrap);
}

void MixedFontText::measure(HDC dc, std::size_t first, std::size_t last) {
  const std::size_t begin = pieces_[first].begin;
  const std::wstring text = shown_.substr(begin, pieces_[last - 1].end - begin);
  const std::vector<int> widths = RunText(dc, pieces_[first].font, text).widths();
  for (std::size_t p = first; p < last; ++p)
    for (std::size_t unit = pieces_[p].begin; unit < pieces_[p].end; ++unit) pieces_[p].width += widths[unit - begin];
}

// As DrawText breaks: a line ends before the first character that does not
// fit, or at the last blank before it; blanks at a break are not drawn.
void MixedFontText::breakIntoLines(int width, bool wordWrap) {
  const std::size_t count = pieces_.size();
  for (std::size_t first = 0; first < count;) {
    std::size_t last = first;
    for (int used = 0; last < count && (!wordWrap || last == first || used + pieces_[last].width <= width); ++last)
      used += pieces_[last].width;
    std::size_t next = last;
    if (last < count && !pieces_[last].blank) {
      std::size_t blank = last;
      while (blank > first && !pieces_[blank - 1].blank) --blank;
      if (blank > first) last = next = blank;
    }
    if (next < count)
      while (last > first && pieces_[last - 1].blank) --last;
    lines_.push_back(Line{first, last});
    while (next < count && pieces_[next].blank) ++next;
    first = next;
  }
}

void MixedFontText::draw(HDC dc, const RECT& area) const {
  // The marks are lines, as DrawText draws its own, so a recording of the
  // picture keeps them as strokes.
  const Pen underline(CreatePen(PS_SOLID, 1, GetTextColor(dc)));
  const int saved = SaveDC(dc);
  SelectObject(dc, underline.get());
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  for (std::size_t l = 0; l < lines_.size(); ++l) {
    const Line& line = lines_[l];
    int lineWidth = 0;
    for (std::size_t p = line.first; p < line.last; ++p) lineWidth += pieces_[p].width;
    int x = area.left + (area.right - area.left - lineWidth) / 2;
    const int baseline = area.top + static_cast<int>(l) * lineHeight_ + ascent_;
    for (std::size_t first = line.first, last = first; first < line.last; first = last) {
      while (last < line.last && pieces_[last].font == pieces_[first].font) ++last;
      const std::size_t begin = pieces_[first].begin;
      const std::wstring text = shown_.substr(begin, pieces_[last - 1].end - begin);
      const RunText run(dc, pieces_[first].font, text);
      TEXTMETRICW metrics{};
      GetTextMetricsW(dc, &metrics);
      int runWidth = 0;
      for (std::size_t p = first; p < last; ++p) runWidth += pieces_[p].width;
      run.draw(x, baseline - metrics.tmAscent, runWidth);
      for (std::size_t p = first; p < last; ++p) {
        if (pieces_[p].underlined) {
          MoveToEx(dc, x, baseline + 1, nullptr);
          LineTo(dc, x + pieces_[p].width - 1, baseline + 1);
        }
        x += pieces_[p].width;
      }
    }
  }
  RestoreDC(dc, saved);
}

}  // namespace tastrix
