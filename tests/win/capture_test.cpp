#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "modal_probe.h"
#include "output/capture.h"
#include "picture_pixels.h"
#include "support/form_fixture.h"
#include "support/printers.h"

namespace tastrix::testing {
namespace {

class CaptureOfThePicture : public FormTest {
 protected:
  // Captures from the window as it is now and checks the picture and that the
  // window is left as it was.
  Pixels capture() {
    const ViewState before = viewOf(mainWindow());
    const bool changed = document().changed();
    const Bitmap picture = CaptureKeyboardPicture(mainWindow());
    EXPECT_EQ(viewOf(mainWindow()), before);
    EXPECT_EQ(document().changed(), changed);
    return pixelsOf(picture.get());
  }

  void expectPatternPicture(const Pixels& p) {
    ASSERT_EQ(p.width, 1528);
    ASSERT_EQ(p.height, 461);
    const int scrollRange = layout().scrollRange();
    ASSERT_EQ(p.width - scrollRange, 3);
    int wrong = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        const uint32_t expected = expectedPatternPicture(scrollRange, x, y);
        if (p.at(x, y) != expected && ++wrong <= 5)
          ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << p.at(x, y) << ", not " << expected;
      }
    EXPECT_EQ(wrong, 0);
  }
};

// As it starts, narrow and scrolled, wider and taller than the picture,
// maximized, always on top and scrolled to the end, partly off the screen:
// the picture is the same, and the window is left as it was.
TEST_F(CaptureOfThePicture, FromWindowsOfEverySizeScrollAndPlace) {
  const struct {
    const char* what;
    std::function<void()> arrange;
    int scroll;
  } views[] = {
      {"as it starts", [] {}, 0},
      {"narrow", [this] { mainWindow().setClientSize(300, 200); }, 700},
      {"wide and tall", [this] { mainWindow().setClientSize(1600, 600); }, 0},
      {"maximized",
       [this] {
         ShowWindow(hwnd(), SW_MAXIMIZE);
         EXPECT_TRUE(IsZoomed(hwnd()));
       },
       40},
      {"always on top",
       [this] {
         command(ID_Always_On_Top);
         EXPECT_TRUE(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
       },
       100000},
      {"partly off the screen",
       [this] { SetWindowPos(hwnd(), nullptr, -350, -60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); }, 200},
  };
  for (const auto& v : views) {
    SCOPED_TRACE(v.what);
    startForm();
    v.arrange();
    mainWindow().setScrollPosition(v.scroll);
    mainWindow().processMessages();
    const int end = std::max(0, layout().scrollRange() - mainWindow().clientWidth());
    ASSERT_EQ(mainWindow().scrollPosition(), std::min(v.scroll, end));
    const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_EXSTYLE);
    PatternWindow pattern(mainWindow());
    expectPatternPicture(capture());
    EXPECT_EQ(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE), style);
    dropForm();
  }
}

TEST_F(CaptureOfThePicture, EqualsTheWindowsOwnRenderingOfTheKeyboard) {
  startForm();
  const Pixels rendered = renderedPicture(mainWindow());
  const auto expectRendered = [&](const Pixels& captured) {
    ASSERT_EQ(captured.width, layout().pictureWidth());
    ASSERT_EQ(captured.height, layout().pictureHeight());
    EXPECT_EQ(firstDifference(captured, rendered), "");
    for (int x = captured.width - 3; x < captured.width; ++x)
      for (int y = 0; y < captured.height; ++y) ASSERT_EQ(captured.at(x, y), kWhitePixel) << x << "," << y;
  };
  mainWindow().setClientSize(420, mainWindow().clientHeight());
  mainWindow().setScrollPosition(333);
  mainWindow().processMessages();
  expectRendered(capture());

  SetWindowPos(hwnd(), nullptr, -200, 900, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  mainWindow().processMessages();
  expectRendered(capture());
}

// A close requested while the capture has the window narrowed (the user's
// Alt+F4 typed ahead) waits until the window is back: the command finishes,
// and the settings keep the window's own size, not the capture's.
// The close then goes ahead.
TEST_F(CaptureOfThePicture, ACloseRequestedDuringTheCaptureWaitsUntilTheWindowIsBack) {
  startForm();
  mainWindow().setScrollPosition(120);
  mainWindow().processMessages();
  const ViewState before = viewOf(mainWindow());
  const HWND window = hwnd();
  PostMessageA(window, WM_CLOSE, 0, 0);
  dialogs.answerFile(false);
  command(ID_Save_Bitmap_to_File);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].what, Dialog::SaveFile);
  EXPECT_FALSE(IsWindow(window)) << "the close request was lost";
  const std::string settings = readFile(settingsFile());
  EXPECT_NE(settings.find("window_Width=" + std::to_string(before.window.right - before.window.left) + "\r\n"),
            std::string::npos)
      << settings;
  EXPECT_NE(settings.find("window_Height=" + std::to_string(before.clientHeight) + "\r\n"), std::string::npos)
      << settings;
}

// Scrolling typed or wheeled ahead of Ctrl+S would move the view between two
// slices and leave columns of the picture white.
TEST_F(CaptureOfThePicture, ScrollingQueuedDuringTheCaptureIsIgnored) {
  startForm();
  mainWindow().setScrollPosition(200);
  PatternWindow pattern(mainWindow());
  for (int i = 0; i < 200; ++i) {
    PostMessageA(hwnd(), WM_KEYDOWN, i % 2 ? VK_RIGHT : VK_END, 0);
    PostMessageA(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, i % 2 ? -WHEEL_DELTA : WHEEL_DELTA), 0);
    PostMessageA(hwnd(), WM_HSCROLL, i % 2 ? SB_PAGERIGHT : SB_LEFT, 0);
  }
  expectPatternPicture(capture());
  EXPECT_EQ(mainWindow().scrollPosition(), 200);
}

// A click queued while the capture resizes and scrolls the window was aimed
// at the view the user saw, not at whatever the capture shows at that moment:
// it neither edits a label nor records a group nor opens the context menu.
TEST_F(CaptureOfThePicture, ClicksQueuedDuringTheCaptureDoNothing) {
  startForm();
  const POINT key = centreOf(layout().keyLabel(27));
  const PressGroup recorded = app().recordedGroup();
  PostMessageA(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(key.x, key.y));
  PostMessageA(hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(key.x, key.y));
  POINT screen = key;
  ClientToScreen(hwnd(), &screen);
  PostMessageA(hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd()), MAKELPARAM(screen.x, screen.y));
  const ShownMenu shown = menuShownBy([&] {
    dialogs.answerFile(false);
    command(ID_Save_Bitmap_to_File);
  });
  EXPECT_EQ(shown.menu, nullptr);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].what, Dialog::SaveFile);
  EXPECT_EQ(app().recordedGroup(), recorded);
  EXPECT_FALSE(document().changed());
  EXPECT_EQ(GetCapture(), nullptr);

  // Afterwards the same click edits the key under it as usual.
  dialogs.answerInput(true, "Quit");
  click(key.x, key.y);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].what, Dialog::InputBox);
  EXPECT_EQ(map().labels[27], "Quit");
}

}  // namespace
}  // namespace tastrix::testing
