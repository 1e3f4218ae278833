#pragma once
#include <windows.h>

#include "model/map_document.h"
#include "model/picture_layout.h"
#include "platform/win32_handles.h"

namespace tastrix {

// The picture kept drawn in a bitmap of its own. A paint copies from it what
// the window shows; it is drawn again only when the document's revision moves
// or the window says so (another dpi, other system colours), so scrolling and
// exposure cost one copy.
// Only the columns a paint needs are drawn, the rest when first shown, so a
// window showing half the picture draws half of it. Its pixels are exactly
// those paintPicture draws.
class RetainedPicture {
 public:
  // Copies the part `area` of the client area, scrolled left by scrollX, into dc.
  void show(HDC dc, const MapDocument& document, const PictureLayout& layout, int scrollX, const RECT& client,
            const RECT& area);
  // The system's colours or settings, or the dpi, changed: the next show draws again.
  void invalidate() { drawn_ = false; }

 private:
  void draw(HDC canvas, const KeyboardMap& map, const PictureLayout& layout, int left, int right);

  Bitmap bitmap_;
  int width_ = 0, height_ = 0;
  bool drawn_ = false;
  unsigned long long drawnRevision_ = 0;
  int drawnLeft_ = 0, drawnRight_ = 0;  // the columns drawn so far, unscrolled
};

}  // namespace tastrix
