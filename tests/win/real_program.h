#pragma once
#include <windows.h>

#include <string>

namespace tastrix::testing {

// The program built beside the test executable.
std::string builtProgram();

// How a run of a program ended, with everything it wrote.
struct ProgramRun {
  bool finished = false;  // false: still running at the time limit, then ended by force
  DWORD exitCode = 0;
  std::string output;  // standard output
  std::string errors;  // standard error
};

// Runs a program with the given arguments in a folder, its standard output
// and error captured through pipes, as a script or a build tool starts it.
ProgramRun runProgram(const std::string& program, const std::string& arguments, const std::string& folder,
                      DWORD timeLimitMs = 30000);

}  // namespace tastrix::testing
