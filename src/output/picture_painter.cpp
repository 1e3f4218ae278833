#include "output/picture_painter.h"

#include "output/paint_components.h"

namespace tastrix {
namespace {

RECT unscrolled(const FormModel& model, int index) {
  const Rect r = model.clientRect(index);
  return RECT{r.left, r.top, r.right(), r.bottom()};
}

bool drawn(const Component& c) {
  return c.visible && (c.kind == Kind::Label || c.kind == Kind::Shape || c.kind == Kind::GroupBox);
}

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

// Clips to one component after another through a single region: far cheaper
// than saving and restoring the whole DC state around each of some 400.
class ComponentClip {
 public:
  explicit ComponentClip(HDC dc) : dc_(dc), region_(CreateRectRgn(0, 0, 0, 0)) {}
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

void paintComponent(HDC dc, PaintCache& cache, const FormModel& model, const Component& c, const RECT& area) {
  switch (c.kind) {
    case Kind::Shape: paintShape(dc, cache, c, area, model.dpi()); break;
    case Kind::Label: paintLabel(dc, cache, c, area); break;
    case Kind::GroupBox: paintGroupBox(dc, cache, c, area, model.windowColour, model.dpi()); break;
    default: break;
  }
}

}  // namespace

std::size_t shownCaptionLength(HDC dc, const FormModel& model, int label) {
  PaintCache cache(model.dpi());
  const Selection font(dc, cache.font(model[label].font));
  return laidOutLength(dc, model[label].caption, unscrolled(model, label));
}

void paintPicture(HDC dc, const FormModel& model, int scrollX, const RECT& clip, FontFaces faces) {
  PaintCache cache(model.dpi(), faces);
  DcState picture(dc);
  clipTo(dc, clip);
  FillRect(dc, &clip, cache.brush(model.windowColour));
  // Components are drawn at their unscrolled places and the origin does the
  // scrolling, so text centres round the same whatever the scroll position.
  OffsetViewportOrgEx(dc, -scrollX, 0, nullptr);
  RECT needed = clip;
  OffsetRect(&needed, scrollX, 0);
  ComponentClip componentClip(dc);

  for (int i = 0; i < static_cast<int>(model.components().size()); ++i) {
    const Component& c = model[i];
    if (!drawn(c)) continue;
    // A component shows only through its group box, and only where the paint needs it.
    const RECT own = unscrolled(model, i);
    RECT visible = own;
    if (c.parent >= 0) {
      if (!drawn(model[c.parent])) continue;
      const RECT box = unscrolled(model, c.parent);
      if (!IntersectRect(&visible, &visible, &box)) continue;
    }
    if (!IntersectRect(&visible, &visible, &needed)) continue;
    componentClip.set(visible);
    paintComponent(dc, cache, model, c, own);
  }
}

}  // namespace tastrix
