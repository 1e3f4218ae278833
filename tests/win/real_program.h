#pragma once
#include <windows.h>

#include <string>

#include "platform/win32_handles.h"

namespace tastrix::testing {

// A program built beside the test executable.
std::string builtProgram(const std::string& name = "tastrix.exe");

// How a run of a program ended, with everything it wrote.
struct ProgramRun {
  bool finished = false;  // false: still running at the time limit, then ended by force
  DWORD exitCode = 0;
  std::string output;  // standard output
  std::string errors;  // standard error
};

// Runs a program with the given arguments in a folder (all UTF-8, passed on
// in 16-bit text), its standard output and error captured through pipes, as
// a script or a build tool starts it.
ProgramRun runProgram(const std::string& program, const std::string& arguments, const std::string& folder,
                      DWORD timeLimitMs = 30000);

// The real program started as a launcher starts it (with a show state and
// arguments when given), its window found once it shows, or its start-up's
// box first; ended by force if still running when dropped.
class StartedProgram {
 public:
  StartedProgram(const std::string& program, const std::string& folder, WORD showWindow = SW_SHOWDEFAULT,
                 const std::string& arguments = "");
  ~StartedProgram();
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  HWND window() const { return window_; }  // none when no window showed within 10 s
  HANDLE process() const { return process_.get(); }
  // Whether the program ended within the time.
  bool ended(DWORD waitMs);
  // Asks the window to close as the user would and waits for the program to
  // end: its exit code, STILL_ACTIVE when it did not.
  DWORD closeAndWait();
  // Answers the program's own message box with a button, once it shows.
  bool answerMessageBox(int button);
  // What the program told of a command: the text of its message box once one
  // shows (answered with OK), or "" once its window's caption reads `done`;
  // "no answer" when neither came within 10 s.
  std::string told(const std::string& done);

 private:
  HWND find(const char* windowClass) const;  // the process's visible top-level window of the class
  UniqueHandle process_;
  DWORD id_ = 0;
  HWND window_ = nullptr;
};

}  // namespace tastrix::testing
