#include "output/retained_picture.h"

#include <algorithm>

#include "output/picture_painter.h"

namespace tastrix {

void RetainedPicture::draw(HDC canvas, const KeyboardMap& map, const PictureLayout& layout, int left, int right) {
  if (left < right) paintPicture(canvas, map, layout, 0, RECT{left, 0, right, height_});
}

void RetainedPicture::show(HDC dc, const MapDocument& document, const PictureLayout& layout, int scrollX,
                           const RECT& client, const RECT& area) {
  const KeyboardMap& map = document.map();
  const int width = std::max<int>(layout.scrollRange(), scrollX + client.right);
  const int height = client.bottom;
  if (width > width_ || height > height_) {
    // Grown only: shrinking the window or scrolling never draws again.
    width_ = std::max(width_, width);
    height_ = std::max(height_, height);
    bitmap_.reset(CreateCompatibleBitmap(dc, width_, height_));
    invalidate();
  }
  MemoryDC canvas(dc);
  if (!bitmap_.valid() || !canvas.get()) {
    // Without GDI objects to spare, the picture is painted straight on.
    width_ = height_ = 0;
    paintPicture(dc, map, layout, scrollX, area);
    return;
  }
  Selection select(canvas.get(), bitmap_.get());
  if (!drawn_ || document.revision() != drawnRevision_) {
    drawn_ = true;
    drawnRevision_ = document.revision();
    drawnLeft_ = drawnRight_ = 0;
  }
  // Painting any strip gives the pixels a whole paint gives there.
  const int left = area.left + scrollX, right = area.right + scrollX;
  if (drawnLeft_ == drawnRight_) {
    draw(canvas.get(), map, layout, left, right);
    drawnLeft_ = left;
    drawnRight_ = right;
  } else {
    draw(canvas.get(), map, layout, std::min(left, drawnLeft_), drawnLeft_);
    draw(canvas.get(), map, layout, drawnRight_, std::max(right, drawnRight_));
    drawnLeft_ = std::min(left, drawnLeft_);
    drawnRight_ = std::max(right, drawnRight_);
  }
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas.get(), left, area.top,
         SRCCOPY);
}

}  // namespace tastrix
