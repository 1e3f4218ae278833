#include "support/form_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/settings_file.h"
#include "platform/app_paths.h"
#include "platform/wide_text.h"

namespace tastrix::testing {
namespace {

std::string uniqueScratchPath() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  for (;;) {
    std::string path = std::string(temp) + "tastrix-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount()) + "-" + std::to_string(++counter) + "\\";
    if (CreateDirectoryA(path.c_str(), nullptr)) return path;
  }
}

UINT downMessage(char button) {
  return button == 'R' ? WM_RBUTTONDOWN : button == 'M' ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
}

UINT upMessage(char button) { return button == 'R' ? WM_RBUTTONUP : button == 'M' ? WM_MBUTTONUP : WM_LBUTTONUP; }

WPARAM buttonFlag(char button) { return button == 'R' ? MK_RBUTTON : button == 'M' ? MK_MBUTTON : MK_LBUTTON; }

}  // namespace

int key(const char* legend, int nth) {
  for (const KeyRow& row : keyTable())
    if (std::string(row.legend) == legend && --nth == 0) return row.position;
  ADD_FAILURE() << "no key " << legend;
  return 1;
}

std::vector<std::string> menuItems(HMENU menu) {
  std::vector<std::string> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[256] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    items.push_back((info.fType & MFT_SEPARATOR) ? "-" : text);
  }
  return items;
}

ScratchFolder::ScratchFolder() : path_(uniqueScratchPath()) {}

ScratchFolder::~ScratchFolder() { removeTree(path_); }

std::string readFile(const std::string& path) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "cannot write " << path;
}

bool fileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void setReadOnly(const std::string& path, bool readOnly) {
  SetFileAttributesW(WideFromUtf8(path).c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
}

void removeTree(const std::string& path) {
  std::string dir = path;
  if (!dir.empty() && dir.back() != '\\') dir += '\\';
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(WideFromUtf8(dir + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = Utf8FromWide(found.cFileName);
      if (name == "." || name == "..") continue;
      const std::wstring child = WideFromUtf8(dir + name);
      SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        removeTree(dir + name);
      else
        DeleteFileW(child.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  SetFileAttributesW(WideFromUtf8(dir).c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(WideFromUtf8(dir).c_str());
}

void FormTest::SetUp() {
  scratch_ = std::make_unique<ScratchFolder>();
  overrideExecutablePath(scratch_->file("tastrix.exe"));
}

void FormTest::TearDown() {
  dropForm();
  scratch_.reset();
  overrideExecutablePath("");
}

Application& FormTest::startForm(IDialogs* shown) {
  app_ = std::make_unique<Application>(shown ? *shown : dialogs);
  app_->create(GetModuleHandleA(nullptr));
  app_->start();
  pump();
  return *app_;
}

void FormTest::dropForm() {
  app_.reset();
  pump();
}

void FormTest::expectFirstStartState() {
  RECT window;
  GetWindowRect(hwnd(), &window);
  EXPECT_EQ(window.left, 20);
  EXPECT_EQ(window.top, 20);
  EXPECT_EQ(window.right - window.left, 762);
  EXPECT_EQ(mainWindow().clientHeight(), 461);
  EXPECT_EQ(mainWindow().scrollPosition(), 0);
  EXPECT_FALSE(IsZoomed(hwnd()));
  EXPECT_FALSE(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(menuChecked(ID_Always_On_Top));
  EXPECT_EQ(mainWindow().caption(), "Tastrix - v1.0f  - ");
  EXPECT_EQ(document().path(), "");
  EXPECT_EQ(map().title(), "Untitled keyboard Map");
  for (int p = 1; p <= kKeyCount; ++p) EXPECT_EQ(map().labels[p], "Key Label") << p;
  EXPECT_EQ(map().keyColour, kWhite);
  EXPECT_EQ(map().borderColour, kWhite);
  EXPECT_EQ(map().alignment, 1);
  EXPECT_EQ(map().font(MapFont::KeyLabels), (FontDescription{"System", 10, kBlack, true, false, false, false, 1}));
  EXPECT_FALSE(document().changed());
}

void FormTest::command(int id) {
  SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
  pump();
}

bool FormTest::menuChecked(int id) {
  const HMENU file = GetSubMenu(GetMenu(hwnd()), 0);
  SendMessageA(hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  return (GetMenuState(file, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void FormTest::press(int x, int y, char button) {
  SendMessageA(hwnd(), downMessage(button), buttonFlag(button), MAKELPARAM(x, y));
}

void FormTest::release(int x, int y, char button) {
  SendMessageA(hwnd(), upMessage(button), 0, MAKELPARAM(x, y));
  pump();
}

void FormTest::click(int x, int y) {
  press(x, y);
  release(x, y);
}

POINT FormTest::centreOf(const Rect& r) {
  return POINT{r.left + r.width / 2 - mainWindow().scrollPosition(), r.top + r.height / 2};
}

std::string FormTest::savedBitmap(const std::string& name) {
  dialogs.answerFile(true, inScratch(name));
  command(ID_Save_Bitmap_to_File);
  return readFile(inScratch(name));
}

void FormTest::pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

COLORREF FormTest::pixel(int x, int y) {
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  pump();
  WindowDC dc(hwnd());
  return GetPixel(dc.get(), x, y);
}

std::string FormTest::settingsFile() const { return SettingsFilePath(); }

}  // namespace tastrix::testing
