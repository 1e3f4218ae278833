#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>

#include "gdi_exhaustion.h"
#include "picture_pixels.h"
#include "support/form_fixture.h"
#include "win/native_shell.h"
#include "win/real_program.h"

namespace tastrix::testing {
namespace {

const char* const kCopiedMessage =
    "The current Keyboard Layout was copied to the Window's Clipboard as a Bitmap !\r\n\r\n"
    "You can now paste this into a word processor or a picture editing program and add headers / footers and "
    "other labels, as you require, and print it, or PDF it, or create a WEB page out of it, etc.";

// Another program that holds the clipboard open: this test executable started
// again with the names of two events in its environment. It opens the
// clipboard, says so, and waits to be let go, before any test runs.
const char* const kHolderVariable = "TASTRIX_TEST_CLIPBOARD_HOLDER";

std::string eventName(const std::string& prefix, const char* what) { return prefix + "-" + what; }

bool holdClipboardWhenAsked() {
  const char* prefix = std::getenv(kHolderVariable);
  if (!prefix) return false;
  UniqueHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName(prefix, "held").c_str()));
  UniqueHandle release(OpenEventA(SYNCHRONIZE, FALSE, eventName(prefix, "release").c_str()));
  const bool held = OpenClipboard(nullptr) != FALSE;
  if (held) SetEvent(ready.get());
  WaitForSingleObject(release.get(), 30000);
  if (held) CloseClipboard();
  ExitProcess(held ? 0 : 1);
}

[[maybe_unused]] const bool heldForAnotherProcess = holdClipboardWhenAsked();

// Waits for the first handle, answering this thread's window messages in the
// meantime: the system may ask the clipboard's owner for its data.
bool waitWhilePumping(HANDLE awaited, HANDLE failed) {
  const HANDLE handles[] = {awaited, failed};
  const DWORD deadline = GetTickCount() + 20000;
  for (;;) {
    const DWORD now = GetTickCount();
    if (static_cast<LONG>(deadline - now) <= 0) return false;
    const DWORD result = MsgWaitForMultipleObjects(2, handles, FALSE, deadline - now, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) return true;
    if (result != WAIT_OBJECT_0 + 2) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
}

class ClipboardHolder {
 public:
  ClipboardHolder() {
    const std::string prefix = "tastrix-clipboard-" + std::to_string(GetCurrentProcessId());
    held_.reset(CreateEventA(nullptr, TRUE, FALSE, eventName(prefix, "held").c_str()));
    release_.reset(CreateEventA(nullptr, TRUE, FALSE, eventName(prefix, "release").c_str()));
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string line = std::string("\"") + self + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    SetEnvironmentVariableA(kHolderVariable, prefix.c_str());
    const BOOL started =
        CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableA(kHolderVariable, nullptr);
    if (!started) return;
    process_.reset(process.hProcess);
    UniqueHandle thread(process.hThread);
    holding_ = waitWhilePumping(held_.get(), process_.get());
  }
  ~ClipboardHolder() {
    letGo();
    if (process_.valid()) WaitForSingleObject(process_.get(), 20000);
  }
  bool holding() const { return holding_; }
  void letGo() { SetEvent(release_.get()); }

 private:
  UniqueHandle held_, release_, process_;
  bool holding_ = false;
};

void putTextOnClipboard(HWND owner, const char* text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  const size_t size = std::strlen(text) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), text, size);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

// What the clipboard holds now, as the test reads it back.
struct ClipboardContent {
  bool hasText = false;
  bool hasBitmap = false;
  Pixels bitmap;
};

ClipboardContent clipboardContent() {
  ClipboardContent content;
  if (!OpenClipboard(nullptr)) return content;
  content.hasText = IsClipboardFormatAvailable(CF_TEXT);
  if (HANDLE bitmap = GetClipboardData(CF_BITMAP)) {
    content.hasBitmap = true;
    content.bitmap = pixelsOf(static_cast<HBITMAP>(bitmap));
  }
  CloseClipboard();
  return content;
}

// A program of either bitness (the paste readers built beside the tests)
// pastes the picture's DIB.
std::string pastedByProgram(const std::string& reader, const std::string& scratch) {
  const ProgramRun run = runProgram(builtProgram(reader), "pasted.dib", scratch);
  EXPECT_TRUE(run.finished && run.exitCode == 0) << reader << " ended with " << run.exitCode << run.errors;
  return readFile(scratch + "pasted.dib");
}

// An X client pastes a BMP file through Wine's bridge to the X clipboard, once
// the bridge has taken the X clipboard over.
std::string pastedByXClient(const std::string& scratch) {
  return nativeShellOutput(
      "{ for i in $(seq 400); do xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/bmp && "
      "break; sleep 0.05; done; xclip -selection clipboard -t image/bmp -o 2>/dev/null; }",
      scratch + "pasted.bmp");
}

::testing::AssertionResult sameBytes(const std::string& pasted, const std::string& expected) {
  if (pasted == expected) return ::testing::AssertionSuccess();
  const auto alike = std::mismatch(pasted.begin(), pasted.end(), expected.begin(), expected.end()).first;
  return ::testing::AssertionFailure() << pasted.size() << " bytes, not " << expected.size() << "; alike for the first "
                                       << (alike - pasted.begin());
}

class ClipboardCommand : public FormTest {};

TEST_F(ClipboardCommand, PutsABitmapEqualToTheFileOnTheClipboard) {
  startForm();
  mainWindow().setScrollPosition(600);
  PatternWindow pattern(mainWindow());
  putTextOnClipboard(hwnd(), "earlier text");
  const ViewState before = viewOf(mainWindow());

  command(ID_Copy_Bitmap_to_Clipboard);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].what, Dialog::Message);
  expectMessage(dialogs.calls[0], MessageKind::Confirmation, Buttons::Ok, kCopiedMessage);
  EXPECT_EQ(viewOf(mainWindow()), before);
  const ClipboardContent copied = clipboardContent();
  EXPECT_FALSE(copied.hasText);
  ASSERT_TRUE(copied.hasBitmap);

  const BmpFile file = parseBmp(savedBitmap("same.bmp"));
  ASSERT_EQ(file.pixels.width, 1528);
  EXPECT_EQ(firstDifference(copied.bitmap, file.pixels), "");
  EXPECT_EQ(copied.bitmap.at(700, 200), patternAt(700, 200));
}

// The picture stays on the clipboard when the window is gone, as on Windows,
// and other programs paste the bitmap file's very bytes: a Windows program of
// either bitness its DIB, an X client through Wine's bridge a BMP file. The
// 32-bit program pastes last: under Wine its paste leaves a DIB behind that
// the others would then get, whatever the program handed over.
TEST_F(ClipboardCommand, OtherProgramsPasteTheFilesPictureOnceTheWindowIsGone) {
  startForm();
  command(ID_Copy_Bitmap_to_Clipboard);
  const std::string file = savedBitmap("same.bmp");
  ASSERT_GT(file.size(), sizeof(BITMAPFILEHEADER));
  dropForm();
  const std::string dib = file.substr(sizeof(BITMAPFILEHEADER));
  EXPECT_TRUE(sameBytes(pastedByXClient(scratchDir()), file)) << "X client";
  EXPECT_TRUE(sameBytes(pastedByProgram("paste_reader64.exe", scratchDir()), dib)) << "64-bit program";
  if (!std::getenv("TASTRIX_NO_32_BIT_PROGRAMS")) {
    EXPECT_TRUE(sameBytes(pastedByProgram("paste_reader32.exe", scratchDir()), dib)) << "32-bit program";
  }
}

// The Edit menu's item and Ctrl+C, through the window's accelerators, copy too.
TEST_F(ClipboardCommand, TheEditMenuItemAndCtrlCCopyTheKeyboardsRendering) {
  startForm();
  const Pixels rendered = renderedPicture(mainWindow());
  const auto ctrlC = [this] {
    MSG keyDown{hwnd(), WM_KEYDOWN, 'C', 1, 0, {}};
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    EXPECT_TRUE(TranslateAcceleratorA(hwnd(), mainWindow().accelerators(), &keyDown));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    pump();
  };
  const std::function<void()> ways[] = {[this] { command(ID_Edit_Copy_Bitmap_to_Clipboard); }, ctrlC};
  for (const auto& copy : ways) {
    dialogs.calls.clear();
    putTextOnClipboard(hwnd(), "earlier text");
    copy();
    ASSERT_EQ(dialogs.messageTexts(), std::vector<std::string>{kCopiedMessage});
    const ClipboardContent copied = clipboardContent();
    EXPECT_FALSE(copied.hasText);
    ASSERT_TRUE(copied.hasBitmap);
    EXPECT_EQ(firstDifference(copied.bitmap, rendered), "");
  }
}

TEST_F(ClipboardCommand, AClipboardHeldByAnotherProgramCannotBeOpened) {
  startForm();
  putTextOnClipboard(hwnd(), "earlier text");
  mainWindow().setScrollPosition(300);
  const ViewState before = viewOf(mainWindow());
  {
    ClipboardHolder holder;
    ASSERT_TRUE(holder.holding());
    command(ID_Copy_Bitmap_to_Clipboard);
  }
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].what, Dialog::GeneralError);
  EXPECT_EQ(dialogs.calls[0].text, "Cannot open clipboard.");
  EXPECT_EQ(viewOf(mainWindow()), before);
  const ClipboardContent kept = clipboardContent();
  EXPECT_TRUE(kept.hasText);
  EXPECT_FALSE(kept.hasBitmap);
}

// Clipboard history, a remote desktop or a clipboard manager holds the
// clipboard for a moment: let go 50 ms after the copy needs it (once the
// capture has put the window back), it is waited for.
TEST_F(ClipboardCommand, AClipboardHeldForAMomentIsWaitedFor) {
  startForm();
  putTextOnClipboard(hwnd(), "earlier text");
  ClipboardHolder holder;
  ASSERT_TRUE(holder.holding());
  const HWND window = hwnd();
  const int width = mainWindow().clientWidth();
  std::thread letGo([&holder, window, width] {
    bool narrowed = false;
    for (int waited = 0; waited < 5000; ++waited) {
      RECT client;
      GetClientRect(window, &client);
      if (client.right != width)
        narrowed = true;
      else if (narrowed)
        break;
      Sleep(1);
    }
    Sleep(50);
    holder.letGo();
  });
  command(ID_Copy_Bitmap_to_Clipboard);
  letGo.join();
  EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{kCopiedMessage});
  EXPECT_TRUE(clipboardContent().hasBitmap);
}

// With every GDI handle taken, Wine's 32-bit user32 lays the menu bar out
// thousands of pixels tall at any resize (Windows lays menus out outside the
// process): the capture makes its picture before it touches the window, so a
// failed one leaves the window as it was on either build.
TEST_F(ClipboardCommand, AGdiFailureReportsNoSuccessAndKeepsTheClipboard) {
  startForm();
  putTextOnClipboard(hwnd(), "earlier text");
  const ViewState before = viewOf(mainWindow());
  {
    GdiExhaustion exhausted;
    command(ID_Copy_Bitmap_to_Clipboard);
  }
  EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"Out of system resources."});
  EXPECT_EQ(viewOf(mainWindow()), before);
  const ClipboardContent kept = clipboardContent();
  EXPECT_TRUE(kept.hasText);
  EXPECT_FALSE(kept.hasBitmap);
}

class PrintCommand : public FormTest {};

TEST_F(PrintCommand, StaysGreyedAndCannotRunFromTheMenu) {
  startForm();
  EXPECT_TRUE(GetMenuState(GetMenu(hwnd()), ID_Print_Keyboard_Layout, MF_BYCOMMAND) & MF_GRAYED);
  command(ID_Print_Keyboard_Layout);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_TRUE(GetMenuState(GetMenu(hwnd()), ID_Print_Keyboard_Layout, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(PrintCommand, ItsHandlerCapturesAndShowsThePrinterSetUpOnce) {
  startForm();
  mainWindow().setClientSize(640, mainWindow().clientHeight());
  mainWindow().setScrollPosition(480);
  const ViewState before = viewOf(mainWindow());
  app().runCommand([&] { app().output().showPrinterSetup(); });
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].what, Dialog::PrinterSetup);
  EXPECT_EQ(viewOf(mainWindow()), before);
}

}  // namespace
}  // namespace tastrix::testing
