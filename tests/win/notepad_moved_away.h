#pragma once
#include <windows.h>

#include <string>

namespace tastrix::testing {

// Moves Notepad out of the Windows directory for one test.
class NotepadMovedAway {
 public:
  NotepadMovedAway() {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    path_ = std::string(windows) + "\\notepad.exe";
    moved_ = MoveFileA(path_.c_str(), (path_ + ".away").c_str()) != FALSE;
  }
  ~NotepadMovedAway() {
    if (moved_) MoveFileA((path_ + ".away").c_str(), path_.c_str());
  }
  NotepadMovedAway(const NotepadMovedAway&) = delete;
  NotepadMovedAway& operator=(const NotepadMovedAway&) = delete;
  bool moved() const { return moved_; }

 private:
  std::string path_;
  bool moved_ = false;
};

}  // namespace tastrix::testing
