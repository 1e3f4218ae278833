#include "output/picture_render.h"

#include "output/picture_painter.h"
#include "platform/errors.h"

namespace tastrix {

Bitmap RenderKeyboardPicture(const FormModel& model, FontFaces faces) {
  const int width = model.pictureWidth();
  const int height = model.pictureHeight();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const MemoryDC canvas(nullptr);
  void* bits = nullptr;
  Bitmap picture(CreateDIBSection(canvas.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!canvas.get() || !picture) throwGdiError();
  {
    const Selection select(canvas.get(), picture.get());
    if (!select.selected()) throwGdiError();
    paintPicture(canvas.get(), model, 0, RECT{0, 0, width, height}, faces);
    GdiFlush();
  }
  return picture;
}

}  // namespace tastrix
