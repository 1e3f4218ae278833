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
  std::string label(int position) { return map().labels[position]; }
  void setLabel(int position, const std::string& text) { document().setLabel(position, text); }
};

TEST_F(LabelEditing, ClickOnAKeyOpensTheBoxAndOkWritesTheLabel) {
  startForm();
  dialogs.answerInput(true, "Quit");
  clickKeyLabel(kQ);

  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].what, Dialog::InputBox);
  EXPECT_EQ(dialogs.calls[0].caption, "Enter new label for this key");
  EXPECT_EQ(dialogs.calls[0].text, "Enter:");
  EXPECT_EQ(dialogs.calls[0].initial, "Key Label");
  EXPECT_EQ(label(kQ), "Quit");
  EXPECT_EQ(label(kW), "Key Label");
  EXPECT_TRUE(document().changed());
  EXPECT_EQ(app().recordedGroup(), PressGroup::MainKeyboard);
}

TEST_F(LabelEditing, CancelAndUnchangedOkLeaveLabelAndFlag) {
  startForm();
  dialogs.answerInput(false, "ignored");
  clickKeyLabel(kQ);
  EXPECT_EQ(label(kQ), "Key Label");
  EXPECT_FALSE(document().changed());

  dialogs.answerInput(true, "Key Label");
  clickKeyLabel(kQ);
  EXPECT_EQ(label(kQ), "Key Label");
  EXPECT_FALSE(document().changed());
  EXPECT_EQ(dialogs.callsOf(Dialog::InputBox).size(), 2u);
}

TEST_F(LabelEditing, EmptyFieldBlanksTheKeyAndCountsAsAChange) {
  startForm();
  dialogs.answerInput(true, "");
  clickKeyLabel(kQ);
  EXPECT_EQ(label(kQ), "");
  EXPECT_TRUE(document().changed());

  // Opening it again shows the empty text; OK on it changes nothing more.
  document().setChanged(false);
  dialogs.answerInput(true, "");
  clickKeyLabel(kQ);
  EXPECT_EQ(dialogs.calls.back().initial, "");
  EXPECT_FALSE(document().changed());
}

// What is typed is the label, but for line breaks, which become blanks; a
// change of case alone is a change.
TEST_F(LabelEditing, TypedTextIsTheLabelOnOneLine) {
  const struct {
    const char* typed;
    const char* stored;
  } cases[] = {{"Key label", "Key label"},
               {" &Quit && go ", " &Quit && go "},
               {"Open\r\nfile\nnow\rplease", "Open file now please"}};
  startForm();
  for (const auto& c : cases) {
    setLabel(kQ, "Key Label");
    document().setChanged(false);
    dialogs.answerInput(true, c.typed);
    clickKeyLabel(kQ);
    EXPECT_EQ(label(kQ), c.stored);
    EXPECT_TRUE(document().changed()) << c.stored;
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

class GroupRecording : public FormTest {
 protected:
  // A press on the strip of window background between the function keys
  // and the main keyboard.
  void pressBackground() {
    const Rect functionKeys = layout().groupBox(kFunctionKeys);
    const Rect mainKeys = layout().groupBox(kMainKeyboard);
    ASSERT_GT(mainKeys.top, functionKeys.bottom());
    click(100, functionKeys.bottom() + (mainKeys.top - functionKeys.bottom()) / 2);
  }
};

TEST_F(GroupRecording, LegendAndRimOfAKeyRecordItsGroupAndOpenNothing) {
  startForm();
  const Rect legend = layout().keyName(kQ);
  click(legend.left + legend.width / 2, legend.top + 2);
  EXPECT_EQ(app().recordedGroup(), PressGroup::MainKeyboard);

  pressBackground();
  ASSERT_EQ(app().recordedGroup(), PressGroup::None);
  const Rect rim = layout().keyBorder(kQ);
  click(rim.left + 1, rim.top + rim.height / 2);
  EXPECT_EQ(app().recordedGroup(), PressGroup::MainKeyboard);

  pressBackground();
  ASSERT_EQ(app().recordedGroup(), PressGroup::None);
  const Rect face = layout().keyFace(kQ);
  click(face.left + 2, face.bottom() - 2);
  EXPECT_EQ(app().recordedGroup(), PressGroup::MainKeyboard);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_FALSE(document().changed());
}

TEST_F(GroupRecording, EveryButtonRecordsTheGroupOfEachArea) {
  startForm();
  const POINT esc = centreOf(layout().keyLabel(kEsc));
  press(esc.x, esc.y, 'R');
  EXPECT_EQ(app().recordedGroup(), PressGroup::FunctionKeys);

  const Rect box = layout().groupBox(kMainKeyboard);
  press(box.left + 2, box.bottom() - 2, 'M');  // the group's own frame, below its keys
  EXPECT_EQ(app().recordedGroup(), PressGroup::MainKeyboard);

  mainWindow().setScrollPosition(layout().scrollRange());
  const POINT ins = centreOf(layout().keyName(kIns));
  press(ins.x, ins.y, 'M');
  EXPECT_EQ(app().recordedGroup(), PressGroup::CursorControl);
  const POINT num = centreOf(layout().keyFace(kNum));
  press(num.x, num.y, 'R');
  EXPECT_EQ(app().recordedGroup(), PressGroup::NumericKeypad);
  const POINT title = centreOf(layout().title());
  press(title.x, title.y, 'R');
  EXPECT_EQ(app().recordedGroup(), PressGroup::MapTitle);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(GroupRecording, ExtraMouseButtonsRecordToo) {
  startForm();
  const POINT esc = centreOf(layout().keyLabel(kEsc));
  SendMessageA(hwnd(), WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON1, XBUTTON1), MAKELPARAM(esc.x, esc.y));
  EXPECT_EQ(app().recordedGroup(), PressGroup::FunctionKeys);
  const POINT q = centreOf(layout().keyName(kQ));
  SendMessageA(hwnd(), WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON2, XBUTTON2), MAKELPARAM(q.x, q.y));
  SendMessageA(hwnd(), WM_XBUTTONUP, MAKEWPARAM(0, XBUTTON2), MAKELPARAM(q.x, q.y));
  pump();
  EXPECT_EQ(app().recordedGroup(), PressGroup::MainKeyboard);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(GroupRecording, TheBackgroundBetweenGroupsRecordsNothing) {
  startForm();
  const POINT q = centreOf(layout().keyLabel(kQ));
  press(q.x, q.y, 'M');
  ASSERT_EQ(app().recordedGroup(), PressGroup::MainKeyboard);
  pressBackground();
  EXPECT_EQ(app().recordedGroup(), PressGroup::None);
  EXPECT_TRUE(dialogs.calls.empty());
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
