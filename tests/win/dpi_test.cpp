// The real program at 144 dots per inch: picture and defaults scale by 1.5.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/form_fixture.h"

namespace tastrix::testing {
namespace {

// Sets the screen resolution new processes see, and puts the old one back.
class ScreenDpi {
 public:
  explicit ScreenDpi(DWORD dpi) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
    DWORD size = sizeof old_;
    had_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) ==
           ERROR_SUCCESS;
    RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  }
  ~ScreenDpi() {
    if (had_)
      RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
    else
      RegDeleteValueA(key_, "LogPixels");
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
  DWORD old_ = 96;
  bool had_ = false;
};

std::string builtProgram() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of('\\') + 1) + "tastrix.exe";
}

struct Found {
  DWORD pid;
  HWND window;
};

BOOL CALLBACK findWindowOf(HWND hwnd, LPARAM data) {
  auto* found = reinterpret_cast<Found*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  if (pid == found->pid && std::string(name) == "TMainForm1" && IsWindowVisible(hwnd)) {
    found->window = hwnd;
    return FALSE;
  }
  return TRUE;
}

TEST(HighDpi, TheProgramScalesItsPictureAndDefaults) {
  ScratchFolder folder;
  const std::string exe = folder.file("tastrix.exe");
  ASSERT_TRUE(CopyFileA(builtProgram().c_str(), exe.c_str(), FALSE));
  ScreenDpi dpi(144);

  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string commandLine = "\"" + exe + "\"";
  ASSERT_TRUE(CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.path().c_str(), &si, &pi));
  UniqueHandle process(pi.hProcess), thread(pi.hThread);
  Found found{pi.dwProcessId, nullptr};
  for (int i = 0; i < 200 && !found.window; ++i) {
    Sleep(50);
    EnumWindows(&findWindowOf, reinterpret_cast<LPARAM>(&found));
  }
  ASSERT_NE(found.window, nullptr);
  RECT client;
  GetClientRect(found.window, &client);
  EXPECT_EQ(client.bottom, 692);  // 461 * 1.5, rounded
  PostMessageA(found.window, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process.get(), 10000), WAIT_OBJECT_0);

  char width[32], height[32];
  const std::string ini = folder.file("tastrix.ini");
  GetPrivateProfileStringA("tastrix", "window_Width", "", width, sizeof width, ini.c_str());
  GetPrivateProfileStringA("tastrix", "window_Height", "", height, sizeof height, ini.c_str());
  EXPECT_STREQ(width, "1144");  // half of the scaled keypad right edge 2288
  EXPECT_STREQ(height, "692");
}

}  // namespace
}  // namespace tastrix::testing
