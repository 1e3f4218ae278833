#include "win/real_program.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/wide_text.h"
#include "support/process_window.h"

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

std::string builtProgram(const std::string& name) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir = path;
  dir.erase(dir.find_last_of('\\') + 1);
  return dir + name;
}

ProgramRun runProgram(const std::string& program, const std::string& arguments, const std::string& folder,
                      DWORD timeLimitMs) {
  ProgramRun run;
  Pipe output = inheritedPipe(), errors = inheritedPipe();
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const UniqueHandle input(CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING,
                                       0, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.get();
  startup.hStdOutput = output.write.get();
  startup.hStdError = errors.write.get();
  PROCESS_INFORMATION info{};
  std::wstring commandLine = WideFromUtf8("\"" + program + "\" " + arguments);
  if (!CreateProcessW(WideFromUtf8(program).c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                      WideFromUtf8(folder).c_str(), &startup, &info)) {
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

StartedProgram::StartedProgram(const std::string& program, const std::string& folder, WORD showWindow,
                               const std::string& arguments) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (showWindow != SW_SHOWDEFAULT) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showWindow;
  }
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + WideFromUtf8(program) + L"\" " + WideFromUtf8(arguments);
  if (!CreateProcessW(WideFromUtf8(program).c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      WideFromUtf8(folder).c_str(), &startup, &info)) {
    ADD_FAILURE() << "cannot start " << program << ": " << GetLastError();
    return;
  }
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
  const UniqueHandle thread(info.hThread);
  for (int waited = 0; waited < 10000 && !window_ && !find("#32770"); waited += 50) {
    if (WaitForSingleObject(process_.get(), 50) != WAIT_TIMEOUT) break;
    window_ = find("TMainForm1");
  }
}

HWND StartedProgram::find(const char* windowClass) const {
  WindowSearch search{id_, windowClass, nullptr};
  EnumWindows(matchProcessWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

StartedProgram::~StartedProgram() {
  if (process_.valid() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

bool StartedProgram::ended(DWORD waitMs) {
  return process_.valid() && WaitForSingleObject(process_.get(), waitMs) == WAIT_OBJECT_0;
}

DWORD StartedProgram::closeAndWait() {
  PostMessageA(window_, WM_CLOSE, 0, 0);
  if (!ended(10000)) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

bool StartedProgram::answerMessageBox(int button) {
  WindowSearch search{id_, "#32770", nullptr};
  for (int waited = 0; waited < 5000 && !search.found; waited += 50) {
    Sleep(50);
    EnumWindows(matchProcessWindow, reinterpret_cast<LPARAM>(&search));
  }
  if (!search.found) return false;
  PostMessageA(search.found, WM_COMMAND, static_cast<WPARAM>(button), 0);
  for (int waited = 0; waited < 5000 && IsWindow(search.found); waited += 20) Sleep(20);
  return !IsWindow(search.found);
}

std::string StartedProgram::told(const std::string& done) {
  for (int waited = 0; waited < 10000; waited += 50, Sleep(50)) {
    WindowSearch box{id_, "#32770", nullptr};
    EnumWindows(matchProcessWindow, reinterpret_cast<LPARAM>(&box));
    if (!window_) window_ = find("TMainForm1");
    wchar_t text[1024] = L"";
    SendMessageTimeoutW(box.found ? GetDlgItem(box.found, 0xFFFF) : window_, WM_GETTEXT, 1024,
                        reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000, nullptr);
    if (box.found && answerMessageBox(IDOK)) return Utf8FromWide(text);
    if (!box.found && Utf8FromWide(text) == done) return "";
  }
  return "no answer";
}

}  // namespace tastrix::testing
