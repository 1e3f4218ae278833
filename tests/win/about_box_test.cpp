#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/app_paths.h"
#include "platform/win32_dialogs.h"
#include "support/form_fixture.h"

namespace tastrix::testing {
namespace {

enum class Close { Enter, Escape, OkButton };

// What a timer saw of the About box while it was open, and how it closed it.
struct Visit {
  Close how = Close::Enter;
  HWND box = nullptr;
  std::string caption;
  std::vector<std::string> texts;
  HWND owner = nullptr;
  bool ownerEnabled = true;
  int ticks = 0;
  bool timedOut = false;
};
Visit* visit = nullptr;

std::string textOf(HWND window) {
  char buffer[1024] = "";
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

BOOL CALLBACK findDialog(HWND window, LPARAM found) {
  char className[32] = "";
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

BOOL CALLBACK collectText(HWND child, LPARAM) {
  visit->texts.push_back(textOf(child));
  return TRUE;
}

void CALLBACK onTick(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&box));
  if (++visit->ticks > 250) {
    // Never leave a test stuck in a modal loop.
    visit->timedOut = true;
    KillTimer(nullptr, timer);
    if (box) EndDialog(box, IDABORT);
    return;
  }
  if (!box) return;
  if (!visit->box) {
    visit->box = box;
    visit->caption = textOf(box);
    EnumChildWindows(box, collectText, 0);
    visit->owner = GetWindow(box, GW_OWNER);
    visit->ownerEnabled = IsWindowEnabled(visit->owner);
    HWND focus = GetFocus();
    switch (visit->how) {
      case Close::Enter: PostMessageA(focus, WM_KEYDOWN, VK_RETURN, 0); break;
      case Close::Escape: PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0); break;
      case Close::OkButton: PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0); break;
    }
  }
}

class AboutBox : public ::testing::Test {
 protected:
  void SetUp() override {
    overrideExecutablePath(scratch.file("tastrix.exe"));
    application.create(GetModuleHandleA(nullptr));
    dialogs.setOwner(application.window().handle());
    application.start();
  }
  void TearDown() override { overrideExecutablePath(""); }

  Visit openAndClose(Close how) {
    Visit seen;
    seen.how = how;
    visit = &seen;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, onTick);
    SendMessageA(application.window().handle(), WM_COMMAND, MAKEWPARAM(ID_About, 0), 0);
    KillTimer(nullptr, timer);
    visit = nullptr;
    return seen;
  }

  ScratchFolder scratch;
  Win32Dialogs dialogs;
  Application application{dialogs};
};

TEST_F(AboutBox, ShowsNameAndPurposeModallyOverTheMainWindow) {
  const Visit seen = openAndClose(Close::OkButton);
  ASSERT_NE(seen.box, nullptr) << "no dialog appeared";
  EXPECT_FALSE(seen.timedOut) << "OK did not close the box";
  EXPECT_FALSE(IsWindow(seen.box));
  EXPECT_EQ(seen.caption, "About Tastrix");
  EXPECT_EQ(seen.owner, application.window().handle());
  EXPECT_FALSE(seen.ownerEnabled) << "the main window is disabled while the box shows";
  EXPECT_TRUE(IsWindowEnabled(application.window().handle()));

  ASSERT_EQ(seen.texts.size(), 3u);
  EXPECT_EQ(seen.texts[0], "Tastrix - v1.0f");
  EXPECT_NE(seen.texts[1].find("101-key"), std::string::npos) << seen.texts[1];
  EXPECT_NE(seen.texts[1].find("label"), std::string::npos) << seen.texts[1];
  EXPECT_EQ(seen.texts[2], "OK");
}

TEST_F(AboutBox, EnterAndEscapeCloseIt) {
  for (Close how : {Close::Enter, Close::Escape}) {
    const Visit seen = openAndClose(how);
    ASSERT_NE(seen.box, nullptr);
    EXPECT_FALSE(seen.timedOut) << (how == Close::Enter ? "Enter" : "Escape");
    EXPECT_FALSE(IsWindow(seen.box));
  }
  // The box can be opened again after closing.
  EXPECT_FALSE(openAndClose(Close::OkButton).timedOut);
}

}  // namespace
}  // namespace tastrix::testing
