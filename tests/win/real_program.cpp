#include "win/real_program.h"

#include <algorithm>

#include "platform/win32_handles.h"

namespace tastrix::testing {
namespace {

struct Pipe {
  UniqueHandle read, write;  // the write end is inherited by the child
};

Pipe inheritedPipe() {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  CreatePipe(&read, &write, &inherit, 0);
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  return Pipe{UniqueHandle(read), UniqueHandle(write)};
}

// Takes what the pipe holds now without waiting for more.
void drain(HANDLE pipe, std::string& into) {
  DWORD available = 0;
  while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    char buffer[4096];
    DWORD got = 0;
    if (!ReadFile(pipe, buffer, std::min<DWORD>(available, sizeof buffer), &got, nullptr) || got == 0) return;
    into.append(buffer, got);
  }
}

}  // namespace

std::string builtProgram() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir = path;
  dir.erase(dir.find_last_of('\\') + 1);
  return dir + "tastrix.exe";
}

ProgramRun runProgram(const std::string& program, const std::string& arguments, const std::string& folder,
                      DWORD timeLimitMs) {
  ProgramRun run;
  Pipe output = inheritedPipe(), errors = inheritedPipe();
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const UniqueHandle input(CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                                       0, nullptr));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.get();
  startup.hStdOutput = output.write.get();
  startup.hStdError = errors.write.get();
  PROCESS_INFORMATION info{};
  std::string commandLine = "\"" + program + "\" " + arguments;
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup,
                      &info)) {
    run.errors = "cannot start " + program + ": error " + std::to_string(GetLastError());
    return run;
  }
  const UniqueHandle process(info.hProcess), thread(info.hThread);
  // Only the child holds the write ends now, so the pipes end with it.
  output.write.reset();
  errors.write.reset();
  for (DWORD waited = 0; !run.finished && waited < timeLimitMs; waited += 20) {
    run.finished = WaitForSingleObject(process.get(), 20) == WAIT_OBJECT_0;
    drain(output.read.get(), run.output);
    drain(errors.read.get(), run.errors);
  }
  if (!run.finished) {
    TerminateProcess(process.get(), 1);
    WaitForSingleObject(process.get(), 5000);
  }
  GetExitCodeProcess(process.get(), &run.exitCode);
  return run;
}

}  // namespace tastrix::testing
