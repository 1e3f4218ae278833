#include "app/picture_painter.h"

#include "app/paint_cache.h"
#include "app/paint_components.h"

namespace tastrix {
namespace {

RECT onScreen(const FormModel& model, int index, int scrollX) {
  const Rect r = model.clientRect(index);
  return RECT{r.left - scrollX, r.top, r.right() - scrollX, r.bottom()};
}

bool drawn(const Component& c) {
  return c.visible && (c.kind == Kind::Label || c.kind == Kind::Shape || c.kind == Kind::GroupBox);
}

// Keeps the DC's clip region for the life of the object and puts the old one back.
class ClipScope {
 public:
  ClipScope(HDC dc, const RECT& area) : dc_(dc), saved_(SaveDC(dc)) {
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  }
  ~ClipScope() { RestoreDC(dc_, saved_); }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  HDC dc_;
  int saved_;
};

void paintComponent(HDC dc, PaintCache& cache, const FormModel& model, const Component& c, const RECT& area) {
  switch (c.kind) {
    case Kind::Shape: paintShape(dc, cache, c, area); break;
    case Kind::Label: paintLabel(dc, cache, c, area); break;
    case Kind::GroupBox: paintGroupBox(dc, cache, c, area, model.windowColour); break;
    default: break;
  }
}

}  // namespace

void paintPicture(HDC dc, const FormModel& model, int scrollX, const RECT& clip) {
  PaintCache cache;
  ClipScope paintArea(dc, clip);
  FillRect(dc, &clip, cache.brush(model.windowColour));

  for (int i = 0; i < static_cast<int>(model.components.size()); ++i) {
    const Component& c = model[i];
    if (!drawn(c)) continue;
    // A component shows only through its group box, and only where the paint needs it.
    RECT visible = onScreen(model, i, scrollX);
    const RECT own = visible;
    if (c.parent >= 0) {
      if (!drawn(model[c.parent])) continue;
      const RECT box = onScreen(model, c.parent, scrollX);
      if (!IntersectRect(&visible, &visible, &box)) continue;
    }
    if (!IntersectRect(&visible, &visible, &clip)) continue;
    ClipScope componentArea(dc, visible);
    paintComponent(dc, cache, model, c, own);
  }
}

}  // namespace tastrix
