// The memory of the real program, started as a child process and driven
// through its menu commands and dialogs as a user would, beside a bare window
// process of the same toolkit started in the same run.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/menu_ids.h"
#include "bench.h"
#include "child_program.h"

namespace tastrix::bench {
namespace {

BOOL CALLBACK matchEdit(HWND child, LPARAM found) {
  char className[16] = "";
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Edit") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

std::string captionOf(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

struct Measured {
  const char* what;
  MemorySample sample;
};

void printRow(const Measured& m, const Measured& floor) {
  std::printf("%-52s %16.0f %14.0f %12.2f\n", m.what, static_cast<double>(m.sample.peakWorkingSet) / 1024.0,
              static_cast<double>(m.sample.privateBytes) / 1024.0,
              static_cast<double>(m.sample.peakWorkingSet) / static_cast<double>(floor.sample.peakWorkingSet));
}

// Drives the program through start-up (which loads the map), Save, Load and a
// clipboard copy; each step is checked through the window caption or the box
// it shows, so a step that did not happen is reported, not measured.
const char* measureProgram(const std::string& exe, const std::string& folder, const std::string& mapPath,
                           Measured (&rows)[3]) {
  ChildProgram program(exe, folder);
  const HWND main = program.window("TMainForm1");
  if (!main || !ChildProgram::settled(main)) return "the program did not start";
  if (!endsWith(captionOf(main), "- bench")) return "the start-up did not load the map";
  rows[0].sample = program.memory();

  DWORD_PTR result = 0;
  SendMessageTimeoutA(main, WM_COMMAND, ID_Save_Keyboard_Layout, 0, SMTO_NORMAL, kPatienceMs, &result);
  if (!endsWith(captionOf(main), mapPath)) return "Save did not save the map";
  PostMessageA(main, WM_COMMAND, ID_Load_Keyboard_Layout, 0);
  const bool loaded = answerDialog(program, main, IDOK, [&](HWND box) {
    HWND name = nullptr;
    EnumChildWindows(box, matchEdit, reinterpret_cast<LPARAM>(&name));
    return name && SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(mapPath.c_str()));
  });
  if (!loaded || !endsWith(captionOf(main), "- bench")) return "Load did not load the map";
  rows[1].sample = program.memory();

  PostMessageA(main, WM_COMMAND, ID_Copy_Bitmap_to_Clipboard, 0);
  if (!answerDialog(program, main, IDOK, [](HWND) { return true; })) return "the clipboard copy showed no success box";
  rows[2].sample = program.memory();

  if (!program.closeAndWait(main)) return "the program did not close";
  return nullptr;
}

// After start-up, and after the same open file dialog the program shows
// for Load, cancelled.
const char* measureBareWindow(Measured (&rows)[2]) {
  ChildProgram bare(besideBench("tastrix_bare_window.exe"), besideBench(""));
  const HWND window = bare.window("TastrixBareWindow");
  if (!window || !ChildProgram::settled(window)) return "the bare window did not start";
  rows[0].sample = bare.memory();
  PostMessageA(window, WM_COMMAND, 1, 0);
  if (!answerDialog(bare, window, IDCANCEL, [](HWND) { return true; })) return "the bare window showed no dialog";
  rows[1].sample = bare.memory();
  return bare.closeAndWait(window) ? nullptr : "the bare window did not close";
}

}  // namespace

void ReportMemory(Verdicts& verdicts) {
  ProgramHome home;
  home.make("memory");

  Measured bare[2] = {{"bare window process after start-up", {}},
                      {"bare window process after an open file dialog", {}}};
  Measured program[3] = {{"tastrix.exe after start-up (loads a map)", {}},
                         {"tastrix.exe after full save + full load", {}},
                         {"tastrix.exe after capture (clipboard copy)", {}}};
  const char* failed = measureBareWindow(bare);
  if (!failed) failed = measureProgram(home.exe, home.folder.path, home.mapPath, program);
  home.folder.remove();

  std::printf("%-52s %16s %14s %12s\n", "memory, KB", "peak working set", "private bytes", "peak / bare");
  if (failed) {
    std::printf("memory not measured: %s\n", failed);
    ++verdicts.missed;
    return;
  }
  for (const Measured& m : bare) printRow(m, bare[0]);
  for (const Measured& m : program) printRow(m, bare[0]);
  // The whole run's peak: the working set only ever grows to a new peak.
  const double ratio =
      static_cast<double>(program[2].sample.peakWorkingSet) / static_cast<double>(bare[0].sample.peakWorkingSet);
  const Target target = Target::ratio(1.5);
  std::printf("%-52s %16s %14s %12.2f   %-16s %s\n", "peak working set of the run, tastrix.exe / bare window", "", "",
              ratio, target.describe().c_str(), verdicts.record(target, 0, ratio));
}

}  // namespace tastrix::bench
