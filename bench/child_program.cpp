#include "child_program.h"

// After windows.h, which it needs.
#include <psapi.h>

#include "mapfile/core/map_format.h"
#include "model/key_catalogue.h"
#include "support/process_window.h"

namespace tastrix::bench {

std::string besideBench(const std::string& name) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.erase(folder.find_last_of('\\') + 1) + name;
}

ChildProgram::ChildProgram(const std::string& exe, const std::string& folder) {
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

ChildProgram::~ChildProgram() {
  if (process_.valid() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), kPatienceMs);
  }
}

HWND ChildProgram::window(const std::string& className) const {
  testing::WindowSearch search{id_, className, nullptr};
  if (!process_.valid() || WaitForInputIdle(process_.get(), kPatienceMs) != 0) return nullptr;
  for (DWORD waited = 0; waited < kPatienceMs; waited += 20) {
    EnumWindows(testing::matchProcessWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found || WaitForSingleObject(process_.get(), 20) != WAIT_TIMEOUT) break;
  }
  return search.found;
}

bool ChildProgram::settled(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, &result) != 0;
}

MemorySample ChildProgram::memory() const {
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

SIZE_T ChildProgram::committedPrivateBytes() const {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char* at = nullptr; VirtualQueryEx(process_.get(), at, &region, sizeof region) == sizeof region;
       at = static_cast<const char*>(region.BaseAddress) + region.RegionSize)
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
  return total;
}

bool ChildProgram::closeAndWait(HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  return WaitForSingleObject(process_.get(), kPatienceMs) == WAIT_OBJECT_0;
}

void ProgramHome::make(const std::string& name) {
  folder.make(name);
  exe = folder.file("tastrix.exe");
  mapPath = folder.file("bench.zv");
  folder.file("bench.zvl");
  const std::string settings = folder.file("tastrix.ini");
  CopyFileA(besideBench("tastrix.exe").c_str(), exe.c_str(), FALSE);

  KeyboardMap map;
  map.labels[0] = "Benchmark keyboard map";
  for (int p = 1; p <= kKeyCount; ++p) map.labels[static_cast<size_t>(p)] = "Command " + std::to_string(p);
  map.alignment = map.titleLayout = map.labelLayout = kLayoutBottom;
  writeAll(LabelListPath(mapPath), LabelListText(map));
  writeAll(mapPath, MapFileText(map, std::string()));
  writeAll(settings, "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + mapPath + "\r\n");
}

}  // namespace tastrix::bench
