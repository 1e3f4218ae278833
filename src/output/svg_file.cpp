#include <algorithm>
#include <cstdio>
#include <map>

#include "output/picture_painter.h"
#include "output/placed_text.h"
#include "output/vector_files.h"
#include "platform/gdi_values.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"

namespace tastrix {
namespace {

using Kind = PicturePiece::Kind;

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string colourText(COLORREF colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

// Text for XML, also inside quoted attributes: its markup characters escaped, and the control characters
// XML cannot hold (which the painter draws as boxes) as U+FFFD.
std::string escaped(const std::string& utf8) {
  std::string out;
  for (const char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) out += "\xEF\xBF\xBD";
        else out += c;
    }
  }
  return out;
}

// The reader's own font of the same kind stands in for a face it lacks.
const char* genericFamily(BYTE pitchAndFamily) {
  switch (pitchAndFamily & 0xF0) {
    case FF_ROMAN: return "serif";
    case FF_MODERN: return "monospace";
    case FF_SCRIPT: return "cursive";
    case FF_DECORATIVE: return "fantasy";
    default: return "sans-serif";
  }
}

// A font as the screen, which the painter measured it on, realizes it.
struct FontMeasure {
  int ascent, height, em;
  std::string family;  // CSS: the face as the map names it, then the kind of face
};

class FontMeasures {
 public:
  const FontMeasure& of(const LOGFONTW& font) {
    const std::string key(reinterpret_cast<const char*>(&font), sizeof font);
    const auto known = measures_.find(key);
    if (known != measures_.end()) return known->second;
    const Font realized(CreateFontIndirectW(&font));
    const Selection selected(screen_.get(), realized.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen_.get(), &metrics);
    std::string face;
    for (const char c : Utf8FromWide(std::wstring(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE))))
      face += (c == '\'' || c == '\\') ? std::string("\\") + c : std::string(1, c);
    const FontMeasure measure{metrics.tmAscent, metrics.tmHeight, metrics.tmHeight - metrics.tmInternalLeading,
                              "'" + face + "', " + genericFamily(metrics.tmPitchAndFamily)};
    return measures_.emplace(key, measure).first->second;
  }

 private:
  MemoryDC screen_{nullptr};
  std::map<std::string, FontMeasure> measures_;
};

// Lines are a pixel wide on pixel centres, as the painter draws them: edges
// are kept crisp, as on the screen, rather than smoothed into their neighbours.
class SvgWriter {
 public:
  SvgWriter(const KeyboardMap& map, const PictureLayout& layout)
      : map_(map), layout_(layout), placed_(PlaceTexts(map, layout)) {}

  std::string write() {
    const std::string width = number(layout_.pictureWidth()), height = number(layout_.pictureHeight());
    out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width + "\" height=\"" + height +
           "\" viewBox=\"0 0 " + width + " " + height + "\" xml:space=\"preserve\" shape-rendering=\"crispEdges\">\n";
    out_ += "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"" + colourText(rgbOf(kPictureBackground)) +
            "\"/>\n";
    bool inGroup = false;
    const std::vector<PicturePiece>& pieces = layout_.pieces();
    for (size_t i = 0; i < pieces.size(); ++i) {
      const PicturePiece& piece = pieces[i];
      if (piece.kind == Kind::GroupBox) {
        if (inGroup) out_ += "</g>\n";
        groupBox(i, piece);
        // The parts of its keys show only through the group box.
        const std::string id = "group" + std::to_string(piece.group);
        out_ += "<clipPath id=\"" + id + "\">" + rect(piece.bounds, "") + "</clipPath>\n<g clip-path=\"url(#" + id +
                ")\">\n";
        inGroup = true;
        continue;
      }
      if (piece.kind == Kind::KeyBorder || piece.kind == Kind::KeyFace)
        keyShape(piece.bounds, piece.kind == Kind::KeyFace ? map_.keyColour : map_.borderColour);
      texts(i, piece.bounds);
    }
    if (inGroup) out_ += "</g>\n";
    return out_ + "</svg>\n";
  }

 private:
  static std::string rect(const Rect& r, const std::string& paint) {
    return "<rect x=\"" + number(r.left) + "\" y=\"" + number(r.top) + "\" width=\"" + number(r.width) +
           "\" height=\"" + number(r.height) + "\"" + paint + "/>";
  }
  static std::string outline(double left, double top, double width, double height, COLORREF colour) {
    return "<rect x=\"" + number(left) + "\" y=\"" + number(top) + "\" width=\"" + number(width) + "\" height=\"" +
           number(height) + "\" fill=\"none\" stroke=\"" + colourText(colour) + "\"/>\n";
  }

  // A rounded rectangle with an outline one pixel wide inside its edge.
  void keyShape(const Rect& r, Colour fill) {
    const int corner = std::min(r.width, r.height) / 4;
    out_ += "<rect x=\"" + number(r.left + 0.5) + "\" y=\"" + number(r.top + 0.5) + "\" width=\"" +
            number(r.width - 1) + "\" height=\"" + number(r.height - 1) + "\" rx=\"" + number(corner / 2.0) +
            "\" fill=\"" + colourText(rgbOf(fill)) + "\" stroke=\"#000000\"/>\n";
  }

  // The box's background, its etched frame from half its caption's height
  // down (a dark line, a light one inside it), and the caption on the
  // background where it interrupts the frame.
  void groupBox(size_t index, const PicturePiece& piece) {
    const std::string background = " fill=\"" + colourText(rgbOf(kPictureBackground)) + "\"";
    out_ += rect(piece.bounds, background) + "\n";
    const PlacedText* caption = next_ < placed_.texts.size() && placed_.texts[next_].piece == index
                                    ? &placed_.texts[next_]
                                    : nullptr;
    const int captionHeight = caption ? fonts_.of(caption->font).height : 0;
    const Rect& b = piece.bounds;
    const int top = b.top + captionHeight / 2, height = b.bottom() - top;
    out_ += outline(b.left + 0.5, top + 0.5, b.width - 2, height - 2, GetSysColor(COLOR_BTNSHADOW));
    out_ += outline(b.left + 1.5, top + 1.5, b.width - 2, height - 2, GetSysColor(COLOR_BTNHIGHLIGHT));
    if (caption)
      out_ += rect(Rect{caption->origin.x, caption->origin.y, caption->width, captionHeight}, background) + "\n";
    texts(index, piece.bounds);
  }

  // A run's font and colour as attributes.
  std::string fontOf(const PlacedText& t) {
    const FontMeasure& font = fonts_.of(t.font);
    std::string out = " font-family=\"" + escaped(font.family) + "\" font-size=\"" + number(font.em) + "\"";
    if (t.font.lfWeight != FW_NORMAL && t.font.lfWeight != FW_DONTCARE)
      out += " font-weight=\"" + number(std::min(900, std::max(100, static_cast<int>(t.font.lfWeight) / 100 * 100))) + "\"";
    if (t.font.lfItalic) out += " font-style=\"italic\"";
    if (t.font.lfUnderline || t.font.lfStrikeOut)
      out += std::string(" text-decoration=\"") + (t.font.lfUnderline ? "underline" : "") +
             (t.font.lfUnderline && t.font.lfStrikeOut ? " " : "") + (t.font.lfStrikeOut ? "line-through" : "") + "\"";
    return out + " fill=\"" + colourText(t.colour) + "\"";
  }

  // The piece's texts where the painter draws them, centred on their runs so
  // that a translated text stays in place; a text that leaves its piece is
  // cut at its edge, and one wholly outside it is not drawn.
  void texts(size_t index, const Rect& bounds) {
    bool clipMade = false;
    const auto clipFor = [&](int left, int top, int right, int bottom) -> std::string {
      if (left >= bounds.left && top >= bounds.top && right <= bounds.right() && bottom <= bounds.bottom()) return "";
      const std::string id = "piece" + std::to_string(index);
      if (!clipMade) out_ += "<clipPath id=\"" + id + "\">" + rect(bounds, "") + "</clipPath>\n";
      clipMade = true;
      return " clip-path=\"url(#" + id + ")\"";
    };
    const auto outside = [&](int left, int top, int right, int bottom) {
      return right <= bounds.left || left >= bounds.right() || bottom <= bounds.top || top >= bounds.bottom();
    };
    const std::vector<PlacedText>& all = placed_.texts;
    while (next_ < all.size() && all[next_].piece == index) {
      // A line drawn in several fonts (the characters the label's font lacks
      // drawn in others) is one run each, on one baseline, end to end: one <text>.
      const size_t first = next_;
      const int baseline = all[first].origin.y + fonts_.of(all[first].font).ascent;
      int top = all[first].origin.y, bottom = top + fonts_.of(all[first].font).height;
      for (++next_; next_ < all.size() && all[next_].piece == index &&
                    all[next_].origin.y + fonts_.of(all[next_].font).ascent == baseline &&
                    all[next_].origin.x == all[next_ - 1].origin.x + all[next_ - 1].width;
           ++next_) {
        top = std::min<int>(top, all[next_].origin.y);
        bottom = std::max(bottom, static_cast<int>(all[next_].origin.y) + fonts_.of(all[next_].font).height);
      }
      const int left = all[first].origin.x, right = all[next_ - 1].origin.x + all[next_ - 1].width;
      if (outside(left, top, right, bottom)) continue;
      const std::string clip = clipFor(left, top, right, bottom);
      out_ += "<text x=\"" + number((left + right) / 2.0) + "\" y=\"" + number(baseline) + "\"" + fontOf(all[first]) +
              " text-anchor=\"middle\"" + clip + ">";
      if (next_ - first == 1) out_ += escaped(Utf8FromWide(all[first].text));
      for (size_t i = first; next_ - first > 1 && i < next_; ++i)
        out_ += "<tspan" + fontOf(all[i]) + ">" + escaped(Utf8FromWide(all[i].text)) + "</tspan>";
      out_ += "</text>\n";
    }
    for (; nextStroke_ < placed_.strokes.size() && placed_.strokes[nextStroke_].piece == index; ++nextStroke_) {
      const PlacedStroke& s = placed_.strokes[nextStroke_];
      const int left = std::min(s.from.x, s.to.x), right = std::max(s.from.x, s.to.x) + 1;
      const int top = std::min(s.from.y, s.to.y), bottom = std::max(s.from.y, s.to.y) + 1;
      if (outside(left, top, right, bottom)) continue;
      const std::string clip = clipFor(left, top, right, bottom);
      out_ += "<line x1=\"" + number(s.from.x) + "\" y1=\"" + number(s.from.y + 0.5) + "\" x2=\"" + number(s.to.x) +
              "\" y2=\"" + number(s.to.y + 0.5) + "\" stroke=\"" + colourText(s.colour) + "\"" + clip + "/>\n";
    }
  }

  const KeyboardMap& map_;
  const PictureLayout& layout_;
  const PlacedTexts placed_;
  FontMeasures fonts_;
  size_t next_ = 0, nextStroke_ = 0;
  std::string out_;
};

}  // namespace

std::string SvgBytes(const KeyboardMap& map, const PictureLayout& layout) { return SvgWriter(map, layout).write(); }

}  // namespace tastrix
