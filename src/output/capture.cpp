#include "output/capture.h"

#include "platform/core/errors.h"

namespace tastrix {
namespace {

// The client size and scroll position a capture disturbs and puts back.
struct WindowView {
  int width;
  int height;
  int scroll;
};

// Puts the window back as it was, also when the capture is left by an
// exception, and then passes on a close request that came in meanwhile.
class ViewRestorer {
 public:
  explicit ViewRestorer(IAppWindow& window)
      : window_(window),
        saved_{window.clientWidth(), window.clientHeight(), window.scrollPosition()},
        outermost_(!window.captureState().running) {
    if (outermost_) window_.captureState().closeRequested = false;
    window_.captureState().running = true;
  }
  ~ViewRestorer() {
    window_.setClientSize(saved_.width, saved_.height);
    window_.setScrollPosition(saved_.scroll);
    window_.processMessages();
    if (!outermost_) return;
    window_.captureState().running = false;
    if (window_.captureState().closeRequested) PostMessageA(window_.handle(), WM_CLOSE, 0, 0);
  }
  ViewRestorer(const ViewRestorer&) = delete;
  ViewRestorer& operator=(const ViewRestorer&) = delete;

 private:
  IAppWindow& window_;
  WindowView saved_;
  bool outermost_;  // a command run while the window is narrowed can capture too
};

constexpr int kSliceWidth = 500;

Bitmap whiteScreenBitmap(int width, int height) {
  WindowDC screen(nullptr);
  Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  MemoryDC canvas(screen.get());
  if (!bitmap.valid() || !canvas.get()) throwGdiError();
  Selection select(canvas.get(), bitmap.get());
  if (!select.selected() || !PatBlt(canvas.get(), 0, 0, width, height, WHITENESS)) throwGdiError();
  return bitmap;
}

// The screen gives back no pixels for a part of the window that lies off it.
bool clientAreaOnScreen(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                    GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                    GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  RECT visible;
  IntersectRect(&visible, &client, &screen);
  return EqualRect(&visible, &client) != FALSE;
}

// Copies what the client area shows into the picture at the given column:
// straight from the screen, or, for a window partly off the screen, from the
// window's own rendering of the same view.
void copyClientArea(HWND hwnd, HBITMAP picture, int column, int width, int height) {
  WindowDC window(hwnd);
  MemoryDC canvas(window.get());
  if (!window.get() || !canvas.get()) throwGdiError();
  Selection select(canvas.get(), picture);
  if (!select.selected()) throwGdiError();
  if (clientAreaOnScreen(hwnd)) {
    if (!BitBlt(canvas.get(), column, 0, width, height, window.get(), 0, 0, SRCCOPY)) throwGdiError();
    return;
  }
  SetViewportOrgEx(canvas.get(), column, 0, nullptr);
  SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.get()), PRF_CLIENT);
}

}  // namespace

Bitmap CaptureKeyboardPicture(IAppWindow& window) {
  const PictureLayout& layout = window.layout();
  // Made before the window is disturbed: without the GDI resources for it,
  // the window is left alone.
  Bitmap picture = whiteScreenBitmap(layout.pictureWidth(), layout.pictureHeight());
  ViewRestorer restorer(window);
  // The window leaves what it draws over the picture (the keyboard focus) out
  // of its paints while a capture runs; what is on the screen already goes too.
  InvalidateRect(window.handle(), nullptr, FALSE);
  window.setClientSize(kSliceWidth, layout.pictureHeight());
  window.setScrollPosition(0);
  window.processMessages();

  window.setScrollPosition(0);
  for (int last = -1; window.scrollPosition() != last;) {
    window.processMessages();
    // Pixels are read next: the window must have painted what the scroll exposed.
    UpdateWindow(window.handle());
    const int position = window.scrollPosition();
    copyClientArea(window.handle(), picture.get(), position, window.clientWidth(), window.clientHeight());
    last = position;
    window.setScrollPosition(position + window.clientWidth());
    window.processMessages();
  }
  return picture;
}

}  // namespace tastrix
