#include "output/picture_render.h"

#include "output/picture_painter.h"
#include "platform/core/errors.h"
#include "platform/gdi_values.h"

namespace tastrix {

Bitmap RenderKeyboardPicture(const KeyboardMap& map, const PictureLayout& layout, FontFaces faces) {
  const int width = layout.pictureWidth();
  const int height = layout.pictureHeight();
  const BITMAPINFO info = topDownBitmapInfo(width, height);
  const MemoryDC canvas(nullptr);
  void* bits = nullptr;
  Bitmap picture(CreateDIBSection(canvas.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!canvas.get() || !picture.valid()) throwGdiError();
  {
    const Selection select(canvas.get(), picture.get());
    if (!select.selected()) throwGdiError();
    paintPicture(canvas.get(), map, layout, 0, RECT{0, 0, width, height}, faces);
    GdiFlush();
  }
  return picture;
}

}  // namespace tastrix
