#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/win32_dialogs.h"
#include "support/form_fixture.h"
#include "win/modal_probe.h"

namespace tastrix::testing {
namespace {

// What the user does in the open box: a key sent to the focused button, or
// the close box.
struct Gesture {
  const char* name;
  UINT message;
  WPARAM key;
  LPARAM flags;
  int expected;
};

constexpr LPARAM kAltDown = 1 << 29;

const Gesture kGestures[] = {
    {"Escape", WM_KEYDOWN, VK_ESCAPE, 0, IDNO},
    {"close box", WM_SYSCOMMAND, SC_CLOSE, 0, IDNO},
    {"Alt+F4", WM_SYSKEYDOWN, VK_F4, kAltDown, IDNO},
    {"Enter", WM_KEYDOWN, VK_RETURN, 0, IDYES},
    {"N", WM_CHAR, 'n', 0, IDNO},
    {"Y", WM_CHAR, 'y', 0, IDYES},
};

struct SeenBox {
  std::vector<std::string> texts;  // of the box's controls
  std::string caption;
  bool closeEnabled = false;
};

// A question naming a file the system's code page cannot spell, which the
// box shows exactly.
const std::string kQuestion =
    "Overwrite Existing Keyboard Map : \r\n\r\nC:\\\xED\x95\x9C\\\xCE\xA9mega.zv\r\n\r\nAre you sure ?";

// Shows a Yes/No question, does the gesture once the box is up and returns
// the box's own result.
int answerWith(const Gesture& gesture, SeenBox& seen, UINT defaultButton = MB_DEFBUTTON1) {
  ModalProbe probe([&] {
    HWND box = findDialog("Confirm");
    if (!box) return false;
    seen.caption = textOf(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      seen.texts.push_back(textOf(child));
    seen.closeEnabled = !(GetMenuState(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    HWND target = gesture.message == WM_SYSCOMMAND ? box : GetFocus();
    PostMessageA(target, gesture.message, gesture.key, gesture.flags);
    return true;
  });
  const int result = ShowMessageBox(nullptr, kQuestion, "Confirm", MB_YESNO | MB_ICONQUESTION | defaultButton);
  EXPECT_TRUE(probe.finished()) << gesture.name << ": the box never showed";
  EXPECT_FALSE(probe.timedOut()) << gesture.name;
  return result;
}

TEST(YesNoQuestion, EscapeTheCloseBoxAndAltF4AnswerNoAndTheKeysStillWork) {
  for (const Gesture& gesture : kGestures) {
    SeenBox seen;
    EXPECT_EQ(answerWith(gesture, seen), gesture.expected) << gesture.name;
    EXPECT_TRUE(seen.closeEnabled) << gesture.name << ": the close box must answer No, so it is enabled";
    EXPECT_EQ(seen.caption, "Confirm");
    EXPECT_NE(std::find(seen.texts.begin(), seen.texts.end(), kQuestion), seen.texts.end());
    EXPECT_NE(std::find(seen.texts.begin(), seen.texts.end(), "&Yes"), seen.texts.end());
    EXPECT_NE(std::find(seen.texts.begin(), seen.texts.end(), "&No"), seen.texts.end());
  }
  SeenBox seen;
  EXPECT_EQ(answerWith(kGestures[3], seen, MB_DEFBUTTON2), IDNO) << "Enter takes the default button";
}

// The real window and the real boxes: an erase question dismissed with
// Escape leaves every label as it was.
using RealQuestion = FormTest;

TEST_F(RealQuestion, EscapeLeavesTheMapAsItWas) {
  Win32Dialogs real;
  startForm(&real);
  real.setOwner(hwnd());
  ModalProbe probe([] {
    HWND box = findDialog("Confirm");
    if (box) PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    return box != nullptr;
  });
  command(ID_Erase_All);
  EXPECT_TRUE(probe.finished());
  EXPECT_EQ(map().labels[30], "Key Label");
  EXPECT_FALSE(document().changed());
  dropForm();  // while its dialogs live
}

}  // namespace
}  // namespace tastrix::testing
