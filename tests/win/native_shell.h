#pragma once
#include <windows.h>

#include <string>

#include "platform/wide_text.h"
#include "platform/win32_handles.h"
#include "support/form_fixture.h"

namespace tastrix::testing {

// The Unix path that Wine maps a Windows path to, for native programs.
inline std::string unixPathOf(const std::string& path) {
  using Converter = char*(CDECL*)(const WCHAR*);
  const auto convert = reinterpret_cast<Converter>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return "";
  char* unixPath = convert(WideFromUtf8(path).c_str());
  if (!unixPath) return "";
  std::string result = unixPath;
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

// Starts a shell command line as a native process, its standard output and
// error going to the file. Wine gives no handle to wait on for such a
// process, so its result is a file that appears whole.
inline std::string nativeShellOutput(const std::string& script, const std::string& outputPath) {
  const std::string unixOutput = unixPathOf(outputPath);
  std::string line = "Z:\\bin\\sh -c \"" + script + " > '" + unixOutput + ".part' 2>&1; mv '" + unixOutput +
                     ".part' '" + unixOutput + "'\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return "cannot start the shell: error " + std::to_string(GetLastError());
  UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
  for (int waited = 0; !fileExists(outputPath); waited += 20) {
    if (waited > 30000) return "no output from the shell";
    Sleep(20);
  }
  return readFile(outputPath);
}

}  // namespace tastrix::testing
