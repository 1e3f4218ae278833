// A save cut short at any instant leaves a whole map: the real program is
// killed at each change its save makes to the map's folder, as a power cut
// or a killed task would stop it, and the map is opened again.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/menu_ids.h"
#include "platform/wide_text.h"
#include "support/form_fixture.h"
#include "win/native_shell.h"
#include "win/real_program.h"

namespace tastrix::testing {
namespace {

bool waitForFile(const std::string& path, DWORD waitMs) {
  for (DWORD waited = 0; waited < waitMs && !fileExists(path); waited += 20) Sleep(20);
  return fileExists(path);
}

// The host program tests/host/kill_at_file_event, built beside the tests: it
// watches a folder and kills the process running the program at the
// folder's change (its number, or the text its line begins with), or stops
// it there until resume(). Wine gives no handle to a host program, so it
// says through files when it watches and what it saw. The program is known
// by its path in its command line: only one runs from a scratch folder.
class FileEventKiller {
 public:
  FileEventKiller(const std::string& folder, const std::string& change, const std::string& program,
                  const ScratchFolder& scratch, bool stopOnly = false)
      : ready_(scratch.file("killer ready")), result_(scratch.file("killer result")),
        resume_(stopOnly ? scratch.file("killer resume") : "") {
    for (const std::string& file : {ready_, result_, scratch.file("killer resume")})
      DeleteFileW(WideFromUtf8(file).c_str());
    std::wstring command = WideFromUtf8("\"" + builtProgram("kill_at_file_event") + "\" \"" + unixPathOf(folder) +
                                        "\" \"" + change + "\" \"" + program + "\" \"" + unixPathOf(ready_) + "\" \"" +
                                        unixPathOf(result_) + "\"" +
                                        (stopOnly ? " \"" + unixPathOf(resume_) + "\"" : ""));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return;
    if (info.hProcess) CloseHandle(info.hProcess);
    if (info.hThread) CloseHandle(info.hThread);
    watching_ = waitForFile(ready_, 10000);
  }

  bool watching() const { return watching_; }
  // One line per change seen, then how it ended: "killed", "stopped", "ended"...
  std::string result() const {
    waitForFile(result_, 10000);
    return readFile(result_);
  }
  void resume() const { writeFile(resume_, ""); }

 private:
  std::string ready_, result_, resume_;
  bool watching_ = false;
};

struct MapOnDisk {
  std::string map, labels;
  std::vector<std::string> others;  // every other file in the map's folder
  bool operator==(const MapOnDisk& o) const { return map == o.map && labels == o.labels && others == o.others; }
};

class InterruptedSave : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CopyFileA(builtProgram().c_str(), program().c_str(), FALSE));
    ASSERT_TRUE(CreateDirectoryW(WideFromUtf8(folder()).c_str(), nullptr));
    writeFile(scratch.file("tastrix.ini"), "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + map() + "\r\n");
  }

  std::string folder() const { return scratch.file("maps\\"); }
  std::string map() const { return folder() + "office.zv"; }

  std::string program() const { return scratch.file("tastrix.exe"); }

  // The program (or a copy of it beside it), whose start-up load opens the map.
  std::unique_ptr<StartedProgram> open(const std::string& copy = "") {
    auto program = std::make_unique<StartedProgram>(copy.empty() ? this->program() : copy, scratch.path());
    EXPECT_NE(program->window(), nullptr);
    return program;
  }
  // The caption of a window that has saved the map.
  std::string saved() const { return "Tastrix - v1.0f  - " + map(); }
  // The map as a save writes it: the factory map, or the edited one.
  MapOnDisk savedMap(bool edited) {
    auto program = open();
    if (edited) edit(*program);
    command(*program, ID_Save_Keyboard_Layout);
    EXPECT_EQ(program->closeAndWait(), 0u);
    return onDisk();
  }

  static void command(StartedProgram& program, int id) { PostMessageA(program.window(), WM_COMMAND, id, 0); }

  // Every label erased and the labels at the top: both files change.
  static void edit(StartedProgram& program) {
    command(program, ID_Erase_All);
    ASSERT_TRUE(program.answerMessageBox(IDYES));
    command(program, ID_Align_Top);
  }

  MapOnDisk onDisk() const {
    MapOnDisk found{readFile(map()), readFile(map() + "l"), {}};
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW(WideFromUtf8(folder() + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
      const std::string name = Utf8FromWide(entry.cFileName);
      if (name != "." && name != ".." && name != "office.zv" && name != "office.zvl") found.others.push_back(name);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return found;
  }

  void restore(const MapOnDisk& state) {
    for (const std::string& name : onDisk().others) DeleteFileW(WideFromUtf8(folder() + name).c_str());
    writeFile(map(), state.map);
    writeFile(map() + "l", state.labels);
  }

  ScratchFolder scratch;
};

TEST_F(InterruptedSave, KilledAtEveryChangeOfTheMapsFolderTheMapOpensWholeAndNothingIsLeft) {
  const MapOnDisk before = savedMap(false);
  ASSERT_TRUE(before.others.empty());

  // One save to the end, counting the changes it makes.
  std::string seen;
  {
    auto program = open();
    edit(*program);
    const FileEventKiller counter(folder(), "1000000", this->program(), scratch);
    ASSERT_TRUE(counter.watching()) << counter.result();
    command(*program, ID_Save_Keyboard_Layout);
    ASSERT_EQ(program->closeAndWait(), 0u);
    seen = counter.result();
  }
  const MapOnDisk after = onDisk();
  ASSERT_NE(after.map, before.map);
  ASSERT_NE(after.labels, before.labels);
  ASSERT_TRUE(after.others.empty());
  int changes = 0;
  for (size_t line = 0; line < seen.size(); line = seen.find('\n', line) + 1)
    if (seen[line] >= '1' && seen[line] <= '9') ++changes;
  ASSERT_GE(changes, 8) << seen;

  for (int change = 1; change <= changes; ++change) {
    restore(before);
    std::string killed;
    {
      auto program = open();
      edit(*program);
      const FileEventKiller killer(folder(), std::to_string(change), this->program(), scratch);
      ASSERT_TRUE(killer.watching()) << killer.result();
      command(*program, ID_Save_Keyboard_Layout);
      ASSERT_TRUE(program->ended(10000));
      killed = killer.result();
    }
    SCOPED_TRACE("killed at change " + std::to_string(change) + " of " + std::to_string(changes) + ":\n" + killed);
    ASSERT_NE(killed.find("killed"), std::string::npos);

    // Opened again: the start-up load has finished or undone the save, and
    // the window shows what the files hold, as its own save of it writes.
    auto program = open();
    const MapOnDisk opened = onDisk();
    EXPECT_TRUE(opened == before || opened == after) << "the map is a mix, or files are left: " << opened.others.size();
    command(*program, ID_Save_Keyboard_Layout);
    EXPECT_EQ(program->closeAndWait(), 0u);
    EXPECT_TRUE(onDisk() == opened);
  }
}

// Another program opens a map file at a moment of the save (the program
// stopped there), and holds it for a second: without sharing it (an editor),
// sharing reading, or sharing everything (a viewer, a sync client). What
// the save then says is what the disk holds, whole, with nothing left to be
// finished by the next open.
TEST_F(InterruptedSave, AFileHeldFromAnyMomentOfTheSaveLeavesWhatTheSaveSays) {
  const MapOnDisk before = savedMap(false), after = savedMap(true);
  ASSERT_NE(after.labels, before.labels);
  for (const char* moment : {"create office.zvl.", "close office.zv.", "moved-from office.zvl"})
    for (const char* file : {"office.zv", "office.zvl"})
      for (const DWORD sharing : {0ul, 1ul * FILE_SHARE_READ, 1ul * (FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE)}) {
        SCOPED_TRACE(std::string(file) + " held from " + moment + " sharing " + std::to_string(sharing));
        restore(before);
        auto program = open();
        edit(*program);
        const FileEventKiller stopper(folder(), moment, this->program(), scratch, true);
        ASSERT_TRUE(stopper.watching()) << stopper.result();
        command(*program, ID_Save_Keyboard_Layout);
        ASSERT_NE(stopper.result().find("stopped"), std::string::npos) << stopper.result();
        // Not there at every moment: then nothing is held.
        UniqueHandle held(CreateFileW(WideFromUtf8(folder() + file).c_str(), GENERIC_READ, sharing, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
        stopper.resume();
        Sleep(1000);
        held.reset();
        const std::string told = program->told(saved());
        EXPECT_TRUE(onDisk() == (told.empty() ? after : before)) << "told \"" << told << "\", " << onDisk().others.size();
      }
}

// Two windows save the map at once: the first is stopped as its save
// begins; the second waits for it, then fails before it writes; the first
// then saves. Each was told what the disk holds: the first window's map.
TEST_F(InterruptedSave, TwoWindowsSavingOneMapAtOnceSaveOneAfterTheOther) {
  savedMap(false);
  const std::string second = scratch.file("second.exe");
  ASSERT_TRUE(CopyFileA(builtProgram().c_str(), second.c_str(), FALSE));
  auto first = open(), other = open(second);
  edit(*first);
  command(*other, ID_Align_Bottom);
  const FileEventKiller stopper(folder(), "create office.zv.~lock", this->program(), scratch, true);
  ASSERT_TRUE(stopper.watching()) << stopper.result();
  command(*first, ID_Save_Keyboard_Layout);
  ASSERT_NE(stopper.result().find("stopped"), std::string::npos) << stopper.result();
  command(*other, ID_Save_Keyboard_Layout);
  EXPECT_EQ(other->told(saved()), "Unable to write to " + map() + ".");
  stopper.resume();
  EXPECT_EQ(first->told(saved()), "");
  const MapOnDisk now = onDisk();
  EXPECT_TRUE(now.others.empty());
  EXPECT_NE(now.map.find("Key_Label_Vertical_Alignment=0"), std::string::npos);
  EXPECT_EQ(now.labels.find("Key Label"), std::string::npos);
}

}  // namespace
}  // namespace tastrix::testing
