#include "output/picture_painter.h"

#include <string>

#include "output/paint_pieces.h"
#include "product/product.h"

namespace tastrix {
namespace {

using Kind = PicturePiece::Kind;

// The window's own font, the notice line's.
FontDescription noticeFont() {
  FontDescription font;
  font.name = "Times New Roman";
  font.size = 11;
  return font;
}

RECT toRECT(const Rect& r) { return RECT{r.left, r.top, r.right(), r.bottom()}; }

// Saves the DC's state (clip region, origin) and puts it back at the end.
class DcState {
 public:
  explicit DcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~DcState() { RestoreDC(dc_, saved_); }
  DcState(const DcState&) = delete;
  DcState& operator=(const DcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

void clipTo(HDC dc, const RECT& area) { IntersectClipRect(dc, area.left, area.top, area.right, area.bottom); }

// Clips to one piece after another through a single region: far cheaper
// than saving and restoring the whole DC state around each of some 400.
class PieceClip {
 public:
  explicit PieceClip(HDC dc) : dc_(dc), region_(CreateRectRgn(0, 0, 0, 0)) {}
  // A rectangle in logical units, already inside the paint's own clip.
  void set(const RECT& area) {
    RECT device = area;
    LPtoDP(dc_, reinterpret_cast<POINT*>(&device), 2);
    SetRectRgn(region_.get(), device.left, device.top, device.right, device.bottom);
    SelectClipRgn(dc_, region_.get());
  }

 private:
  HDC dc_;
  GdiObject<HRGN> region_;
};

}  // namespace

void paintPiece(HDC dc, PaintCache& cache, const KeyboardMap& map, const PictureLayout& layout,
                const PicturePiece& piece) {
  const RECT area = toRECT(piece.bounds);
  const int dpi = layout.dpi();
  switch (piece.kind) {
    case Kind::Title:
      return paintText(dc, cache, map.title(), TextStyle{map.font(MapFont::Title), map.titleLayout, false}, area);
    case Kind::Notice:
      return paintText(dc, cache, std::string(kAppTitle) + "      " + kNoticeText,
                       TextStyle{noticeFont(), kLayoutCenter, false}, area);
    case Kind::GroupBox:
      return paintGroupBox(dc, cache, groupOf(piece.group).caption, map.font(MapFont::GroupNames), area,
                           kPictureBackground, dpi);
    case Kind::KeyBorder: return paintShape(dc, cache, map.borderColour, area, dpi);
    case Kind::KeyFace: return paintShape(dc, cache, map.keyColour, area, dpi);
    case Kind::KeyName:
      return paintText(dc, cache, keyAt(piece.position).legend, TextStyle{map.font(MapFont::KeyNames), kLayoutTop, false},
                       area);
    case Kind::KeyLabel:
      return paintText(dc, cache, map.labels[static_cast<size_t>(piece.position)],
                       TextStyle{map.font(MapFont::KeyLabels), map.labelLayout, true}, area);
  }
}

std::size_t shownLabelLength(HDC dc, const KeyboardMap& map, const PictureLayout& layout, int position) {
  PaintCache cache(layout.dpi());
  const Selection font(dc, cache.font(map.font(position == 0 ? MapFont::Title : MapFont::KeyLabels)));
  return laidOutLength(dc, map.labels[static_cast<size_t>(position)], toRECT(layout.labelPiece(position).bounds));
}

void paintPicture(HDC dc, const KeyboardMap& map, const PictureLayout& layout, int scrollX, const RECT& clip,
                  FontFaces faces) {
  PaintCache cache(layout.dpi(), faces);
  DcState picture(dc);
  clipTo(dc, clip);
  FillRect(dc, &clip, cache.brush(kPictureBackground));
  // Pieces are drawn at their unscrolled places and the origin does the
  // scrolling, so text centres round the same whatever the scroll position.
  OffsetViewportOrgEx(dc, -scrollX, 0, nullptr);
  RECT needed = clip;
  OffsetRect(&needed, scrollX, 0);
  PieceClip pieceClip(dc);

  for (const PicturePiece& piece : layout.pieces()) {
    // The parts of a key show only through their group box, and only where the paint needs them.
    RECT visible = toRECT(piece.bounds);
    if (piece.kind != Kind::GroupBox && piece.group != 0) {
      const RECT box = toRECT(layout.groupBox(piece.group));
      if (!IntersectRect(&visible, &visible, &box)) continue;
    }
    if (!IntersectRect(&visible, &visible, &needed)) continue;
    pieceClip.set(visible);
    paintPiece(dc, cache, map, layout, piece);
  }
}

}  // namespace tastrix
