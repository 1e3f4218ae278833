// Start-up from the settings file, writing it back, and the close question.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/app_paths.h"
#include "platform/shutdown_reason.h"
#include "platform/wide_text.h"
#include "support/form_fixture.h"
#include "text/profile_source.h"
#include "win/map_file_fixture.h"
#include "win/small_disk.h"

namespace tastrix::testing {
namespace {

const char* const kCloseQuestion =
    "Warning: You are about exit the program \"Tastrix - v1.0f\" but you have not saved the changes to the "
    "current Keyboard Map.\r\n\r\nAre you sure that you want to exit the program and lose all changes to the "
    "current Keyboard Map ?";

class Startup : public FormTest {
 protected:
  void settings(const std::string& lines) { writeFile(settingsFile(), "[tastrix]\r\n" + lines); }
  RECT windowRect() {
    RECT r;
    GetWindowRect(hwnd(), &r);
    return r;
  }
  bool topmost() { return (GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
};

TEST_F(Startup, FirstStartWithoutSettingsFileUsesTheDefaults) {
  startForm();
  expectFirstStartState();
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Startup, MaximizedAndTopmostFromTheFile) {
  settings("WindowState_wsMaximized=1\r\nAlways_on_Top_Option=1\r\n");
  startForm();
  EXPECT_TRUE(IsZoomed(hwnd()));
  EXPECT_TRUE(topmost());
  EXPECT_TRUE(menuChecked(ID_Always_On_Top));
}

TEST_F(Startup, AutoRunMarkFromTheFileIsReplacedByTheRegistryCheck) {
  settings("Auto_Run_at_Windows_Startup_Option=1\r\n");
  startForm();
  EXPECT_FALSE(menuChecked(ID_Auto_Run));
}

TEST_F(Startup, RemembersTheCurrentMapPath) {
  settings("Current_Keyboard_Layout_File_Name_Edit=" + inScratch("gone\\office.zv") + "\r\n");
  startForm();
  EXPECT_EQ(document().path(), inScratch("gone\\office.zv"));
  EXPECT_EQ(mainWindow().caption(), "Tastrix - v1.0f  - office");
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Startup, AWindowOffEveryMonitorIsBroughtBackWithItsSize) {
  settings("window_top_posn=-9000\r\nwindow_left_posn=40000\r\nwindow_Width=700\r\nwindow_Height=300\r\n");
  startForm();
  const RECT r = windowRect();
  RECT desktop;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0);
  RECT overlap;
  EXPECT_TRUE(IntersectRect(&overlap, &r, &desktop));
  EXPECT_EQ(r.right - r.left, 700);
  EXPECT_EQ(mainWindow().clientHeight(), 300);
}

// A size no window can have would collapse the window, and then be saved
// again at every close.
TEST_F(Startup, SizesNoWindowCanHaveGiveTheDefaults) {
  for (const char* size : {"0", "-1", "2147483647", "-2147483648", "32768"}) {
    SCOPED_TRACE(size);
    settings(std::string("window_Width=") + size + "\r\nwindow_Height=" + size + "\r\n");
    startForm();
    EXPECT_EQ(windowRect().right - windowRect().left, 762);
    EXPECT_EQ(mainWindow().clientHeight(), 461);
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
    const std::string written = readFile(settingsFile());
    EXPECT_NE(written.find("window_Width=762\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("window_Height=461\r\n"), std::string::npos) << written;
  }
}

// Integers are decimal or hexadecimal; junk, a file of junk and numbers
// beyond any integer give the defaults; a window touching a monitor stays
// exactly where the file puts it.
TEST_F(Startup, ThePlaceIsReadFromTheFileOrDefaults) {
  std::string junk;
  for (int i = 0; i < 5000; ++i) junk.push_back(static_cast<char>((i * 7919) % 256));
  const std::string huge(100000, '7');
  const struct {
    std::string file;
    int left, top, width, clientHeight;
  } rows[] = {
      {"[tastrix]\r\nwindow_top_posn=abc\r\nwindow_left_posn=0x10\r\nwindow_Width=$320\r\nwindow_Height=300\r\n", 16,
       20, 800, 300},
      {"[tastrix]\r\nwindow_top_posn=-50\r\nwindow_left_posn=-300\r\n", -300, -50, 762, 461},
      {junk, 20, 20, 762, 461},
      {"[tastrix]\r\nwindow_top_posn=" + huge + "\r\nwindow_left_posn=" + huge +
           "\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + std::string(100000, 'x') + "\r\n",
       20, 20, 762, 461},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file.substr(0, 40));
    writeFile(settingsFile(), row.file);
    startForm();
    const RECT r = windowRect();
    EXPECT_EQ(r.left, row.left);
    EXPECT_EQ(r.top, row.top);
    EXPECT_EQ(r.right - r.left, row.width);
    EXPECT_EQ(mainWindow().clientHeight(), row.clientHeight);
    EXPECT_LE(document().path().size(), kLongestProfileValue);
    dropForm();
  }
}

class Closing : public Startup {
 protected:
  std::string value(const std::string& key) {
    char buffer[256];
    GetPrivateProfileStringA("tastrix", key.c_str(), "<missing>", buffer, sizeof buffer, settingsFile().c_str());
    return buffer;
  }
  void expectStoredPlacement(const std::string& top, const std::string& left, const std::string& width,
                             const std::string& height) {
    EXPECT_EQ(value("window_top_posn"), top);
    EXPECT_EQ(value("window_left_posn"), left);
    EXPECT_EQ(value("window_Width"), width);
    EXPECT_EQ(value("window_Height"), height);
  }
};

TEST_F(Closing, WritesEveryKeyInOrder) {
  startForm();
  SendMessageA(hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd()));
  EXPECT_EQ(readFile(settingsFile()), kFirstStartSettings);
  EXPECT_TRUE(dialogs.calls.empty());
}

// The settings are written once, whole, into the old text: every other line
// keeps its bytes, and a file that cannot be written whole (a full disk) is
// reported and left as it was, never half written.
TEST_F(Closing, TheFileIsReplacedWholeKeepingEveryOtherLineOrNotAtAll) {
  const std::string old =
      "; my notes\n[Other]\r\nwindow_Width=1\r\n\r\n[ TASTRIX ]\r\n  Window_Width = 700 \r\nextra=kept\r\n"
      "window_top_posn=30\r";
  writeFile(settingsFile(), old);
  startForm();
  SendMessageA(hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(readFile(settingsFile()),
            "; my notes\n[Other]\r\nwindow_Width=1\r\n\r\n[ TASTRIX ]\r\nWindow_Width=700\r\nextra=kept\r\n"
            "window_top_posn=30\rWindowState_wsMaximized=0\r\nwindow_left_posn=20\r\nwindow_Height=461\r\n"
            "Always_on_Top_Option=0\r\nAuto_Run_at_Windows_Startup_Option=0\r\n"
            "Current_Keyboard_Layout_File_Name_Edit=\r\n");
  EXPECT_TRUE(dialogs.calls.empty());

  SmallDisk disk;
  if (!disk.available()) GTEST_SKIP() << "no small disk mounted (scripts/test mounts one as root)";
  overrideExecutablePath(disk.file("tastrix.exe"));
  writeFile(settingsFile(), old);
  startForm();
  disk.fill();
  SendMessageA(hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"Unable to write to " + disk.file("tastrix.ini") + "."});
  EXPECT_EQ(readFile(settingsFile()), old);
  EXPECT_EQ(temporaryFilesIn(disk.file("")), 0);
}

// A settings file that another program held all through the start-up still
// holds the user's place and map, which the window never read: the close
// leaves it as it is.
TEST_F(Closing, ASettingsFileHeldAtStartUpKeepsWhatItHolds) {
  const std::string old = "[tastrix]\r\nwindow_Width=900\r\nCurrent_Keyboard_Layout_File_Name_Edit=C:\\office.zv\r\n";
  writeFile(settingsFile(), old);
  {
    HeldFile held(settingsFile());
    ASSERT_TRUE(held.held());
    startForm();
  }
  SendMessageA(hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(readFile(settingsFile()), old);
}

// A maximized or minimized window stores its normal placement, and counts
// as maximized when it was minimized from maximized.
TEST_F(Closing, AMaximizedOrMinimizedWindowStoresItsNormalPlacement) {
  const struct {
    bool maximized, minimized;
  } rows[] = {{true, false}, {false, true}, {true, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.maximized ? "maximized" : "normal") + (row.minimized ? ", then minimized" : ""));
    settings("window_top_posn=50\r\nwindow_left_posn=100\r\nwindow_Width=800\r\nwindow_Height=400\r\n" +
             std::string(row.maximized ? "WindowState_wsMaximized=1\r\n" : ""));
    startForm();
    ASSERT_EQ(IsZoomed(hwnd()) != FALSE, row.maximized);
    if (row.minimized) ShowWindow(hwnd(), SW_MINIMIZE);
    ASSERT_EQ(IsIconic(hwnd()) != FALSE, row.minimized);
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(value("WindowState_wsMaximized"), row.maximized ? "1" : "0");
    expectStoredPlacement("50", "100", "800", "400");
    dropForm();
  }
}

// The platform's shutdown-reason functions, replaced by ones that record each
// call while the object lives.
class ShutdownReasonsRecorded {
 public:
  ShutdownReasonsRecorded() : previous_(replaceShutdownReasonFunctions({&create, &destroy})) { calls().clear(); }
  ~ShutdownReasonsRecorded() { replaceShutdownReasonFunctions(previous_); }
  ShutdownReasonsRecorded(const ShutdownReasonsRecorded&) = delete;
  ShutdownReasonsRecorded& operator=(const ShutdownReasonsRecorded&) = delete;

  struct Call {
    HWND window;
    std::string reason;  // "" for the call that takes it back
  };
  static std::vector<Call>& calls() {
    static std::vector<Call> made;
    return made;
  }

 private:
  static BOOL WINAPI create(HWND window, LPCWSTR reason) {
    calls().push_back(Call{window, Utf8FromWide(reason)});
    return TRUE;
  }
  static BOOL WINAPI destroy(HWND window) {
    calls().push_back(Call{window, ""});
    return TRUE;
  }
  ShutdownReasonFunctions previous_;
};

// Windows hides the question behind its screen of programs that keep the
// session from ending: while the question is open, that screen says why.
TEST_F(Closing, LoggingOffWritesTheSettingsAndAsksAboutUnsavedChanges) {
  const ShutdownReasonsRecorded reasons;
  std::vector<ShutdownReasonsRecorded::Call> whileAsked;
  startForm();
  SetWindowPos(hwnd(), nullptr, 130, 140, 900, 500, SWP_NOZORDER);
  document().setChanged(true);
  dialogs.answerMessage(Answer::No, [&] { whileAsked = reasons.calls(); });
  EXPECT_EQ(SendMessageA(hwnd(), WM_QUERYENDSESSION, 0, 0), FALSE);
  EXPECT_TRUE(IsWindow(hwnd()));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, kCloseQuestion);
  EXPECT_EQ(value("window_left_posn"), "130");
  ASSERT_EQ(whileAsked.size(), 1u);
  EXPECT_EQ(whileAsked[0].window, hwnd());
  EXPECT_EQ(whileAsked[0].reason, "Unsaved keyboard map");
  ASSERT_EQ(reasons.calls().size(), 2u);
  EXPECT_EQ(reasons.calls()[1].window, hwnd());
  EXPECT_EQ(reasons.calls()[1].reason, "") << "the reason stays after the question";

  dialogs.answerMessage(Answer::Yes);
  EXPECT_EQ(SendMessageA(hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(reasons.calls().size(), 4u);

  // Nothing unsaved: nothing to ask and no reason to give.
  document().setChanged(false);
  SetWindowPos(hwnd(), nullptr, 150, 160, 900, 500, SWP_NOZORDER);
  EXPECT_EQ(SendMessageA(hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(value("window_left_posn"), "150");
  EXPECT_EQ(value("window_top_posn"), "160");

  // Closing the window alone keeps no session waiting.
  document().setChanged(true);
  dialogs.answerMessage(Answer::No);
  SendMessageA(hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(reasons.calls().size(), 4u);
}

// Windows may end the session while any box is open: the settings are still
// written (the map loaded since the start, the window's place); unsaved
// changes keep the session waiting for the box.
TEST_F(Closing, TheSessionEndsWithTheSettingsWrittenWhateverBoxIsOpen) {
  startForm();
  dialogs.answerFile(true, inScratch("office.zv"));
  command(ID_Save_Keyboard_Layout_As);
  const std::function<void(std::function<void()>)> boxes[] = {
      [&](auto whileOpen) { dialogs.answerMessage(Answer::No, whileOpen); command(ID_Restore_Factory_Defaults); },
      [&](auto whileOpen) { dialogs.answerFile(false, "", whileOpen); command(ID_Load_Key_Labels); },
      [&](auto whileOpen) {
        dialogs.answerInput(false, "", whileOpen);
        click(centreOf(layout().keyLabel(27)).x, centreOf(layout().keyLabel(27)).y);
      }};
  int left = 100;
  for (const auto& openBox : boxes)
    for (const bool changed : {false, true}) {
      SetWindowPos(hwnd(), nullptr, ++left, 140, 900, 500, SWP_NOZORDER);
      document().setChanged(changed);
      LRESULT answer = -1;
      openBox([&] { answer = SendMessageA(hwnd(), WM_QUERYENDSESSION, 0, 0); });
      EXPECT_EQ(answer, changed ? FALSE : TRUE) << left;
      EXPECT_EQ(value("window_left_posn"), std::to_string(left));
      EXPECT_EQ(value("Current_Keyboard_Layout_File_Name_Edit"), inScratch("office.zv")) << left;
    }
  EXPECT_EQ(dialogs.calls.size(), 7u) << "no box inside a box";
}

// The close box and Exit ask alike: No keeps the window, with the settings written.
TEST_F(Closing, UnsavedChangesAreAskedAboutAndNoKeepsTheWindowWithSettingsWritten) {
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    startForm();
    document().setChanged(true);
    dialogs.calls.clear();
    dialogs.answerMessage(answer);
    if (answer == Answer::No)
      SendMessageA(hwnd(), WM_CLOSE, 0, 0);
    else
      command(ID_Exit);
    EXPECT_EQ(IsWindow(hwnd()) != FALSE, answer == Answer::No);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].caption, "Confirm");
    expectMessage(dialogs.calls[0], MessageKind::Confirmation, Buttons::YesNo, kCloseQuestion);
    EXPECT_EQ(value("window_Width"), "762");
    EXPECT_EQ(value("window_Height"), "461");
    dropForm();
  }
}

TEST_F(Closing, AWindowTheUserMovedIsStoredAsMoved) {
  startForm();
  SetWindowPos(hwnd(), nullptr, 130, 140, 900, 500, SWP_NOZORDER);
  const int clientHeight = mainWindow().clientHeight();
  SendMessageA(hwnd(), WM_CLOSE, 0, 0);
  expectStoredPlacement("140", "130", "900", std::to_string(clientHeight));
}

TEST_F(Closing, AReadOnlySettingsFileIsReportedAndTheCloseGoesAhead) {
  if (!readOnlyIsEnforced(scratchDir())) GTEST_SKIP() << "read-only files are writable for this user";
  writeFile(settingsFile(), "[tastrix]\r\nwindow_top_posn=30\r\n");
  setReadOnly(settingsFile(), true);
  startForm();
  SendMessageA(hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd()));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].what, Dialog::GeneralError);
  EXPECT_EQ(dialogs.calls[0].caption, "Tastrix - v1.0f");
  EXPECT_EQ(dialogs.calls[0].text, "Unable to write to " + settingsFile() + ".");
  EXPECT_EQ(readFile(settingsFile()), "[tastrix]\r\nwindow_top_posn=30\r\n");
}

class AlwaysOnTop : public Startup {};

TEST_F(AlwaysOnTop, TogglesTheMarkAndTheBand) {
  startForm();
  command(ID_Always_On_Top);
  EXPECT_TRUE(menuChecked(ID_Always_On_Top));
  EXPECT_TRUE(topmost());
  command(ID_Always_On_Top);
  EXPECT_FALSE(menuChecked(ID_Always_On_Top));
  EXPECT_FALSE(topmost());
}

class Scrolling : public Startup {};

TEST_F(Scrolling, PositionIsClampedToTheRangeLessTheClientWidth) {
  startForm();
  mainWindow().setScrollPosition(100000);
  EXPECT_EQ(mainWindow().scrollPosition(), 1525 - mainWindow().clientWidth());
  mainWindow().setScrollPosition(-5);
  EXPECT_EQ(mainWindow().scrollPosition(), 0);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  GetScrollInfo(hwnd(), SB_HORZ, &si);
  EXPECT_EQ(si.nMax - si.nMin + 1, 1525);
  EXPECT_EQ(static_cast<int>(si.nPage), mainWindow().clientWidth());
  EXPECT_FALSE(GetWindowLongPtrA(hwnd(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(Scrolling, KeysWheelAndScrollBarScrollSideways) {
  startForm();
  SendMessageA(hwnd(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_GT(mainWindow().scrollPosition(), 0);
  SendMessageA(hwnd(), WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(mainWindow().scrollPosition(), 1525 - mainWindow().clientWidth());
  SendMessageA(hwnd(), WM_KEYDOWN, VK_LEFT, 0);
  EXPECT_LT(mainWindow().scrollPosition(), 1525 - mainWindow().clientWidth());
  SendMessageA(hwnd(), WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(mainWindow().scrollPosition(), 0);
  SendMessageA(hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-WHEEL_DELTA)), 0);
  const int afterWheel = mainWindow().scrollPosition();
  EXPECT_GT(afterWheel, 0);
  SendMessageA(hwnd(), WM_HSCROLL, SB_PAGERIGHT, 0);
  EXPECT_EQ(mainWindow().scrollPosition(), std::min(afterWheel + mainWindow().clientWidth(), 1525 - mainWindow().clientWidth()));
}

TEST_F(Scrolling, AWindowWiderThanThePictureHasNoScrollBar) {
  startForm();
  mainWindow().setClientSize(1600, mainWindow().clientHeight());
  EXPECT_EQ(mainWindow().clientWidth(), 1600);
  mainWindow().setScrollPosition(300);
  EXPECT_EQ(mainWindow().scrollPosition(), 0);
  mainWindow().setClientSize(mainWindow().clientWidth(), 461);
  EXPECT_EQ(mainWindow().clientHeight(), 461);
  mainWindow().setClientSize(500, mainWindow().clientHeight());
  EXPECT_EQ(mainWindow().clientWidth(), 500);
  mainWindow().setClientSize(mainWindow().clientWidth(), 461);
  EXPECT_EQ(mainWindow().clientHeight(), 461);
}

}  // namespace
}  // namespace tastrix::testing
