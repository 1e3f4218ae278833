#include <windows.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "desktop/readme_viewer.h"
#include "platform/app_paths.h"
#include "support/form_fixture.h"
#include "win/notepad_moved_away.h"

namespace tastrix::testing {
namespace {

std::set<DWORD> notepadProcesses() {
  std::set<DWORD> found;
  UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry))
    if (lstrcmpiA(entry.szExeFile, "notepad.exe") == 0) found.insert(entry.th32ProcessID);
  return found;
}

// The command line another process was started with, read from its
// process parameters.
std::string commandLineOf(HANDLE process) {
  using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryProcess>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return "<unreadable>";
  PEB peb{};
  RTL_USER_PROCESS_PARAMETERS parameters{};
  if (!ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, nullptr) ||
      !ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof parameters, nullptr))
    return "<unreadable>";
  std::wstring wide(parameters.CommandLine.Length / sizeof(WCHAR), L'\0');
  if (!ReadProcessMemory(process, parameters.CommandLine.Buffer, wide.data(), parameters.CommandLine.Length, nullptr))
    return "<unreadable>";
  std::string narrow(wide.size() * 2 + 1, '\0');
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), narrow.data(),
                                    static_cast<int>(narrow.size()), nullptr, nullptr);
  narrow.resize(static_cast<size_t>(std::max(n, 0)));
  return narrow;
}

struct WindowSearch {
  DWORD processId;
  bool found;
};

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM searchParam) {
  auto* search = reinterpret_cast<WindowSearch*>(searchParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) search->found = true;
  return !search->found;
}

// A Notepad the program started, ended by the test.
class StartedNotepad {
 public:
  explicit StartedNotepad(DWORD id) : id_(id), process_(OpenProcess(PROCESS_ALL_ACCESS, FALSE, id)) {}
  ~StartedNotepad() {
    if (process_.valid()) {
      TerminateProcess(process_.get(), 0);
      WaitForSingleObject(process_.get(), 5000);
    }
  }
  StartedNotepad(const StartedNotepad&) = delete;
  StartedNotepad& operator=(const StartedNotepad&) = delete;

  bool stillRunning() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  // Read once Notepad waits for input: while it starts, it moves its process
  // parameters, and a read then finds them gone or empty.
  std::string commandLine() const {
    if (WaitForInputIdle(process_.get(), 10000) != 0) return "<not idle within 10 s>";
    return commandLineOf(process_.get());
  }
  // Polls until Notepad shows a window (its editor, or its own question
  // about a missing file).
  bool showsAWindow() const {
    for (int i = 0; i < 200; ++i) {
      WindowSearch search{id_, false};
      EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&search));
      if (search.found) return true;
      Sleep(50);
    }
    return false;
  }

 private:
  DWORD id_;
  UniqueHandle process_;
};

class Readme : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    before = notepadProcesses();
  }
  void TearDown() override {
    started.clear();
    FormTest::TearDown();
  }

  // The Notepads started since the test began (or since the last call).
  std::vector<StartedNotepad*> newNotepads() {
    std::vector<StartedNotepad*> fresh;
    for (DWORD id : notepadProcesses())
      if (before.insert(id).second) {
        started.push_back(std::make_unique<StartedNotepad>(id));
        fresh.push_back(started.back().get());
      }
    return fresh;
  }

  // Points the executable at folder\name, runs the readme command and
  // returns the command line of the one Notepad it started, once it shows.
  std::string readmeCommandLineFor(const std::string& folder, const std::string& name) {
    overrideExecutablePath(folder + name);
    command(ID_View_Readme);
    const std::vector<StartedNotepad*> fresh = newNotepads();
    if (fresh.size() != 1) return "<" + std::to_string(fresh.size()) + " Notepads started>";
    EXPECT_TRUE(fresh[0]->stillRunning());
    EXPECT_TRUE(fresh[0]->showsAWindow());
    return fresh[0]->commandLine();
  }

  std::set<DWORD> before;
  std::vector<std::unique_ptr<StartedNotepad>> started;
};

TEST_F(Readme, F1OpensTheReadmeInNotepadWithoutWaitingForIt) {
  writeFile(inScratch("tastrix.txt"), "Tastrix readme\r\n");
  startForm();

  MSG f1{hwnd(), WM_KEYDOWN, VK_F1, 0x003B0001, 0, {0, 0}};
  ASSERT_TRUE(TranslateAcceleratorA(hwnd(), mainWindow().accelerators(), &f1));
  pump();
  std::vector<StartedNotepad*> fresh = newNotepads();
  ASSERT_EQ(fresh.size(), 1u);
  // The command has returned while Notepad runs on.
  EXPECT_TRUE(fresh[0]->stillRunning());
  EXPECT_EQ(fresh[0]->commandLine(), "Notepad.exe " + inScratch("tastrix.txt"));
  EXPECT_TRUE(fresh[0]->showsAWindow());
  EXPECT_TRUE(dialogs.calls.empty());

  // Every press starts another Notepad.
  command(ID_View_Readme);
  fresh = newNotepads();
  ASSERT_EQ(fresh.size(), 1u);
  EXPECT_EQ(fresh[0]->commandLine(), "Notepad.exe " + inScratch("tastrix.txt"));
}

// A long path is passed whole, and a readme that is missing still starts
// Notepad, which says so.
TEST_F(Readme, ReadmeIsNamedAfterTheExecutableUpToItsFirstDot) {
  std::string folder = scratchDir();
  for (const char* part : {"a folder with a rather long name for the readme\\",
                           "and another folder below it that makes the path longer still\\"}) {
    folder += part;
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  }
  ASSERT_GT((folder + "tastrix.txt").size(), 145u);
  writeFile(folder + "tastrix.txt", "Tastrix readme\r\n");
  startForm();
  const struct {
    std::string folder, executable, readme;
  } rows[] = {{scratchDir(), "tastrix.old.exe", "tastrix.txt"},
              {scratchDir(), "keymaps", "keymaps.txt"},
              {scratchDir(), "Tastrix.EXE", "Tastrix.txt"},
              {folder, "tastrix.exe", "tastrix.txt"}};
  for (const auto& row : rows)
    EXPECT_EQ(readmeCommandLineFor(row.folder, row.executable), "Notepad.exe " + row.folder + row.readme);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(Readme, WithoutNotepadInTheWindowsDirectoryNothingStarts) {
  startForm();
  {
    const NotepadMovedAway away;
    ASSERT_TRUE(away.moved());
    command(ID_View_Readme);
  }
  EXPECT_TRUE(newNotepads().empty());
  ASSERT_EQ(dialogs.calls.size(), 1u);
  expectMessage(dialogs.calls[0], MessageKind::Information, Buttons::Ok, "Windows Notepad could not be found.");
}

TEST_F(Readme, EmptyPathIsReportedAndStartsNothing) {
  OpenInNotepad(dialogs, "");
  EXPECT_TRUE(newNotepads().empty());
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, MessageKind::Information);
  EXPECT_EQ(dialogs.calls[0].text, "No Log File to View.");
}

TEST(ReadmeShipped, ReadmeIsPlainTextWithCrLfLineEnds) {
  char exe[MAX_PATH];
  const std::string path(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
  const std::string text = readFile(path.substr(0, path.find_last_of('\\') + 1) + "tastrix.txt");
  ASSERT_FALSE(text.empty()) << "the build puts tastrix.txt beside the executables";
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7f)) << "byte " << i;
    if (c == '\n') {
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
    }
    if (c == '\r') {
      ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at byte " << i;
    }
  }
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

}  // namespace
}  // namespace tastrix::testing
