#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "modal_probe.h"
#include "platform/wide_text.h"
#include "platform/win32_dialogs.h"
#include "support/form_fixture.h"
#include "support/printers.h"

namespace tastrix::testing {
namespace {

constexpr int kQ = 27;      // label position of the "Q" key
constexpr int kW = 26;      // "W", its neighbour
constexpr int kIns = 75;    // cursor control "Ins"
constexpr int kEsc = 62;    // function keys "Esc"
constexpr int kNum = 85;    // numeric keypad "Num"

class LabelEditing : public FormTest {
 protected:
  // A left click at the middle of a key's label box, as the user sees it.
  void clickKeyLabel(int position) {
    const POINT p = centreOf(layout().keyLabel(position));
    click(p.x, p.y);
  }
};

// The box shows the label, and what is typed becomes it, but for line
// breaks, which become blanks. Cancel, or OK on the text as it was, changes
// nothing; a change of case alone is a change, and an empty text blanks the key.
TEST_F(LabelEditing, ClickOnAKeyOpensTheBoxAndOkWritesTheLabel) {
  const struct {
    const char* before;
    bool ok;
    const char* typed;
    const char* stored;
  } cases[] = {{"Key Label", true, "Quit", "Quit"},
               {"Key Label", false, "ignored", "Key Label"},
               {"Key Label", true, "Key Label", "Key Label"},
               {"Key Label", true, "Key label", "Key label"},
               {"Key Label", true, "", ""},
               {"", true, "", ""},
               {"Key Label", true, " &Quit && go ", " &Quit && go "},
               {"Key Label", true, "Open\r\nfile\nnow\rplease", "Open file now please"}};
  startForm();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    setLabel(kQ, c.before);
    document().setChanged(false);
    dialogs.calls.clear();
    dialogs.answerInput(c.ok, c.typed);
    clickKeyLabel(kQ);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].what, Dialog::InputBox);
    EXPECT_EQ(dialogs.calls[0].caption, "Enter new label for this key");
    EXPECT_EQ(dialogs.calls[0].text, "Enter:");
    EXPECT_EQ(dialogs.calls[0].initial, c.before);
    EXPECT_EQ(label(kQ), c.stored);
    EXPECT_EQ(document().changed(), c.stored != std::string(c.before));
    EXPECT_EQ(label(kW), "Key Label");
    EXPECT_EQ(app().recordedGroup(), PressGroup::MainKeyboard);
  }
}

TEST_F(LabelEditing, TheTitleIsEditedWithTheSameBoxWhenScrolledIntoView) {
  startForm();
  // The title lies right of the function keys, beyond the first screenful.
  mainWindow().setScrollPosition(layout().scrollRange());
  ASSERT_GT(mainWindow().scrollPosition(), 0);
  const POINT p = centreOf(layout().title());
  ASSERT_GE(p.x, 0);
  ASSERT_LT(p.x, mainWindow().clientWidth());

  dialogs.answerInput(true, "Editor keys");
  click(p.x, p.y);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].caption, "Enter new label for this key");
  EXPECT_EQ(dialogs.calls[0].text, "Enter:");
  EXPECT_EQ(dialogs.calls[0].initial, "Untitled keyboard Map");
  EXPECT_EQ(map().title(), "Editor keys");
  EXPECT_TRUE(document().changed());
  EXPECT_EQ(app().recordedGroup(), PressGroup::MapTitle);
}

TEST_F(LabelEditing, ScrolledClicksReachTheKeyUnderTheMouse) {
  startForm();
  mainWindow().setScrollPosition(400);
  ASSERT_EQ(mainWindow().scrollPosition(), 400);
  // "Ins" of the cursor control group, at its place in the scrolled window.
  const Rect ins = layout().keyLabel(kIns);
  const int x = ins.left + ins.width / 2 - 400, y = ins.top + ins.height / 2;
  dialogs.answerInput(true, "Insert");
  click(x, y);
  EXPECT_EQ(label(kIns), "Insert");
  EXPECT_EQ(app().recordedGroup(), PressGroup::CursorControl);
}

TEST_F(LabelEditing, PressAndReleaseOnDifferentKeysIsNoClick) {
  startForm();
  const POINT q = centreOf(layout().keyLabel(kQ));
  const POINT w = centreOf(layout().keyLabel(kW));
  press(q.x, q.y);
  release(w.x, w.y);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(app().recordedGroup(), PressGroup::MainKeyboard);
}

// A press of any button on any part of a key, or on a group's own frame,
// records the key's group and opens nothing; a press on the background
// between the groups records none.
TEST_F(LabelEditing, EveryButtonRecordsTheGroupOfWhatItPresses) {
  startForm();
  const auto centre = [](const Rect& r) { return POINT{r.left + r.width / 2, r.top + r.height / 2}; };
  const Rect legend = layout().keyName(kQ), rim = layout().keyBorder(kQ), face = layout().keyFace(kQ);
  const Rect frame = layout().groupBox(kMainKeyboard), functionKeys = layout().groupBox(kFunctionKeys);
  const struct {
    const char* what;
    POINT at;     // in the picture
    char button;  // 'L' clicks; 'R', 'M', '1' and '2' (the extra buttons) press
    PressGroup group;
  } rows[] = {
      {"Q legend", {legend.left + legend.width / 2, legend.top + 2}, 'L', PressGroup::MainKeyboard},
      {"Q rim", {rim.left + 1, rim.top + rim.height / 2}, 'L', PressGroup::MainKeyboard},
      {"Q face's corner", {face.left + 2, face.bottom() - 2}, 'L', PressGroup::MainKeyboard},
      {"Q label", centre(layout().keyLabel(kQ)), 'M', PressGroup::MainKeyboard},
      {"Q legend", centre(legend), '2', PressGroup::MainKeyboard},
      {"Esc label", centre(layout().keyLabel(kEsc)), 'R', PressGroup::FunctionKeys},
      {"Esc label", centre(layout().keyLabel(kEsc)), '1', PressGroup::FunctionKeys},
      {"the main keyboard's frame", {frame.left + 2, frame.bottom() - 2}, 'M', PressGroup::MainKeyboard},
      {"Ins legend", centre(layout().keyName(kIns)), 'M', PressGroup::CursorControl},
      {"Num face", centre(layout().keyFace(kNum)), 'R', PressGroup::NumericKeypad},
      {"title", centre(layout().title()), 'R', PressGroup::MapTitle},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.what) + ", button " + row.button);
    mainWindow().setScrollPosition(0);
    click(100, (functionKeys.bottom() + frame.top) / 2);  // the background between two groups
    ASSERT_EQ(app().recordedGroup(), PressGroup::None);
    mainWindow().setScrollPosition(row.at.x - 100);
    const int x = row.at.x - mainWindow().scrollPosition(), y = row.at.y;
    if (row.button == 'L') {
      click(x, y);
    } else if (row.button == 'R' || row.button == 'M') {
      press(x, y, row.button);
    } else {
      const WORD which = row.button == '1' ? XBUTTON1 : XBUTTON2;
      SendMessageA(hwnd(), WM_XBUTTONDOWN, MAKEWPARAM(which == XBUTTON1 ? MK_XBUTTON1 : MK_XBUTTON2, which),
                   MAKELPARAM(x, y));
      SendMessageA(hwnd(), WM_XBUTTONUP, MAKEWPARAM(0, which), MAKELPARAM(x, y));
      pump();
    }
    EXPECT_EQ(app().recordedGroup(), row.group);
  }
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_FALSE(document().changed());
}

constexpr const char* kBoxCaption = "Enter new label for this key";

// The real label input box, worked as a user would: keys go to its field.
class RealInputBox : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    startForm();
    real.setOwner(hwnd());
  }
  // Opens the box with the text; `user` acts on it once it shows.
  bool open(std::string& text, const std::function<void(HWND box, HWND field)>& user) {
    ModalProbe probe([&] {
      HWND box = findDialog(kBoxCaption);
      if (!box) return false;
      user(box, FindWindowExA(box, nullptr, "Edit", nullptr));
      return true;
    });
    const bool ok = real.inputBox(kBoxCaption, "Enter:", text);
    EXPECT_TRUE(probe.finished()) << "the input box never showed";
    return ok;
  }
  static void type(HWND field, const std::string& keys) {
    for (char c : keys) PostMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 0);
  }
  static void key(HWND field, WPARAM virtualKey) { PostMessageA(field, WM_KEYDOWN, virtualKey, 0); }

  Win32Dialogs real;
};

TEST_F(RealInputBox, ShowsPromptAndSelectedTextCentredWithFocusInTheField) {
  struct Seen {
    std::string prompt, field, ok, cancel;
    DWORD selStart = 99, selEnd = 99;
    bool focusInField = false;
    LRESULT defaultId = 0;
    HWND owner = nullptr;
    RECT box{}, screen{};
  } seen;
  std::string text = "Key Label";
  const bool ok = open(text, [&](HWND box, HWND field) {
    seen.prompt = textOf(FindWindowExA(box, nullptr, "Static", nullptr));
    seen.field = textOf(field);
    SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&seen.selStart), reinterpret_cast<LPARAM>(&seen.selEnd));
    seen.focusInField = GetFocus() == field;
    seen.ok = textOf(GetDlgItem(box, IDOK));
    seen.cancel = textOf(GetDlgItem(box, IDCANCEL));
    seen.defaultId = LOWORD(SendMessageA(box, DM_GETDEFID, 0, 0));
    seen.owner = GetWindow(box, GW_OWNER);
    GetWindowRect(box, &seen.box);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(box, MONITOR_DEFAULTTOPRIMARY), &monitor);
    seen.screen = monitor.rcWork;
    key(field, VK_ESCAPE);
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(text, "Key Label");
  EXPECT_EQ(seen.prompt, "Enter:");
  EXPECT_EQ(seen.field, "Key Label");
  EXPECT_EQ(seen.selStart, 0u);
  EXPECT_EQ(seen.selEnd, 9u);
  EXPECT_TRUE(seen.focusInField);
  EXPECT_EQ(seen.ok, "OK");
  EXPECT_EQ(seen.cancel, "Cancel");
  EXPECT_EQ(seen.defaultId, IDOK);
  EXPECT_EQ(seen.owner, hwnd());
  EXPECT_LE(std::abs((seen.box.left + seen.box.right) - (seen.screen.left + seen.screen.right)), 1);
  EXPECT_LE(std::abs((seen.box.top + seen.box.bottom) - (seen.screen.top + seen.screen.bottom)), 1);
}

TEST_F(RealInputBox, TypingReplacesTheSelectionAndEnterChoosesOk) {
  std::string text = "Key Label";
  const bool ok = open(text, [](HWND, HWND field) {
    type(field, "Copy");
    key(field, VK_RETURN);
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(text, "Copy");
}

TEST_F(RealInputBox, EscapeCancelButtonAndCloseBoxAllCancel) {
  std::string text = "Key Label";
  EXPECT_FALSE(open(text, [](HWND, HWND field) {
    type(field, "lost");
    key(field, VK_ESCAPE);
  }));
  EXPECT_FALSE(open(text, [](HWND box, HWND field) {
    type(field, "lost");
    PostMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
  }));
  EXPECT_FALSE(open(text, [](HWND box, HWND field) {
    type(field, "lost");
    PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
  }));
  EXPECT_EQ(text, "Key Label");
}

// Typed one by one or pasted at once, characters of one 16-bit unit or of
// two: the field keeps the first 255 characters, never half of one.
TEST_F(RealInputBox, TheFieldTakesAtMost255Characters) {
  const struct {
    const char* what;
    std::wstring first, each;
    bool pasted;
  } cases[] = {{"typed letters", L"", L"x", false},
               {"pasted letters", L"", L"x", true},
               {"pasted Japanese", L"", L"\x8A9E", true},
               {"typed characters of two units", L"", L"\xD83D\xDE00", false},
               {"pasted characters of two units after a letter", L"a", L"\xD83D\xDE00", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::wstring many = c.first, kept = c.first;
    for (int i = 0; i < 300; ++i) many += c.each;
    for (size_t i = c.first.size(); i < 255; ++i) kept += c.each;
    std::string text = "Key Label";
    EXPECT_TRUE(open(text, [&](HWND, HWND field) {
      if (c.pasted)
        SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(many.c_str()));
      else
        for (const wchar_t unit : many) PostMessageW(field, WM_CHAR, unit, 0);
      key(field, VK_RETURN);
    }));
    EXPECT_EQ(text, Utf8FromWide(kept));
  }
}

// It may be shortened, but takes nothing more.
TEST_F(RealInputBox, ALongerLabelFromAFileComesBackWhole) {
  const std::string longLabel(400, 'k');
  std::string text = longLabel;
  EXPECT_TRUE(open(text, [](HWND box, HWND field) {
    key(field, VK_END);
    type(field, "more");
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  }));
  EXPECT_EQ(text, longLabel);
}

}  // namespace
}  // namespace tastrix::testing
