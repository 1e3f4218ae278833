#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32_dialogs.h"
#include "support/form_fixture.h"
#include "win/modal_probe.h"

namespace tastrix::testing {
namespace {

// What the About box showed while it was open, and whether the gesture closed it.
struct Visit {
  HWND box = nullptr, owner = nullptr;
  bool ownerEnabled = true, closed = false;
  std::string caption;
  std::vector<std::string> texts;
};

class AboutBox : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    startForm(&real);
    real.setOwner(hwnd());
  }

  // Opens the box from the menu and closes it with a key sent to its focus,
  // or with its OK button (key 0). A box the gesture leaves open is closed
  // by the probe once it gives up.
  Visit openAndClose(WPARAM key) {
    Visit seen;
    ModalProbe probe([&] {
      if (seen.box) return false;
      seen.box = findDialog();
      if (!seen.box) return false;
      seen.caption = textOf(seen.box);
      for (HWND child = GetWindow(seen.box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        seen.texts.push_back(textOf(child));
      seen.owner = GetWindow(seen.box, GW_OWNER);
      seen.ownerEnabled = IsWindowEnabled(seen.owner) != FALSE;
      if (key)
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
      else
        PostMessageA(GetDlgItem(seen.box, IDOK), BM_CLICK, 0, 0);
      return false;
    });
    SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(ID_About, 0), 0);
    seen.closed = seen.box && !probe.timedOut() && !IsWindow(seen.box);
    return seen;
  }

  Win32Dialogs real;
};

TEST_F(AboutBox, ShowsNameAndPurposeModallyOverTheMainWindow) {
  const Visit seen = openAndClose(0);
  ASSERT_NE(seen.box, nullptr) << "no dialog appeared";
  EXPECT_TRUE(seen.closed) << "OK did not close the box";
  EXPECT_EQ(seen.caption, "About Tastrix");
  EXPECT_EQ(seen.owner, hwnd());
  EXPECT_FALSE(seen.ownerEnabled) << "the main window is disabled while the box shows";
  EXPECT_TRUE(IsWindowEnabled(hwnd()));

  ASSERT_EQ(seen.texts.size(), 3u);
  EXPECT_EQ(seen.texts[0], "Tastrix - v1.0f");
  EXPECT_NE(seen.texts[1].find("101-key"), std::string::npos) << seen.texts[1];
  EXPECT_NE(seen.texts[1].find("label"), std::string::npos) << seen.texts[1];
  EXPECT_EQ(seen.texts[2], "OK");
}

TEST_F(AboutBox, EnterAndEscapeCloseIt) {
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) EXPECT_TRUE(openAndClose(key).closed) << key;
  // The box can be opened again after closing.
  EXPECT_TRUE(openAndClose(0).closed);
}

}  // namespace
}  // namespace tastrix::testing
