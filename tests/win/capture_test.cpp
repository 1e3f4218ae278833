#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "picture_pixels.h"
#include "support/form_fixture.h"

namespace tastrix::testing {
namespace {

// Every pixel of the pattern has its own colour, and none is white, so a slice
// copied to the wrong place or a pixel copied from the wrong one shows.
uint32_t patternAt(int x, int y) {
  const uint32_t red = static_cast<uint32_t>(x) & 0xFF;
  const uint32_t green = ((static_cast<uint32_t>(x) >> 8) & 0x7) | ((static_cast<uint32_t>(y) & 0x1F) << 3);
  const uint32_t blue = (static_cast<uint32_t>(y) >> 5) & 0x7F;
  return red << 16 | green << 8 | blue;
}

// Makes the window paint the pattern instead of the keyboard, scrolled like
// the keyboard: what the capture copies can then be checked pixel by pixel.
class PatternWindow {
 public:
  static constexpr int kWidth = 4096, kHeight = 1200;

  explicit PatternWindow(TMainForm1& form) : form_(form), canvas_(nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    surface_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) pixels[y * kWidth + x] = patternAt(x, y);
    selection_ = std::make_unique<Selection>(canvas_.get(), surface_.get());
    SetWindowSubclass(form.hwnd(), &PatternWindow::paint, 1, reinterpret_cast<DWORD_PTR>(this));
    InvalidateRect(form.hwnd(), nullptr, FALSE);
    form.processMessages();
  }
  ~PatternWindow() { RemoveWindowSubclass(form_.hwnd(), &PatternWindow::paint, 1); }

 private:
  static LRESULT CALLBACK paint(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
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
  void drawOn(HDC dc) {
    BitBlt(dc, 0, 0, form_.clientWidth(), form_.clientHeight(), canvas_.get(), form_.scrollPosition(), 0, SRCCOPY);
  }

  TMainForm1& form_;
  MemoryDC canvas_;
  Bitmap surface_;
  std::unique_ptr<Selection> selection_;
};

class CaptureOfThePicture : public FormTest {
 protected:
  // Captures from the window as it is now and checks the picture and that the
  // window is left as it was.
  Pixels capture() {
    const ViewState before = viewOf(form());
    const bool changed = model().changed;
    const Bitmap picture = form().CaptureKeyboardPicture();
    EXPECT_EQ(viewOf(form()), before);
    EXPECT_EQ(model().changed, changed);
    return pixelsOf(picture.get());
  }

  // The whole pattern from the unscrolled client origin, except the columns
  // right of the scroll range, which no view of the window reaches.
  void expectPatternPicture(const Pixels& p) {
    ASSERT_EQ(p.width, 1528);
    ASSERT_EQ(p.height, 461);
    const int reachable = model().scrollRange();
    ASSERT_EQ(p.width - reachable, 3);
    int wrong = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        const uint32_t expected = x < reachable ? patternAt(x, y) : kWhitePixel;
        if (p.at(x, y) != expected && ++wrong <= 5)
          ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << p.at(x, y) << ", not " << expected;
      }
    EXPECT_EQ(wrong, 0);
  }
};

TEST_F(CaptureOfThePicture, FromTheWindowAsItStartsCopiesEverySlice) {
  startForm();
  PatternWindow pattern(form());
  expectPatternPicture(capture());
}

TEST_F(CaptureOfThePicture, FromANarrowScrolledWindow) {
  startForm();
  form().setClientWidth(300);
  form().setClientHeight(200);
  form().setScrollPosition(700);
  form().processMessages();
  ASSERT_EQ(form().scrollPosition(), 700);
  PatternWindow pattern(form());
  expectPatternPicture(capture());
}

TEST_F(CaptureOfThePicture, FromAWindowWiderAndTallerThanThePicture) {
  startForm();
  form().setClientWidth(1600);
  form().setClientHeight(600);
  form().processMessages();
  ASSERT_EQ(form().clientWidth(), 1600);
  PatternWindow pattern(form());
  expectPatternPicture(capture());
}

TEST_F(CaptureOfThePicture, FromAMaximizedScrolledWindowThatStaysMaximized) {
  startForm();
  ShowWindow(hwnd(), SW_MAXIMIZE);
  form().processMessages();
  ASSERT_TRUE(IsZoomed(hwnd()));
  form().setScrollPosition(40);
  form().processMessages();
  PatternWindow pattern(form());
  expectPatternPicture(capture());
  EXPECT_TRUE(IsZoomed(hwnd()));
}

TEST_F(CaptureOfThePicture, FromAnAlwaysOnTopWindowScrolledToTheEnd) {
  startForm();
  command(ID_Always_On_Top);
  ASSERT_TRUE(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  form().setScrollPosition(model().scrollRange());
  form().processMessages();
  ASSERT_GT(form().scrollPosition(), 0);
  PatternWindow pattern(form());
  expectPatternPicture(capture());
  EXPECT_TRUE(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(CaptureOfThePicture, FromAWindowPartlyOffTheScreen) {
  startForm();
  SetWindowPos(hwnd(), nullptr, -350, -60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  form().setScrollPosition(200);
  form().processMessages();
  PatternWindow pattern(form());
  expectPatternPicture(capture());
}

TEST_F(CaptureOfThePicture, EqualsTheWindowsOwnRenderingOfTheKeyboard) {
  startForm();
  const Pixels rendered = renderedPicture(form());
  form().setClientWidth(420);
  form().setScrollPosition(333);
  form().processMessages();
  const Pixels captured = capture();
  ASSERT_EQ(captured.width, model().pictureWidth());
  ASSERT_EQ(captured.height, model().pictureHeight());
  EXPECT_EQ(firstDifference(captured, rendered), "");
  for (int x = captured.width - 3; x < captured.width; ++x)
    for (int y = 0; y < captured.height; ++y) ASSERT_EQ(captured.at(x, y), kWhitePixel) << x << "," << y;
}

}  // namespace
}  // namespace tastrix::testing
