#include <windows.h>

#include <memory>
#include <string>

#include "bench.h"
#include "child_program.h"

namespace tastrix::bench {
namespace {

// From the start of the process until its window is shown, painted and
// waits for input; the process is then closed, not timed.
double startUntilIdle(const std::string& exe, const std::string& folder, const std::string& className) {
  std::unique_ptr<ChildProgram> program;
  HWND window = nullptr;
  const double ms = timeMs([&] {
    program = std::make_unique<ChildProgram>(exe, folder);
    window = program->window(className);
  });
  if (!window || !program->closeAndWait(window)) return 1e9;
  return ms;
}

ProgramHome home;

const Registration processStartUp{
    {
        "start-up of tastrix.exe as a process (loads a map)",
        "bare window process start-up",
        [] { home.make("start"); },
        [] { return startUntilIdle(home.exe, home.folder.path, "TMainForm1"); },
        [] { return startUntilIdle(besideBench("tastrix_bare_window.exe"), besideBench(""), "TastrixBareWindow"); },
        [] { home.folder.remove(); },
        11,
    },
    Target::ratio(1.5)};

}  // namespace
}  // namespace tastrix::bench
