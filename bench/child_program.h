#pragma once
#include <windows.h>

#include <string>

#include "bench_files.h"
#include "platform/win32_handles.h"

namespace tastrix::bench {

constexpr DWORD kPatienceMs = 20000;

// A file beside the benchmark program.
std::string besideBench(const std::string& name);

struct MemorySample {
  SIZE_T peakWorkingSet = 0, privateBytes = 0;
};

// A program started in a folder of its own, ended when this object goes.
class ChildProgram {
 public:
  ChildProgram(const std::string& exe, const std::string& folder);
  ~ChildProgram();
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  // The first visible top-level window of the class, once the program has
  // started and waits for input.
  HWND window(const std::string& className) const;
  // Returns once the window's thread has handled everything sent before.
  static bool settled(HWND window);
  MemorySample memory() const;
  bool closeAndWait(HWND window);

 private:
  SIZE_T committedPrivateBytes() const;

  UniqueHandle process_;
  DWORD id_ = 0;
};

// Waits for the program's dialog box, lets fill fill it in, presses a button
// and waits until the box is gone and the command behind it is done.
template <typename Fill>
bool answerDialog(const ChildProgram& program, HWND main, int button, Fill fill) {
  const HWND box = program.window("#32770");
  if (!box || !fill(box)) return false;
  PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
  for (DWORD waited = 0; IsWindow(box) && waited < kPatienceMs; waited += 20) Sleep(20);
  return !IsWindow(box) && ChildProgram::settled(main);
}

// A folder with a copy of the program, a map with a title and a label on
// every key, and a settings file that names the map, so that the program
// loads it at start-up.
struct ProgramHome {
  BenchFolder folder;
  std::string exe, mapPath;

  void make(const std::string& name);
};

}  // namespace tastrix::bench
