#include "picture_pixels.h"

#include <ostream>
#include <sstream>

namespace tastrix::testing {

Pixels pixelsOf(HBITMAP bitmap) {
  BITMAP shape{};
  GetObjectA(bitmap, sizeof shape, &shape);
  Pixels p;
  p.width = shape.bmWidth;
  p.height = shape.bmHeight;
  p.values.resize(static_cast<size_t>(p.width) * static_cast<size_t>(p.height));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = p.width;
  info.bmiHeader.biHeight = -p.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  WindowDC screen(nullptr);
  GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(p.height), p.values.data(), &info, DIB_RGB_COLORS);
  for (uint32_t& v : p.values) v &= 0xFFFFFF;
  return p;
}

Pixels renderedPicture(TMainForm1& form) {
  const int width = form.model().pictureWidth(), height = form.model().pictureHeight();
  const int savedWidth = form.clientWidth(), savedScroll = form.scrollPosition();
  form.setClientWidth(width + 20);
  form.setScrollPosition(0);
  form.processMessages();
  WindowDC screen(nullptr);
  Bitmap picture(CreateCompatibleBitmap(screen.get(), width, height));
  {
    MemoryDC canvas(screen.get());
    Selection select(canvas.get(), picture.get());
    SendMessageA(form.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.get()), PRF_CLIENT);
  }
  form.setClientWidth(savedWidth);
  form.setScrollPosition(savedScroll);
  form.processMessages();
  return pixelsOf(picture.get());
}

std::string firstDifference(const Pixels& a, const Pixels& b) {
  std::ostringstream out;
  if (a.width != b.width || a.height != b.height) {
    out << "size " << a.width << "x" << a.height << " != " << b.width << "x" << b.height;
    return out.str();
  }
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (a.at(x, y) != b.at(x, y)) {
        out << x << "," << y << ": " << std::hex << a.at(x, y) << " != " << b.at(x, y);
        return out.str();
      }
  return "";
}

ViewState viewOf(TMainForm1& form) {
  ViewState v{form.clientWidth(), form.clientHeight(), form.scrollPosition(), {}, IsZoomed(form.hwnd()) != FALSE};
  GetWindowRect(form.hwnd(), &v.window);
  return v;
}

bool operator==(const ViewState& a, const ViewState& b) {
  return a.clientWidth == b.clientWidth && a.clientHeight == b.clientHeight && a.scroll == b.scroll &&
         EqualRect(&a.window, &b.window) && a.zoomed == b.zoomed;
}

std::ostream& operator<<(std::ostream& out, const ViewState& v) {
  return out << "client " << v.clientWidth << "x" << v.clientHeight << " scroll " << v.scroll << " window ("
             << v.window.left << "," << v.window.top << ")-(" << v.window.right << "," << v.window.bottom << ")"
             << (v.zoomed ? " maximized" : "");
}

}  // namespace tastrix::testing
