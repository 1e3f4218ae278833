#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/key_navigation.h"
#include "support/form_fixture.h"
#include "win/accessible_client.h"
#include "win/real_program.h"

namespace tastrix::testing {
namespace {

// A function of a library loaded at run time (the program itself needs none of them).
template <typename F>
F procedure(HMODULE library, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// The first paint may still be on its way when the window turns visible, and
// a surface not painted yet reads black: waits for a pixel of a white face.
struct ExpectedPixel {
  int x, y;
  COLORREF colour;
};

// Waits until the window shows its picture, read through another process's
// view of it: a window not painted yet reads as all white or all black, and
// its first paint may arrive in pieces, so every pixel checked must be there.
void waitForPixels(HDC dc, const std::vector<ExpectedPixel>& pixels) {
  const auto shown = [&] {
    for (const ExpectedPixel& p : pixels)
      if (GetPixel(dc, p.x, p.y) != p.colour) return false;
    return true;
  };
  for (int waited = 0; waited < 3000 && !shown(); waited += 20) Sleep(20);
}

void expectPixels(HDC dc, const std::vector<ExpectedPixel>& pixels) {
  waitForPixels(dc, pixels);
  for (const ExpectedPixel& p : pixels) EXPECT_EQ(GetPixel(dc, p.x, p.y), p.colour) << p.x << "," << p.y;
}

// The real program, copied into a scratch folder so that its settings file lands there.
class RealProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFileA(builtProgram().c_str(), program().c_str(), FALSE)) << builtProgram();
  }

  std::string program() const { return scratch.file("tastrix.exe"); }

  // Starts the program as a launcher would, with a show state when one is given.
  HWND start(WORD showWindow = SW_SHOWDEFAULT) {
    started_ = std::make_unique<StartedProgram>(program(), scratch.path(), showWindow);
    return started_->window();
  }
  DWORD closeAndWait() { return started_->closeAndWait(); }
  bool answerMessageBox(int button) { return started_->answerMessageBox(button); }

  ScratchFolder scratch;

 private:
  std::unique_ptr<StartedProgram> started_;
};

TEST_F(RealProgram, StartsShowsItsWindowAndWritesSettingsOnClose) {
  HWND window = start();
  ASSERT_NE(window, nullptr) << "no TMainForm1 window within 10 s";
  char caption[256] = "";
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ(caption, "Tastrix - v1.0f  - ");
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 20);
  EXPECT_EQ(outer.top, 20);
  EXPECT_EQ(outer.right - outer.left, 762);
  // The picture is painted: the "Q" key's outline and white face, where the layout has them.
  const PictureLayout layout;
  const Rect face = layout.keyFace(27);
  const int midY = face.top + face.height / 2;
  {
    WindowDC dc(window);
    // The start-up load gives the borders the factory default colour, white.
    expectPixels(dc.get(), {{face.left, midY, RGB(0, 0, 0)},
                            {face.left + 3, midY, RGB(255, 255, 255)},
                            {face.left - 2, midY, RGB(255, 255, 255)}});
  }

  EXPECT_EQ(closeAndWait(), 0u);
  EXPECT_EQ(readFile(scratch.file("tastrix.ini")), kFirstStartSettings);
}

// Launched normally, or minimized when it was closed maximized: it opens
// where the settings file put it, restores maximized, and stores it so again.
TEST_F(RealProgram, ReopensWhereTheSettingsFilePutIt) {
  const std::string place = "window_top_posn=40\r\nwindow_left_posn=64\r\nwindow_Width=900\r\nwindow_Height=300\r\n";
  for (const bool maximized : {false, true}) {
    SCOPED_TRACE(maximized ? "maximized, launched minimized" : "normal");
    const std::string state = maximized ? "WindowState_wsMaximized=1\r\n" : "WindowState_wsMaximized=0\r\n";
    writeFile(scratch.file("tastrix.ini"), "[tastrix]\r\n" + place + state);
    HWND window = start(maximized ? SW_SHOWMINNOACTIVE : SW_SHOWDEFAULT);
    ASSERT_NE(window, nullptr);
    if (maximized) {
      EXPECT_TRUE(IsIconic(window));
      ShowWindow(window, SW_RESTORE);
      EXPECT_TRUE(IsZoomed(window));
    } else {
      RECT outer, client;
      GetWindowRect(window, &outer);
      GetClientRect(window, &client);
      EXPECT_EQ(outer.left, 64);
      EXPECT_EQ(outer.top, 40);
      EXPECT_EQ(outer.right - outer.left, 900);
      EXPECT_EQ(client.bottom, 300) << "the client height, scroll bar not counted";
    }
    ASSERT_EQ(closeAndWait(), 0u);
    const std::string settings = readFile(scratch.file("tastrix.ini"));
    EXPECT_NE(settings.find(place), std::string::npos) << settings;
    EXPECT_NE(settings.find(state), std::string::npos) << settings;
  }
}

TEST_F(RealProgram, RestoringTheFactoryDefaultsDoesNotMinimizeAWindowLaunchedMinimized) {
  HWND window = start(SW_SHOWMINNOACTIVE);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(IsIconic(window));
  PostMessageA(window, WM_COMMAND, ID_Restore_Factory_Defaults, 0);
  ASSERT_TRUE(answerMessageBox(IDYES)) << "no restore question";
  // The answer is posted: wait until the program has handled the restore.
  SendMessageA(window, WM_NULL, 0, 0);
  EXPECT_FALSE(IsIconic(window));
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 20);
  EXPECT_EQ(outer.top, 20);
  EXPECT_EQ(outer.right - outer.left, 762);
  EXPECT_EQ(closeAndWait(), 0u);
}

// Sets the screen's dots per inch for processes started from now on and puts
// the previous setting back.
class ScreenDpi {
 public:
  explicit ScreenDpi(DWORD dpi) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                    nullptr);
    DWORD size = sizeof previous_;
    hadValue_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&previous_), &size) ==
                ERROR_SUCCESS;
    set(dpi);
  }
  ~ScreenDpi() {
    if (hadValue_)
      set(previous_);
    else
      RegDeleteValueA(key_, "LogPixels");
    RegCloseKey(key_);
  }
  ScreenDpi(const ScreenDpi&) = delete;
  ScreenDpi& operator=(const ScreenDpi&) = delete;

 private:
  void set(DWORD dpi) {
    RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  }
  HKEY key_ = nullptr;
  DWORD previous_ = 0;
  bool hadValue_ = false;
};

TEST_F(RealProgram, ScalesThePictureToTheScreensDpi) {
  HWND window = nullptr;
  {
    ScreenDpi screen(144);
    window = start();
  }
  ASSERT_NE(window, nullptr);
  const PictureLayout layout(144);
  const Rect face = layout.keyFace(27);
  const Rect border = layout.keyBorder(27);
  const int midY = face.top + face.height / 2;
  {
    WindowDC dc(window);
    expectPixels(dc.get(), {{border.left, midY, RGB(0, 0, 0)},
                            {border.left + 3, midY, RGB(255, 255, 255)},
                            {face.left, midY, RGB(0, 0, 0)},
                            {face.left + 4, midY, RGB(255, 255, 255)}});
    // The group caption's indent scales as well: the frame's top line runs on
    // to 12 pixels from the corner (8 at 96 dpi) before the caption breaks it.
    const Rect box = layout.groupBox(kFunctionKeys);
    int frameRow = -1;
    for (int y = box.top; y < box.top + 30 && frameRow < 0; ++y)
      if (GetPixel(dc.get(), box.left + 4, y) == GetSysColor(COLOR_BTNSHADOW)) frameRow = y;
    ASSERT_GE(frameRow, 0);
    EXPECT_EQ(GetPixel(dc.get(), box.left + 10, frameRow), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(GetPixel(dc.get(), box.left + 13, frameRow), RGB(255, 255, 255));
  }
  // Screen readers in other processes are told where the keys are in the screen's pixels.
  {
    const ComScope com;
    ComRef<IAccessible> client;
    ASSERT_EQ(clientObject(window, client), S_OK);
    const RECT told = locationOf(client.get(), 28), shown = onScreen(window, stopRect(layout, 27), 0);
    EXPECT_TRUE(EqualRect(&told, &shown));
  }
  // The picture-dependent defaults scale too: client height 461 and width 762 become 692 and 1144.
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.bottom, 692);
  EXPECT_EQ(closeAndWait(), 0u);
  const std::string settings = readFile(scratch.file("tastrix.ini"));
  EXPECT_NE(settings.find("window_Width=1144\r\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("window_Height=692\r\n"), std::string::npos) << settings;
}

struct BoxCount {
  DWORD processId;
  int boxes;
};

BOOL CALLBACK countBox(HWND window, LPARAM data) {
  auto* count = reinterpret_cast<BoxCount*>(data);
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == count->processId && std::string(className) == "#32770" && IsWindowVisible(window)) ++count->boxes;
  return TRUE;
}

// The dialog boxes the program shows now.
int boxesOf(HWND window) {
  BoxCount count{0, 0};
  GetWindowThreadProcessId(window, &count.processId);
  EnumWindows(countBox, reinterpret_cast<LPARAM>(&count));
  return count.boxes;
}

// A screen reader in another process asks the program to edit a key; while
// the label box is open it asks again and again, and keys are posted to the
// window. The box stays the only one, and the keys say they are unavailable.
TEST_F(RealProgram, RequestsFromAnotherProcessNeverStackBoxes) {
  const HWND window = start();
  ASSERT_NE(window, nullptr);
  const ComScope com;
  ComRef<IAccessible> client;
  ASSERT_EQ(clientObject(window, client), S_OK);
  const VARIANT q = part(28);
  const auto unavailable = [&] {
    VARIANT state;
    VariantInit(&state);
    return client->get_accState(q, &state) == S_OK && (V_I4(&state) & STATE_SYSTEM_UNAVAILABLE) != 0;
  };
  EXPECT_FALSE(unavailable());
  ASSERT_EQ(client->accDoDefaultAction(q), S_OK);
  for (int waited = 0; waited < 5000 && boxesOf(window) == 0; waited += 20) Sleep(20);
  ASSERT_EQ(boxesOf(window), 1);

  EXPECT_TRUE(unavailable());
  int refused = 0;
  for (int i = 0; i < 200; ++i) refused += client->accDoDefaultAction(q) == E_FAIL;
  EXPECT_EQ(refused, 200);
  const LPARAM f2 = 1 | (0x3C << 16);
  for (int i = 0; i < 1000; ++i) {
    PostMessageA(window, WM_KEYDOWN, VK_F2, f2);
    PostMessageA(window, WM_KEYUP, VK_F2, f2 | static_cast<LPARAM>(0xC0000000u));
  }
  // A call from here is answered after what was posted before it.
  EXPECT_TRUE(unavailable());
  Sleep(200);
  EXPECT_EQ(boxesOf(window), 1);

  ASSERT_TRUE(answerMessageBox(IDCANCEL));
  EXPECT_EQ(boxesOf(window), 0);
  EXPECT_FALSE(unavailable());
  client.reset();
  EXPECT_EQ(closeAndWait(), 0u);
}

// The icon the window class loads, the version texts and the manifest are
// built into the program. Wine treats every dpi declaration alike and has no
// elevation, so what the manifest declares is read here as Windows reads it:
// per-monitor awareness, the versions of Windows it was made for, no request
// for elevation (which would end the file virtualisation that keeps a copy in
// Program Files working) and no other code page.
TEST_F(RealProgram, CarriesItsIconVersionAndManifest) {
  struct Module {
    HMODULE h;
    ~Module() {
      if (h) FreeLibrary(h);
    }
  } image{LoadLibraryExA(program().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)};
  ASSERT_NE(image.h, nullptr);
  for (int size : {16, 32}) {
    HICON icon = static_cast<HICON>(LoadImageA(image.h, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    Bitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bits{};
    GetObjectA(colour.get(), sizeof bits, &bits);
    EXPECT_EQ(bits.bmWidth, size);
    DestroyIcon(icon);
  }

  struct Library {
    HMODULE h = LoadLibraryA("version.dll");
    ~Library() { FreeLibrary(h); }
  } version;
  using SizeFn = DWORD(WINAPI*)(LPCSTR, LPDWORD);
  using InfoFn = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
  using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
  auto infoSize = procedure<SizeFn>(version.h, "GetFileVersionInfoSizeA");
  auto info = procedure<InfoFn>(version.h, "GetFileVersionInfoA");
  auto query = procedure<QueryFn>(version.h, "VerQueryValueA");
  ASSERT_TRUE(infoSize && info && query);
  std::string block(infoSize(program().c_str(), nullptr), '\0');
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(info(program().c_str(), 0, static_cast<DWORD>(block.size()), &block[0]));
  auto text = [&](const char* key) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
    if (!query(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return std::string();
    return std::string(value);
  };
  EXPECT_EQ(text("FileVersion"), "1.0f");
  EXPECT_EQ(text("ProductVersion"), "1.0f");
  EXPECT_EQ(text("ProductName"), "Tastrix");
  EXPECT_FALSE(text("FileDescription").empty());

  const HRSRC found = FindResourceA(image.h, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
  ASSERT_NE(found, nullptr);
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(image.h, found)));
  const std::string manifest(bytes, SizeofResource(image.h, found));
  const auto declares = [&](const std::string& what) { return manifest.find(what) != std::string::npos; };
  EXPECT_TRUE(declares(">PerMonitorV2, PerMonitor</dpiAwareness>"));
  EXPECT_TRUE(declares("<dpiAware>true/pm</dpiAware>"));
  for (const char* version : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                              "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
    EXPECT_TRUE(declares(std::string("<supportedOS Id=\"") + version + "\"/>")) << version;
  EXPECT_FALSE(declares("<requestedExecutionLevel"));
  EXPECT_FALSE(declares("<activeCodePage"));
}

}  // namespace
}  // namespace tastrix::testing
