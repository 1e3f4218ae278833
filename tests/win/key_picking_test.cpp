#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/key_navigation.h"
#include "support/form_fixture.h"
#include "support/printers.h"
#include "support/process_window.h"
#include "win/key_input.h"
#include "win/notepad_moved_away.h"

namespace tastrix::testing {
namespace {

// Every key of the picture as a 101-key keyboard reports it, in label order:
// scan code set 1, and the extended flag that tells apart keys sharing a code.
const struct KeyOfThePicture {
  const char* legend;
  Keystroke key;
} kKeys[kKeyCount] = {
    {"` ~", {VK_OEM_3, 0x29, false}},        {"1", {'1', 0x02, false}},
    {"2", {'2', 0x03, false}},                {"3", {'3', 0x04, false}},
    {"4", {'4', 0x05, false}},                {"5", {'5', 0x06, false}},
    {"6", {'6', 0x07, false}},                {"7", {'7', 0x08, false}},
    {"8", {'8', 0x09, false}},                {"9", {'9', 0x0A, false}},
    {"0", {'0', 0x0B, false}},                {"-", {VK_OEM_MINUS, 0x0C, false}},
    {"=", {VK_OEM_PLUS, 0x0D, false}},        {"BackSpace", {VK_BACK, 0x0E, false}},
    {"\\", {VK_OEM_5, 0x2B, false}},          {"] }", {VK_OEM_6, 0x1B, false}},
    {"[ {", {VK_OEM_4, 0x1A, false}},         {"P", {'P', 0x19, false}},
    {"O", {'O', 0x18, false}},                {"I", {'I', 0x17, false}},
    {"U", {'U', 0x16, false}},                {"Y", {'Y', 0x15, false}},
    {"T", {'T', 0x14, false}},                {"R", {'R', 0x13, false}},
    {"E", {'E', 0x12, false}},                {"W", {'W', 0x11, false}},
    {"Q", {'Q', 0x10, false}},                {"TAB", {VK_TAB, 0x0F, false}},
    {"Caps Lock", {VK_CAPITAL, 0x3A, false}}, {"A", {'A', 0x1E, false}},
    {"S", {'S', 0x1F, false}},                {"D", {'D', 0x20, false}},
    {"F", {'F', 0x21, false}},                {"G", {'G', 0x22, false}},
    {"H", {'H', 0x23, false}},                {"J", {'J', 0x24, false}},
    {"K", {'K', 0x25, false}},                {"L", {'L', 0x26, false}},
    {"; :", {VK_OEM_1, 0x27, false}},         {"' \"", {VK_OEM_7, 0x28, false}},
    {"Enter", {VK_RETURN, 0x1C, false}},      {"Shift", {VK_RSHIFT, 0x36, false}},
    {"/ ?", {VK_OEM_2, 0x35, false}},         {". >", {VK_OEM_PERIOD, 0x34, false}},
    {", <", {VK_OEM_COMMA, 0x33, false}},     {"M", {'M', 0x32, false}},
    {"N", {'N', 0x31, false}},                {"B", {'B', 0x30, false}},
    {"V", {'V', 0x2F, false}},                {"C", {'C', 0x2E, false}},
    {"X", {'X', 0x2D, false}},                {"Z", {'Z', 0x2C, false}},
    {"Shift", {VK_LSHIFT, 0x2A, false}},      {"Ctrl", {VK_LCONTROL, 0x1D, false}},
    {"Win", {VK_LWIN, 0x5B, true}},           {"Alt", {VK_LMENU, 0x38, false}},
    {"Space Bar", {VK_SPACE, 0x39, false}},   {"Alt", {VK_RMENU, 0x38, true}},
    {"Win", {VK_RWIN, 0x5C, true}},           {"Menu", {VK_APPS, 0x5D, true}},
    {"Ctrl", {VK_RCONTROL, 0x1D, true}},      {"Esc", {VK_ESCAPE, 0x01, false}},
    {"F1", {VK_F1, 0x3B, false}},             {"F2", {VK_F2, 0x3C, false}},
    {"F3", {VK_F3, 0x3D, false}},             {"F4", {VK_F4, 0x3E, false}},
    {"F5", {VK_F5, 0x3F, false}},             {"F6", {VK_F6, 0x40, false}},
    {"F7", {VK_F7, 0x41, false}},             {"F8", {VK_F8, 0x42, false}},
    {"F9", {VK_F9, 0x43, false}},             {"F10", {VK_F10, 0x44, false}},
    {"F11", {VK_F11, 0x57, false}},           {"F12", {VK_F12, 0x58, false}},
    {"Ins", {VK_INSERT, 0x52, true}},         {"Home", {VK_HOME, 0x47, true}},
    {"PgUp", {VK_PRIOR, 0x49, true}},         {"Del", {VK_DELETE, 0x53, true}},
    {"End", {VK_END, 0x4F, true}},            {"PgDn", {VK_NEXT, 0x51, true}},
    {"/\\", {VK_UP, 0x48, true}},             {"<-", {VK_LEFT, 0x4B, true}},
    {"V", {VK_DOWN, 0x50, true}},             {"->", {VK_RIGHT, 0x4D, true}},
    {"Num", {VK_NUMLOCK, 0x45, true}},        {"/", {VK_DIVIDE, 0x35, true}},
    {"*", {VK_MULTIPLY, 0x37, false}},        {"-", {VK_SUBTRACT, 0x4A, false}},
    {"7", {VK_NUMPAD7, 0x47, false}},         {"8", {VK_NUMPAD8, 0x48, false}},
    {"9", {VK_NUMPAD9, 0x49, false}},         {"4", {VK_NUMPAD4, 0x4B, false}},
    {"5", {VK_NUMPAD5, 0x4C, false}},         {"6", {VK_NUMPAD6, 0x4D, false}},
    {"1", {VK_NUMPAD1, 0x4F, false}},         {"2", {VK_NUMPAD2, 0x50, false}},
    {"3", {VK_NUMPAD3, 0x51, false}},         {"0 Ins", {VK_NUMPAD0, 0x52, false}},
    {". Del", {VK_DECIMAL, 0x53, false}},     {"Enter", {VK_RETURN, 0x1C, true}},
    {"+", {VK_ADD, 0x4E, false}},
};

constexpr Keystroke kCtrl{VK_LCONTROL, 0x1D, false}, kS{'S', 0x1F, false}, kF1{VK_F1, 0x3B, false};
constexpr Keystroke kZ{'Z', 0x2C, false};

// The tooltip the window shows by the mouse, if one shows.
HWND shownTip() {
  WindowSearch search{GetCurrentProcessId(), TOOLTIPS_CLASSA, nullptr};
  EnumWindows(matchProcessWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string tipText(HWND tip, HWND owner) {
  char text[128] = "";
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = owner;
  tool.uId = 1;
  tool.lpszText = text;
  SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  return text;
}

// Lock keys pressed in a test toggle for every later one: put them back.
class LockKeysKept {
 public:
  LockKeysKept() : caps_(toggled(VK_CAPITAL)), num_(toggled(VK_NUMLOCK)) {}
  ~LockKeysKept() {
    if (toggled(VK_CAPITAL) != caps_) typeKeys({{VK_CAPITAL, 0x3A, false}});
    if (toggled(VK_NUMLOCK) != num_) typeKeys({{VK_NUMLOCK, 0x45, true}});
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  LockKeysKept(const LockKeysKept&) = delete;
  LockKeysKept& operator=(const LockKeysKept&) = delete;

 private:
  static bool toggled(int key) { return (GetKeyState(key) & 1) != 0; }
  bool caps_, num_;
};

class KeyPicking : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    startForm();
    ASSERT_TRUE(takeFocus(hwnd()));
  }
  bool loopUntil(const std::function<bool()>& done) { return runProgramLoopUntil(mainWindow(), done); }
  bool startPicking() {
    typeKeys({kF2});
    return loopUntil([this] { return mainWindow().keys().picking(); });
  }
  // Types the keys and waits until the program showed one more dialog.
  bool typeForADialog(const std::vector<Keystroke>& keys, DWORD time = 0) {
    const size_t before = dialogs.calls.size();
    typeKeys(keys, time);
    return loopUntil([&] { return dialogs.calls.size() > before; });
  }
  // Types the key and then Right, and waits for Right's scrolling: by then
  // the key has been handled too.
  bool typeAndSettle(Keystroke key) {
    const int scroll = mainWindow().scrollPosition();
    typeKeys({key});
    typeKeys({kRight});
    return loopUntil([&] { return mainWindow().scrollPosition() != scroll; });
  }

  LockKeysKept locks;
};

// Every key, F1, F10, Esc, Tab, the arrows, Alt and the Windows and Menu keys
// among them, picks its own key on the picture and opens that key's label
// after the press has recorded its group; none acts as a command.
TEST_F(KeyPicking, EveryKeyPicksItsOwnKeyOnThePicture) {
  for (int p = 1; p <= kKeyCount; ++p) setLabel(p, "label " + std::to_string(p));
  const int scroll = mainWindow().scrollPosition();
  for (int p = 1; p <= kKeyCount; ++p) {
    const KeyOfThePicture& row = kKeys[p - 1];
    ASSERT_STREQ(keyAt(p).legend, row.legend) << "the test's table is out of line at " << p;
    // The system's keyboard layout agrees with the table where it knows the key.
    const UINT layoutScan = MapVirtualKeyA(row.key.vk, MAPVK_VK_TO_VSC);
    if (layoutScan != 0) {
      EXPECT_EQ(layoutScan, row.key.scan) << row.legend;
    }

    ASSERT_TRUE(startPicking()) << "before " << p << " " << row.legend;
    app().editing().recordPress(nullptr);
    dialogs.answerInput(false);
    ASSERT_TRUE(typeForADialog({row.key})) << p << " " << row.legend << " picked nothing";
    const DialogCall& call = dialogs.calls.back();
    EXPECT_EQ(call.what, Dialog::InputBox) << row.legend;
    EXPECT_EQ(call.initial, "label " + std::to_string(p)) << row.legend;
    EXPECT_EQ(mainWindow().keys().focusedStop(), p) << row.legend;
    EXPECT_EQ(app().recordedGroup(), pressGroupOf(keyAt(p).group)) << row.legend;
    EXPECT_FALSE(mainWindow().keys().picking());
  }
  EXPECT_EQ(dialogs.callsOf(Dialog::InputBox).size(), static_cast<size_t>(kKeyCount));
  EXPECT_EQ(dialogs.calls.size(), static_cast<size_t>(kKeyCount));
  EXPECT_NE(mainWindow().scrollPosition(), scroll) << "the picked keys scrolled into view";
}

TEST_F(KeyPicking, KeysActNormallyAgainOncePickingEnds) {
  const NotepadMovedAway away;
  ASSERT_TRUE(away.moved());

  ASSERT_TRUE(startPicking());
  dialogs.answerInput(false);
  ASSERT_TRUE(typeForADialog({kF1}));
  EXPECT_EQ(mainWindow().keys().focusedStop(), 63);
  dialogs.calls.clear();
  ASSERT_TRUE(typeForADialog({kF1}));
  expectMessage(dialogs.calls.back(), MessageKind::Information, Buttons::Ok, "Windows Notepad could not be found.");

  ASSERT_TRUE(startPicking());
  dialogs.answerInput(false);
  ASSERT_TRUE(typeForADialog({kCtrl, kS}));
  EXPECT_EQ(dialogs.calls.back().what, Dialog::InputBox);
  EXPECT_EQ(mainWindow().keys().focusedStop(), 31);
  dialogs.answerFile(false);
  ASSERT_TRUE(typeForADialog({kCtrl, kS}));
  EXPECT_EQ(dialogs.calls.back().what, Dialog::SaveFile);

  ASSERT_TRUE(startPicking());
  dialogs.answerInput(false);
  ASSERT_TRUE(typeForADialog({kRight}));
  EXPECT_EQ(mainWindow().keys().focusedStop(), 84);
  const int scroll = mainWindow().scrollPosition();
  mainWindow().setScrollPosition(scroll - 100);
  typeKeys({kRight});
  EXPECT_TRUE(loopUntil([&] { return mainWindow().scrollPosition() == scroll - 84; }));
  EXPECT_EQ(mainWindow().keys().focusedStop(), 84);
  EXPECT_TRUE(dialogs.scriptUsedUp());
}

// Keys that go down before any comes up are one gesture and the last of them
// is meant. AltGr on German, French or Polish layouts arrives as a left Ctrl
// press with the same message time just before the right Alt press. A key
// that types a character is followed by it at once: the pick still waits for
// the key to come up, and the box opens with the label as it was.
TEST_F(KeyPicking, OfKeysPressedTogetherTheLastToGoDownIsPicked) {
  const struct {
    const char* what;
    std::vector<Keystroke> keys;
    int picked;
  } rows[] = {{"AltGr", {kKeys[53].key, kKeys[57].key}, 58},
              {"left then right Shift", {kKeys[52].key, kKeys[41].key}, 42},
              {"Ctrl+S", {kCtrl, kS}, 31},
              {"Ctrl+Z", {kCtrl, kZ}, 52},
              {"A", {kKeys[29].key}, 30},
              {"Space", {kSpace}, 57},
              {"Backspace", {kKeys[13].key}, 14},
              {"Enter", {kEnter}, 41},
              {"A then left Shift", {kKeys[29].key, kKeys[52].key}, 53},
              {"A then S", {kKeys[29].key, kS}, 31}};
  for (const auto& row : rows) {
    ASSERT_TRUE(startPicking()) << row.what;
    bool keyDown = true;
    dialogs.answerInput(false, "", [&] { keyDown = GetKeyState(row.keys.back().vk) < 0; });
    ASSERT_TRUE(typeForADialog(row.keys, GetTickCount())) << row.what;
    EXPECT_FALSE(keyDown) << row.what << ": the box opened before the key came up";
    EXPECT_EQ(mainWindow().keys().focusedStop(), row.picked) << row.what;
    EXPECT_EQ(dialogs.calls.back().initial, "Key Label") << row.what;
  }
  EXPECT_EQ(dialogs.calls.size(), 10u);
}

// Only an F2 pressed while the window has the keyboard focus picks: one that
// another program posts while it has the focus would take the Windows keys
// pressed there. Picking ends when another window takes the focus.
TEST_F(KeyPicking, OnlyTheWindowWithTheKeyboardFocusPicks) {
  const HWND other = CreateWindowExA(0, "STATIC", "another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300,
                                     200, 100, nullptr, nullptr, nullptr, nullptr);
  const struct {
    const char* focus;
    HWND to;
    bool picks;
  } rows[] = {{"another window", other, false}, {"no window", nullptr, false}, {"this window", hwnd(), true}};
  for (const auto& row : rows) {
    ASSERT_TRUE(row.to ? takeFocus(row.to) : (SetFocus(nullptr), true)) << row.focus;
    PostMessageA(hwnd(), WM_KEYDOWN, VK_F2, 1 | (kF2.scan << 16));
    pump();
    EXPECT_EQ(mainWindow().keys().picking(), row.picks) << row.focus;
    EXPECT_EQ(shownTip() != nullptr, row.picks) << row.focus;
    ASSERT_TRUE(takeFocus(other)) << row.focus;
    EXPECT_FALSE(mainWindow().keys().picking()) << row.focus;
  }
  DestroyWindow(other);
}

// Keys that are not on the picture end picking: the next key is a key again.
TEST_F(KeyPicking, AKeyThatIsNotOnThePictureEndsPicking) {
  const Keystroke offThePicture[] = {{VK_PAUSE, 0x45, false},
                                     {VK_SNAPSHOT, 0x37, true},
                                     {VK_SCROLL, 0x46, false},
                                     {VK_OEM_102, 0x56, false}};  // beside left Shift on European keyboards
  for (const Keystroke& key : offThePicture) {
    ASSERT_TRUE(startPicking()) << key.vk;
    typeKeys({key});
    EXPECT_TRUE(loopUntil([this] { return !mainWindow().keys().picking(); })) << key.vk;
    ASSERT_TRUE(typeAndSettle(kKeys[26].key)) << key.vk;  // Q
    EXPECT_EQ(mainWindow().keys().focusedStop(), kNoStop) << key.vk;
  }
  EXPECT_TRUE(dialogs.calls.empty());
}

// The shell opens the Start menu when a lone Windows key comes up. While a
// key is picked, the Windows keys go to the pick instead: a hook of the
// test's own, set up first and so asked last, never sees them then.
TEST_F(KeyPicking, TheWindowsKeysGoToThePickAndNotToTheShell) {
  static std::vector<DWORD> seen;
  seen.clear();
  struct ShellStandIn {
    static LRESULT CALLBACK hook(int code, WPARAM message, LPARAM data) {
      if (code == HC_ACTION) seen.push_back(reinterpret_cast<const KBDLLHOOKSTRUCT*>(data)->vkCode);
      return CallNextHookEx(nullptr, code, message, data);
    }
  };
  const HHOOK shell = SetWindowsHookExA(WH_KEYBOARD_LL, &ShellStandIn::hook, GetModuleHandleA(nullptr), 0);
  ASSERT_NE(shell, nullptr);
  const auto sawWindowsKey = [] { return std::count(seen.begin(), seen.end(), VK_LWIN) +
                                         std::count(seen.begin(), seen.end(), VK_RWIN); };

  ASSERT_TRUE(startPicking());
  dialogs.answerInput(false);
  const bool picked = typeForADialog({kKeys[58].key});  // right Windows key
  const long passedOn = sawWindowsKey();
  EXPECT_TRUE(picked);
  EXPECT_EQ(mainWindow().keys().focusedStop(), 59);
  EXPECT_EQ(passedOn, 0) << "the shell saw the Windows key while picking";

  // Picking over, the key is the shell's again.
  typeKeys({kKeys[54].key});  // left Windows key
  EXPECT_TRUE(loopUntil([&] { return sawWindowsKey() == 2; }));
  UnhookWindowsHookEx(shell);
  EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(KeyPicking, TheTipByTheMouseAsksForTheKeyUntilAClickOrLostFocusEndsPicking) {
  EXPECT_EQ(shownTip(), nullptr);
  ASSERT_TRUE(startPicking());
  const HWND tip = shownTip();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(tipText(tip, hwnd()), "Press the key you want to label");
  POINT mouse;
  GetCursorPos(&mouse);
  RECT at;
  GetWindowRect(tip, &at);
  EXPECT_GT(at.left, mouse.x);
  EXPECT_LT(at.left, mouse.x + 32);
  EXPECT_GT(at.top, mouse.y);
  EXPECT_LT(at.top, mouse.y + 32);

  // A press on the picture ends picking; the key typed next is a key again.
  const Rect legend = layout().keyName(1);
  click(legend.left + legend.width / 2, legend.top + 2);
  EXPECT_FALSE(mainWindow().keys().picking());
  EXPECT_EQ(shownTip(), nullptr);
  ASSERT_TRUE(typeAndSettle(kKeys[26].key));  // Q
  EXPECT_TRUE(dialogs.calls.empty());

  ASSERT_TRUE(startPicking());
  SetFocus(nullptr);
  EXPECT_FALSE(mainWindow().keys().picking());
  EXPECT_EQ(shownTip(), nullptr);
  ASSERT_TRUE(takeFocus(hwnd()));
  ASSERT_TRUE(typeAndSettle(kKeys[26].key));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(mainWindow().keys().focusedStop(), 1);
}

}  // namespace
}  // namespace tastrix::testing
