#include "picture_pixels.h"

#include <commctrl.h>

#include <cstring>
#include <ostream>
#include <sstream>

#include "platform/gdi_values.h"

namespace tastrix::testing {

uint32_t patternAt(int x, int y) {
  const uint32_t red = static_cast<uint32_t>(x) & 0xFF;
  const uint32_t green = ((static_cast<uint32_t>(x) >> 8) & 0x7) | ((static_cast<uint32_t>(y) & 0x1F) << 3);
  const uint32_t blue = (static_cast<uint32_t>(y) >> 5) & 0x7F;
  return red << 16 | green << 8 | blue;
}

PatternWindow::PatternWindow(MainWindow& form) : form_(form), canvas_(nullptr) {
  const BITMAPINFO info = topDownBitmapInfo(kWidth, kHeight);
  void* bits = nullptr;
  surface_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) pixels[y * kWidth + x] = patternAt(x, y);
  selection_ = std::make_unique<Selection>(canvas_.get(), surface_.get());
  SetWindowSubclass(form.handle(), &PatternWindow::paint, 1, reinterpret_cast<DWORD_PTR>(this));
  InvalidateRect(form.handle(), nullptr, FALSE);
  form.processMessages();
}

PatternWindow::~PatternWindow() { RemoveWindowSubclass(form_.handle(), &PatternWindow::paint, 1); }

LRESULT CALLBACK PatternWindow::paint(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* window = reinterpret_cast<PatternWindow*>(self);
  if (msg == WM_PAINT) {
    PaintScope scope(hwnd);
    window->drawOn(scope.dc());
    return 0;
  }
  if (msg == WM_PRINTCLIENT) {
    window->drawOn(reinterpret_cast<HDC>(wParam));
    return 0;
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

void PatternWindow::drawOn(HDC dc) {
  BitBlt(dc, 0, 0, form_.clientWidth(), form_.clientHeight(), canvas_.get(), form_.scrollPosition(), 0, SRCCOPY);
}

uint32_t expectedPatternPicture(int scrollRange, int x, int y) {
  return x < scrollRange ? patternAt(x, y) : kWhitePixel;
}

Pixels pixelsOf(HBITMAP bitmap) {
  BITMAP shape{};
  GetObjectA(bitmap, sizeof shape, &shape);
  Pixels p;
  p.width = shape.bmWidth;
  p.height = shape.bmHeight;
  p.values.resize(static_cast<size_t>(p.width) * static_cast<size_t>(p.height));
  BITMAPINFO info = topDownBitmapInfo(p.width, p.height);
  WindowDC screen(nullptr);
  GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(p.height), p.values.data(), &info, DIB_RGB_COLORS);
  for (uint32_t& v : p.values) v &= 0xFFFFFF;
  return p;
}

Pixels renderedPicture(MainWindow& form) {
  const int width = form.layout().pictureWidth(), height = form.layout().pictureHeight();
  const int savedWidth = form.clientWidth(), savedScroll = form.scrollPosition();
  form.setClientSize(width + 20, form.clientHeight());
  form.setScrollPosition(0);
  form.processMessages();
  WindowDC screen(nullptr);
  Bitmap picture(CreateCompatibleBitmap(screen.get(), width, height));
  {
    MemoryDC canvas(screen.get());
    Selection select(canvas.get(), picture.get());
    SendMessageA(form.handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.get()), PRF_CLIENT);
  }
  form.setClientSize(savedWidth, form.clientHeight());
  form.setScrollPosition(savedScroll);
  form.processMessages();
  return pixelsOf(picture.get());
}

std::vector<POINT> drawnOverThePicture(MainWindow& form) {
  RedrawWindow(form.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  form.processMessages();
  const int width = form.clientWidth(), height = form.clientHeight();
  WindowDC window(form.handle());
  Bitmap shown(CreateCompatibleBitmap(window.get(), width, height));
  Bitmap rendered(CreateCompatibleBitmap(window.get(), width, height));
  {
    MemoryDC canvas(window.get());
    Selection toShown(canvas.get(), shown.get());
    BitBlt(canvas.get(), 0, 0, width, height, window.get(), 0, 0, SRCCOPY);
  }
  {
    MemoryDC canvas(window.get());
    Selection toRendered(canvas.get(), rendered.get());
    SendMessageA(form.handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.get()), PRF_CLIENT);
  }
  const Pixels a = pixelsOf(shown.get()), b = pixelsOf(rendered.get());
  std::vector<POINT> differing;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (a.at(x, y) != b.at(x, y)) differing.push_back(POINT{x, y});
  return differing;
}

namespace {

template <typename T>
T fieldAt(const std::string& bytes, size_t offset) {
  T value{};
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

}  // namespace

BmpFile parseBmp(const std::string& bytes) {
  BmpFile bmp;
  if (bytes.size() < sizeof bmp.file + sizeof bmp.info) return bmp;
  bmp.file = fieldAt<BITMAPFILEHEADER>(bytes, 0);
  bmp.info = fieldAt<BITMAPINFOHEADER>(bytes, sizeof bmp.file);
  if (bmp.info.biBitCount != 32 || bmp.info.biHeight <= 0) return bmp;
  bmp.pixels.width = bmp.info.biWidth;
  bmp.pixels.height = bmp.info.biHeight;
  const size_t rowBytes = static_cast<size_t>(bmp.pixels.width) * 4;
  if (bytes.size() < bmp.file.bfOffBits + rowBytes * static_cast<size_t>(bmp.pixels.height)) return bmp;
  for (int y = 0; y < bmp.pixels.height; ++y) {  // stored bottom row first
    const size_t row = bmp.file.bfOffBits + rowBytes * static_cast<size_t>(bmp.pixels.height - 1 - y);
    for (int x = 0; x < bmp.pixels.width; ++x)
      bmp.pixels.values.push_back(fieldAt<uint32_t>(bytes, row + static_cast<size_t>(x) * 4) & 0xFFFFFF);
  }
  return bmp;
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

ViewState viewOf(MainWindow& form) {
  ViewState v{form.clientWidth(), form.clientHeight(), form.scrollPosition(), {}, IsZoomed(form.handle()) != FALSE};
  GetWindowRect(form.handle(), &v.window);
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
