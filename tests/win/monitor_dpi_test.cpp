// A window moved between monitors of different scales. Windows tells it
// with WM_DPICHANGED, the new dpi and the window rectangle it suggests; Wine
// has one scale only, so the tests send the message as Windows would.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/startup_model.h"
#include "mapfile/core/map_commands.h"
#include "mapfile/map_files.h"
#include "model/key_navigation.h"
#include "output/picture_render.h"
#include "support/printers.h"
#include "win/accessible_client.h"
#include "win/map_file_fixture.h"
#include "win/picture_pixels.h"

namespace tastrix::testing {
namespace {

constexpr LONG kPixelsPerMetreAt144 = 5669;

RECT windowRect(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return r;
}

// The window's rectangle with its size scaled from one dpi to another.
RECT scaledFrom(const RECT& r, int dpi, int fromDpi) {
  return RECT{r.left, r.top, r.left + MulDiv(r.right - r.left, dpi, fromDpi),
              r.top + MulDiv(r.bottom - r.top, dpi, fromDpi)};
}

void sendDpiChange(HWND hwnd, int dpi, const RECT& suggested) {
  SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

class MonitorDpi : public MapFileTest {
 protected:
  // The map as a window that had always been at this dpi shows it.
  static Pixels pictureAt(int dpi, const std::string& map) {
    MapDocument fresh;
    PrepareStartupMap(fresh);
    LoadWholeMap(fresh, DiskMapStorage(), map);
    const Bitmap picture = RenderKeyboardPicture(fresh.map(), PictureLayout(dpi), FontFaces::AsChosen);
    return pixelsOf(picture.get());
  }
  std::string savedMap(const std::string& name) {
    saveAs(inScratch(name + ".zv"));
    return readFile(inScratch(name + ".zv")) + "|" + readFile(inScratch(name + ".zvl"));
  }
};

// From a 96-dpi monitor to one of 144 and back: the picture is laid out anew
// from the tables and the fonts' sizes in points each time. A 5-point font is
// 7 pixels high at 96 dpi and 10 at 144, not 7 scaled to 11, and it is saved
// as 5 points wherever the window is.
TEST_F(MonitorDpi, TheWindowLaysThePictureOutForEachMonitorAndSavesTheSameMap) {
  const std::string map = inScratch("small.zv");
  writeFile(map, "[Label_0]\r\nFont.Name=Arial\r\nFont.Size=5\r\n[Name_Label_0]\r\nFont.Size=7\r\n");
  writeFile(map + "l", "Small print\r\nEscape\r\n");
  startForm();
  load(map);
  const std::string mapAt96 = savedMap("at96");
  ASSERT_NE(mapAt96.find("[Label_0]\r\nFont.Color=0\r\nFont.Name=Arial\r\nFont.Size=5\r\n"), std::string::npos);
  const BmpFile pictureAt96 = parseBmp(savedBitmap("at96.bmp"));
  const RECT placeAt96 = windowRect(hwnd());

  const RECT suggested = scaledFrom(placeAt96, 144, 96);
  sendDpiChange(hwnd(), 144, suggested);
  EXPECT_EQ(layout().dpi(), 144);
  const RECT placeAt144 = windowRect(hwnd());
  EXPECT_TRUE(EqualRect(&placeAt144, &suggested)) << "the window takes the size Windows suggests";
  SCROLLINFO bar{};
  bar.cbSize = sizeof bar;
  bar.fMask = SIF_RANGE;
  GetScrollInfo(hwnd(), SB_HORZ, &bar);
  EXPECT_EQ(bar.nMax, 2288 - 1) << "the scroll range of the picture at 144 dpi";

  EXPECT_EQ(savedMap("at144"), mapAt96);
  const BmpFile pictureAt144 = parseBmp(savedBitmap("at144.bmp"));
  EXPECT_EQ(pictureAt144.info.biXPelsPerMeter, kPixelsPerMetreAt144);
  EXPECT_EQ(pictureAt144.pixels.width, 2293);
  EXPECT_EQ(firstDifference(pictureAt144.pixels, pictureAt(144, map)), "");

  sendDpiChange(hwnd(), 96, placeAt96);
  EXPECT_EQ(layout().dpi(), 96);
  EXPECT_EQ(savedMap("back"), mapAt96);
  EXPECT_EQ(firstDifference(parseBmp(savedBitmap("back.bmp")).pixels, pictureAt96.pixels), "");
}

// Screen readers are told where keys are in the screen's own pixels, at
// every dpi, and find them there.
TEST_F(MonitorDpi, ScreenReadersFindTheKeysWhereTheyAreShown) {
  startForm();
  sendDpiChange(hwnd(), 144, scaledFrom(windowRect(hwnd()), 144, 96));
  const ComScope com;
  ComRef<IAccessible> client;
  ASSERT_EQ(clientObject(hwnd(), client), S_OK);
  const PictureLayout at144(144);
  for (const int stop : {1, 27, 62}) {
    SCOPED_TRACE(stop);
    const Rect r = stopRect(layout(), stop);
    ASSERT_EQ(r, stopRect(at144, stop));
    const RECT told = locationOf(client.get(), stop + 1), shown = onScreen(hwnd(), r, mainWindow().scrollPosition());
    EXPECT_TRUE(EqualRect(&told, &shown));
    VARIANT hit;
    ASSERT_EQ(client->accHitTest((told.left + told.right) / 2, (told.top + told.bottom) / 2, &hit), S_OK);
    EXPECT_EQ(V_I4(&hit), stop + 1);
  }
}

// Windows sends WM_DPICHANGED from within the move when the start-up places
// the window on a monitor of another scale. The picture follows that monitor;
// the window keeps the size the settings file stored, in that monitor's pixels.
class DpiChangeWhenPlaced {
 public:
  DpiChangeWhenPlaced(POINT at, int dpi) {
    self() = this;
    at_ = at;
    dpi_ = dpi;
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, &DpiChangeWhenPlaced::seen, nullptr, GetCurrentThreadId());
  }
  ~DpiChangeWhenPlaced() {
    if (hook_) UnhookWindowsHookEx(hook_);
    self() = nullptr;
  }
  DpiChangeWhenPlaced(const DpiChangeWhenPlaced&) = delete;
  DpiChangeWhenPlaced& operator=(const DpiChangeWhenPlaced&) = delete;
  bool sent() const { return sent_; }

 private:
  static DpiChangeWhenPlaced*& self() {
    static DpiChangeWhenPlaced* hook = nullptr;
    return hook;
  }
  static LRESULT CALLBACK seen(int code, WPARAM wParam, LPARAM lParam) {
    DpiChangeWhenPlaced* me = self();
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && me && !me->sent_ && message->message == WM_WINDOWPOSCHANGED) {
      const auto* place = reinterpret_cast<const WINDOWPOS*>(message->lParam);
      if (place->x == me->at_.x && place->y == me->at_.y) {
        me->sent_ = true;
        sendDpiChange(message->hwnd, me->dpi_, scaledFrom(windowRect(message->hwnd), me->dpi_, 96));
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_ = nullptr;
  POINT at_{};
  int dpi_ = 96;
  bool sent_ = false;
};

TEST_F(MonitorDpi, TheStartUpsOwnDpiChangeKeepsTheStoredSize) {
  writeFile(settingsFile(), "[tastrix]\r\nwindow_top_posn=200\r\nwindow_left_posn=300\r\nwindow_Width=900\r\n"
                            "window_Height=400\r\n");
  {
    const DpiChangeWhenPlaced monitor(POINT{300, 200}, 144);
    startForm();
    EXPECT_TRUE(monitor.sent());
  }
  EXPECT_EQ(layout().dpi(), 144);
  const RECT placed = windowRect(hwnd());
  EXPECT_EQ(placed.left, 300);
  EXPECT_EQ(placed.top, 200);
  EXPECT_EQ(placed.right - placed.left, 900);
  EXPECT_EQ(mainWindow().clientHeight(), 400);
  SendMessageA(hwnd(), WM_CLOSE, 0, 0);
  const std::string settings = readFile(settingsFile());
  EXPECT_NE(settings.find("window_Width=900\r\nwindow_Height=400\r\n"), std::string::npos) << settings;
}

}  // namespace
}  // namespace tastrix::testing
