// The memory of the real program, started as a child process and driven
// through its menu commands and dialogs as a user would, beside a bare window
// process of the same toolkit started in the same run.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdio>
#include <string>

#include "app/menu_ids.h"
#include "bench.h"
#include "bench_files.h"
#include "mapfile/map_format.h"
#include "model/alignment.h"
#include "model/form_model.h"
#include "model/key_catalogue.h"
#include "model/tag_walks.h"
#include "platform/win32_handles.h"
#include "support/process_window.h"
#include "text/label_list_text.h"

namespace tastrix::bench {
namespace {

constexpr DWORD kPatienceMs = 20000;

std::string besideBench(const std::string& name) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.erase(folder.find_last_of('\\') + 1) + name;
}

struct MemorySample {
  SIZE_T peakWorkingSet = 0, privateBytes = 0;
};

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

// A program started in a folder of its own, ended when this object goes.
class ChildProgram {
 public:
  ChildProgram(const std::string& exe, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info))
      return;
    process_.reset(info.hProcess);
    UniqueHandle thread(info.hThread);
    id_ = info.dwProcessId;
  }
  ~ChildProgram() {
    if (process_.valid() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.get(), 1);
      WaitForSingleObject(process_.get(), kPatienceMs);
    }
  }
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  // The first visible top-level window of the class, waited for.
  HWND window(const std::string& className) const {
    testing::WindowSearch search{id_, className, nullptr};
    for (DWORD waited = 0; process_.valid() && !search.found && waited < kPatienceMs; waited += 20) {
      if (WaitForSingleObject(process_.get(), 20) != WAIT_TIMEOUT) break;
      EnumWindows(testing::matchProcessWindow, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
  }

  // Returns once the window's thread has handled everything sent before.
  static bool settled(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, &result) != 0;
  }

  MemorySample memory() const {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    MemorySample sample;
    if (GetProcessMemoryInfo(process_.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) {
      sample.peakWorkingSet = counters.PeakWorkingSetSize;
      sample.privateBytes = counters.PrivateUsage;
    }
    // Wine reports no private bytes for another process; the committed
    // private regions of its address space are what Windows counts there.
    if (sample.privateBytes == 0) sample.privateBytes = committedPrivateBytes();
    return sample;
  }

  SIZE_T committedPrivateBytes() const {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQueryEx(process_.get(), at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize)
      if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    return total;
  }

  bool closeAndWait(HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    return WaitForSingleObject(process_.get(), kPatienceMs) == WAIT_OBJECT_0;
  }

 private:
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

struct Measured {
  const char* what;
  MemorySample sample;
};

void printRow(const Measured& m, const Measured& floor) {
  std::printf("%-52s %16.0f %14.0f %12.2f\n", m.what, static_cast<double>(m.sample.peakWorkingSet) / 1024.0,
              static_cast<double>(m.sample.privateBytes) / 1024.0,
              static_cast<double>(m.sample.peakWorkingSet) / static_cast<double>(floor.sample.peakWorkingSet));
}

// The map the program loads at start-up: a title and a label on every key.
void writeMap(const std::string& mapPath) {
  FormModel form;
  form[form.mapTitle].caption = "Benchmark keyboard map";
  for (int p = 1; p <= kKeyCount; ++p) form[form.keyLabel(p)].caption = "Command " + std::to_string(p);
  applyAlignment(form, 2);
  GatherLabelTexts(form, form.labelList, kLabelOrder);
  writeAll(LabelListPath(mapPath), JoinLabelListText(form.labelList));
  writeAll(mapPath, MapFileText(form, std::string()));
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
  BenchFolder folder;
  folder.make("memory");
  const std::string exe = folder.file("tastrix.exe"), mapPath = folder.file("bench.zv");
  folder.file("bench.zvl");
  folder.file("tastrix.ini");
  CopyFileA(besideBench("tastrix.exe").c_str(), exe.c_str(), FALSE);
  writeMap(mapPath);
  writeAll(folder.path + "tastrix.ini", "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + mapPath + "\r\n");

  Measured bare[2] = {{"bare window process after start-up", {}},
                      {"bare window process after an open file dialog", {}}};
  Measured program[3] = {{"tastrix.exe after start-up (loads a map)", {}},
                         {"tastrix.exe after full save + full load", {}},
                         {"tastrix.exe after capture (clipboard copy)", {}}};
  const char* failed = measureBareWindow(bare);
  if (!failed) failed = measureProgram(exe, folder.path, mapPath, program);
  folder.remove();

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
