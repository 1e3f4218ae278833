#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/key_navigation.h"
#include "picture_pixels.h"
#include "support/form_fixture.h"
#include "support/printers.h"
#include "win/key_input.h"

namespace tastrix::testing {
namespace {

constexpr int kTitle = 0, kQ = 27, kTabKey = 28, kEsc = 62, kIns = 75, kKeypadEnter = 100;

class KeyboardFocus : public FormTest {
 protected:
  int focused() { return mainWindow().keys().focusedStop(); }
  // The stop's place in the window as it is scrolled now.
  Rect shown(int stop) {
    Rect r = stopRect(layout(), stop);
    r.left -= mainWindow().scrollPosition();
    return r;
  }
  bool inView(int stop) { return shown(stop).left >= 0 && shown(stop).right() <= mainWindow().clientWidth(); }
  // A click on the key's legend, which records its group and opens nothing.
  void clickLegend(int stop) {
    const Rect legend = layout().keyName(stop);
    click(legend.left + legend.width / 2 - mainWindow().scrollPosition(), legend.top + 2);
  }
  void clickBackground() { click(100, 92); }  // between the function keys and the main keyboard
};

TEST_F(KeyboardFocus, TabVisitsTheTitleAndEveryKeyInLabelOrderScrollingEachIntoView) {
  startForm();
  ASSERT_EQ(focused(), kNoStop);
  ASSERT_LT(mainWindow().clientWidth(), layout().pictureWidth());
  std::vector<int> visited;
  for (int i = 0; i < kStopCount; ++i) {
    sendKey(hwnd(), kTab);
    visited.push_back(focused());
    EXPECT_TRUE(inView(focused())) << "stop " << focused() << " at scroll " << mainWindow().scrollPosition();
  }
  for (int stop = 0; stop < kStopCount; ++stop) EXPECT_EQ(visited[stop], stop);
  sendKey(hwnd(), kTab);
  EXPECT_EQ(focused(), kTitle);
  sendKey(hwnd(), kTab, {VK_SHIFT});
  EXPECT_EQ(focused(), 101);
  EXPECT_TRUE(inView(101));
  sendKey(hwnd(), kTab, {VK_SHIFT});
  EXPECT_EQ(focused(), 100);
  sendKey(hwnd(), kTab, {VK_CONTROL});  // Ctrl+Tab is not the focus's
  EXPECT_EQ(focused(), 100);
  EXPECT_TRUE(dialogs.calls.empty());
}

// From keys at the edges of every group, Ctrl+arrows go to the nearest key
// that way, or stay where none is; the plain arrows still scroll.
TEST_F(KeyboardFocus, CtrlArrowsMoveToTheNearestKeyThatWay) {
  const struct {
    int from;
    const char* legend;
    int left, right, up, down;
  } rows[] = {
      {0, "title", 74, 0, 0, 85},          {62, "Esc", 62, 63, 62, 1},         {74, "F12", 73, 0, 74, 14},
      {1, "` ~", 1, 2, 62, 28},             {14, "BackSpace", 13, 75, 74, 15},  {28, "TAB", 28, 27, 1, 29},
      {41, "Enter", 40, 92, 15, 42},        {53, "Shift", 53, 52, 29, 54},      {54, "Ctrl", 54, 55, 53, 54},
      {57, "Space Bar", 56, 58, 48, 57},    {61, "Ctrl", 60, 82, 42, 61},       {75, "Ins", 14, 76, 0, 78},
      {77, "PgUp", 76, 85, 0, 80},          {82, "<-", 61, 83, 78, 82},         {84, "->", 83, 98, 80, 84},
      {85, "Num", 77, 86, 0, 89},           {88, "-", 87, 88, 0, 101},          {98, "0 Ins", 84, 99, 95, 98},
      {100, "Enter", 97, 100, 101, 100},    {101, "+", 91, 101, 88, 100},
  };
  startForm();
  for (const auto& row : rows) {
    const struct {
      Keystroke arrow;
      int expected;
    } moves[] = {{kLeft, row.left}, {kRight, row.right}, {kUp, row.up}, {kDown, row.down}};
    for (const auto& move : moves) {
      mainWindow().keys().focusStop(row.from, true);
      sendKey(hwnd(), move.arrow, {VK_CONTROL});
      EXPECT_EQ(focused(), move.expected) << "from " << row.from << " (" << row.legend << ") by key " << move.arrow.vk;
      EXPECT_TRUE(inView(focused())) << "stop " << focused();
    }
  }
  mainWindow().keys().focusStop(kQ, true);
  mainWindow().setScrollPosition(100);
  sendKey(hwnd(), kRight);
  EXPECT_EQ(mainWindow().scrollPosition(), 116);
  sendKey(hwnd(), kLeft);
  sendKey(hwnd(), kLeft);
  EXPECT_EQ(mainWindow().scrollPosition(), 84);
  sendKey(hwnd(), kUp);
  sendKey(hwnd(), kDown);
  EXPECT_EQ(focused(), kQ);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(KeyboardFocus, AClickMovesTheFocusWithoutScrolling) {
  startForm();
  mainWindow().setScrollPosition(200);
  clickLegend(kQ);
  EXPECT_EQ(focused(), kQ);
  EXPECT_EQ(app().recordedGroup(), PressGroup::MainKeyboard);
  // The function keys' Esc is half out of view at the left: a click there does not move the picture.
  clickLegend(kIns);
  EXPECT_EQ(focused(), kIns);
  EXPECT_EQ(mainWindow().scrollPosition(), 200);
  clickBackground();
  EXPECT_EQ(focused(), kIns);
  EXPECT_TRUE(dialogs.calls.empty());
}

// Enter or Space does what a click on the focused label does: the press
// records the key's group, then the label box opens for it.
TEST_F(KeyboardFocus, EnterAndSpaceOpenTheFocusedLabelAfterRecordingItsGroup) {
  const struct {
    int stop;
    Keystroke key;
    PressGroup group;
  } rows[] = {{kQ, kEnter, PressGroup::MainKeyboard},
              {kEsc, kSpace, PressGroup::FunctionKeys},
              {kIns, kEnter, PressGroup::CursorControl},
              {kKeypadEnter, kSpace, PressGroup::NumericKeypad},
              {kTitle, kEnter, PressGroup::MapTitle}};
  startForm();
  sendKey(hwnd(), kEnter);
  EXPECT_TRUE(dialogs.calls.empty()) << "no key has the focus yet";
  for (const auto& row : rows) {
    mainWindow().keys().focusStop(row.stop, true);
    clickBackground();
    ASSERT_EQ(app().recordedGroup(), PressGroup::None);
    setLabel(row.stop, "before " + std::to_string(row.stop));
    dialogs.answerInput(true, "after " + std::to_string(row.stop));
    sendKey(hwnd(), row.key);
    ASSERT_EQ(dialogs.calls.size(), 1u) << "stop " << row.stop;
    EXPECT_EQ(dialogs.calls[0].caption, "Enter new label for this key");
    EXPECT_EQ(dialogs.calls[0].initial, "before " + std::to_string(row.stop));
    EXPECT_EQ(label(row.stop), "after " + std::to_string(row.stop));
    EXPECT_EQ(app().recordedGroup(), row.group);
    EXPECT_TRUE(document().changed());
    // A held key repeats: that opens no second box.
    sendKey(hwnd(), row.key, {}, true);
    EXPECT_EQ(dialogs.calls.size(), 1u);
    dialogs.calls.clear();
  }
}

// The focus shows as a dotted rectangle inside the focused key's face, drawn
// over the picture, and only while the keyboard is in use and the window has
// the focus.
class FocusRing : public KeyboardFocus {
 protected:
  // The points drawn over the picture lie on the rectangle inside the key's face.
  void expectRingOn(int stop) {
    const std::vector<POINT> drawn = drawnOverThePicture(mainWindow());
    ASSERT_FALSE(drawn.empty()) << "no focus shows on stop " << stop;
    Rect face = layout().keyFace(stop);
    const RECT ring{face.left - mainWindow().scrollPosition() + 2, face.top + 2, face.right() - mainWindow().scrollPosition() - 2,
                    face.bottom() - 2};
    const auto onRing = [&](const POINT& p) {
      const bool inside = p.x >= ring.left && p.x < ring.right && p.y >= ring.top && p.y < ring.bottom;
      return inside && (p.x == ring.left || p.x == ring.right - 1 || p.y == ring.top || p.y == ring.bottom - 1);
    };
    EXPECT_TRUE(std::all_of(drawn.begin(), drawn.end(), onRing));
    EXPECT_GT(drawn.size(), static_cast<size_t>(ring.right - ring.left)) << "a dotted line round the face";
  }
  void expectNoRing() { EXPECT_TRUE(drawnOverThePicture(mainWindow()).empty()); }
};

TEST_F(FocusRing, ShowsAfterKeyboardUseFollowsTheUiStateAndNeedsTheWindowFocus) {
  startForm();
  ASSERT_TRUE(takeFocus(hwnd()));
  clickLegend(kQ);
  ASSERT_EQ(focused(), kQ);
  expectNoRing();  // the mouse alone shows no focus

  sendKey(hwnd(), kTab);
  ASSERT_EQ(focused(), kTabKey);
  expectRingOn(kTabKey);
  clickLegend(kQ);
  expectRingOn(kQ);  // once shown, the focus follows clicks too

  SendMessageA(hwnd(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  expectNoRing();
  SendMessageA(hwnd(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL), 0);
  expectNoRing();
  SendMessageA(hwnd(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  expectRingOn(kQ);

  SetFocus(nullptr);
  pump();
  expectNoRing();
  ASSERT_TRUE(takeFocus(hwnd()));
  expectRingOn(kQ);
}

// The user's setting to show focus rectangles always (SPI_SETKEYBOARDCUES),
// put back as it was afterwards.
class KeyboardCuesSetting {
 public:
  explicit KeyboardCuesSetting(bool always) {
    SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &before_, 0);
    set(always);
  }
  ~KeyboardCuesSetting() { set(before_ != FALSE); }
  KeyboardCuesSetting(const KeyboardCuesSetting&) = delete;
  KeyboardCuesSetting& operator=(const KeyboardCuesSetting&) = delete;

  void set(bool always) {
    SystemParametersInfoA(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(always)), 0);
  }

 private:
  BOOL before_ = FALSE;
};

// Where the user has focus rectangles shown always, as standard controls show
// them, the focus shows from the first click on, also after the setting changes.
TEST_F(FocusRing, FollowsTheUsersSettingToShowFocusAlways) {
  KeyboardCuesSetting cues(false);
  startForm();
  ASSERT_TRUE(takeFocus(hwnd()));
  clickLegend(kQ);
  expectNoRing();
  cues.set(true);
  SendMessageA(hwnd(), WM_SETTINGCHANGE, SPI_SETKEYBOARDCUES, 0);
  expectRingOn(kQ);

  dropForm();
  startForm();
  ASSERT_TRUE(takeFocus(hwnd()));
  clickLegend(kEsc);
  expectRingOn(kEsc);
}

// The picture a capture takes is the keyboard alone, whatever shows on the
// screen. The window is left just as a capture sets it, so it gets no
// repaint from being resized or scrolled.
TEST_F(FocusRing, IsNeverPartOfACapturedPicture) {
  startForm();
  const Pixels clean = parseBmp(savedBitmap("clean.bmp")).pixels;
  ASSERT_TRUE(takeFocus(hwnd()));
  mainWindow().setClientSize(500, layout().pictureHeight());
  sendKey(hwnd(), kTab);
  sendKey(hwnd(), kTab);  // to "` ~", at the left
  ASSERT_EQ(focused(), 1);
  mainWindow().setScrollPosition(0);
  expectRingOn(1);

  const Pixels captured = parseBmp(savedBitmap("focused.bmp")).pixels;
  ASSERT_EQ(captured.width, layout().pictureWidth());
  EXPECT_EQ(firstDifference(captured, clean), "");
  EXPECT_EQ(firstDifference(captured, renderedPicture(mainWindow())), "");
  expectRingOn(1);  // and back on the screen afterwards
}

}  // namespace
}  // namespace tastrix::testing
