#include <gtest/gtest.h>

#include "platform/file_status.h"
#include "win/map_file_fixture.h"

namespace tastrix::testing {
namespace {

const char* const kSettings =
    "[tastrix]\r\n"
    "window_top_posn=50\r\n"
    "window_left_posn=100\r\n"
    "window_Width=900\r\n"
    "window_Height=500\r\n"
    "Always_on_Top_Option=1\r\n"
    "Auto_Run_at_Windows_Startup_Option=0\r\n"
    "WindowState_wsMaximized=0\r\n"
    "Current_Keyboard_Layout_File_Name_Edit=C:\\Maps\\office.zv\r\n";

class RestoreDefaults : public FormTest {
 protected:
  const DialogCall& onlyQuestion() {
    EXPECT_EQ(dialogs.calls.size(), 1u);
    static const DialogCall none;
    if (dialogs.calls.empty()) return none;
    EXPECT_EQ(dialogs.calls[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.calls[0].buttons, Buttons::YesNo);
    return dialogs.calls[0];
  }
};

const char* const kUnsavedWarning = "You have not saved the changes to the current Keyboard Map: they will be lost.";

TEST_F(RestoreDefaults, AnsweredNoChangesNothing) {
  writeFile(settingsFile(), kSettings);
  startForm();
  document().setLabel(27, "Quit");
  dialogs.answerMessage(Answer::No);

  command(ID_Restore_Factory_Defaults);
  const DialogCall& question = onlyQuestion();
  EXPECT_NE(question.text.find("restore the factory defaults"), std::string::npos) << question.text;
  EXPECT_NE(question.text.find("\r\n"), std::string::npos) << "several lines";
  EXPECT_EQ(question.text.find(kUnsavedWarning), std::string::npos) << "nothing unsaved";

  EXPECT_EQ(readFile(settingsFile()), kSettings);
  RECT window;
  GetWindowRect(hwnd(), &window);
  EXPECT_EQ(window.left, 100);
  EXPECT_EQ(window.top, 50);
  EXPECT_TRUE(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(document().path(), "C:\\Maps\\office.zv");
  EXPECT_EQ(map().labels[27], "Quit");
}

// A read-only settings file is deleted all the same.
TEST_F(RestoreDefaults, YesDeletesTheSettingsAndReturnsToTheFirstStart) {
  for (const bool readOnly : {false, true}) {
    SCOPED_TRACE(readOnly ? "read-only" : "writable");
    writeFile(settingsFile(), kSettings);
    setReadOnly(settingsFile(), readOnly);
    startForm();
    ShowWindow(hwnd(), SW_MAXIMIZE);
    document().setLabel(27, "Quit");
    document().setLabel(0, "Office");
    document().setChanged(true);
    dialogs.calls.clear();
    dialogs.answerMessage(Answer::Yes);

    command(ID_Restore_Factory_Defaults);
    EXPECT_NE(onlyQuestion().text.find(kUnsavedWarning), std::string::npos) << onlyQuestion().text;
    EXPECT_FALSE(fileExists(settingsFile()));
    expectFirstStartState();
    dropForm();
  }
}

// A settings file another program holds stays as it is, its attributes too.
TEST_F(RestoreDefaults, SettingsFileHeldOpenByAnotherProgramSurvives) {
  for (const bool readOnly : {false, true}) {
    SCOPED_TRACE(readOnly ? "read-only" : "writable");
    writeFile(settingsFile(), kSettings);
    setReadOnly(settingsFile(), readOnly);
    startForm();
    dialogs.calls.clear();
    dialogs.answerMessage(Answer::Yes);
    {
      const HeldFile other(settingsFile(), readOnly ? FILE_SHARE_READ : 0);
      ASSERT_TRUE(other.held());
      command(ID_Restore_Factory_Defaults);
    }
    ASSERT_TRUE(fileExists(settingsFile()));
    EXPECT_EQ(readFile(settingsFile()), kSettings);
    EXPECT_EQ((GetFileAttributesA(settingsFile().c_str()) & FILE_ATTRIBUTE_READONLY) != 0, readOnly);
    EXPECT_EQ(dialogs.calls.size(), 1u);
    setReadOnly(settingsFile(), false);
    dropForm();
  }
}

// A scratch file whose full path has exactly the given length.
std::string pathOfLength(const ScratchFolder& folder, size_t length) {
  const std::string path = folder.file(std::string(length - folder.path().size() - 4, 'f') + ".ini");
  EXPECT_EQ(path.size(), length);
  return path;
}

class FileProbe : public ::testing::Test {
 protected:
  ScratchFolder scratch;
};

TEST_F(FileProbe, OpenStatusTellsClosedOpenAndMissingFiles) {
  const std::string path = scratch.file("settings.ini");
  writeFile(path, "x");
  EXPECT_EQ(FileOpenStatus(path), "CLOSED");
  {
    const HeldFile exclusively(path);
    ASSERT_TRUE(exclusively.held());
    EXPECT_EQ(FileOpenStatus(path), "OPEN");
  }
  {
    // Any other user counts, since the probe asks for exclusive use.
    const HeldFile shared(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(shared.held());
    EXPECT_EQ(FileOpenStatus(path), "OPEN");
  }
  EXPECT_EQ(FileOpenStatus(path), "CLOSED");
  EXPECT_EQ(readFile(path), "x");

  EXPECT_EQ(FileOpenStatus(""), "");
  EXPECT_EQ(FileOpenStatus(scratch.file("missing.ini")), "");
  EXPECT_EQ(FileOpenStatus(scratch.file("missing\\settings.ini")), "");
  EXPECT_EQ(FileOpenStatus(scratch.path()), "") << "a folder is no file";
}

TEST_F(FileProbe, PathsOf128CharactersOrMoreCountAsClosedUntested) {
  const std::string longest = pathOfLength(scratch, 127);
  writeFile(longest, "x");
  {
    const HeldFile other(longest);
    ASSERT_TRUE(other.held());
    EXPECT_EQ(FileOpenStatus(longest), "OPEN") << "127 characters are still probed";
  }
  const std::string tooLong = pathOfLength(scratch, 128);
  EXPECT_EQ(FileOpenStatus(tooLong), "CLOSED") << "missing";
  writeFile(tooLong, "x");
  const HeldFile other(tooLong);
  ASSERT_TRUE(other.held());
  EXPECT_EQ(FileOpenStatus(tooLong), "CLOSED") << "held open";
}

TEST_F(FileProbe, OpenStatusRestoresTheErrorMode) {
  const std::string path = scratch.file("settings.ini");
  writeFile(path, "x");
  const UINT original = SetErrorMode(SEM_NOGPFAULTERRORBOX);
  EXPECT_EQ(FileOpenStatus(path), "CLOSED");
  const UINT after = SetErrorMode(original);
  EXPECT_EQ(after, static_cast<UINT>(SEM_NOGPFAULTERRORBOX));
}

TEST_F(FileProbe, ReadOnlyFileIsAnError) {
  const std::string path = scratch.file("settings.ini");
  writeFile(path, "x");
  setReadOnly(path, true);
  if (!readOnlyIsEnforced(scratch.path())) GTEST_SKIP() << "file permissions are not enforced for this user";
  EXPECT_EQ(FileOpenStatus(path), "ERROR");
}

TEST_F(FileProbe, AttributeFlagsReportWhetherTheSetReadsBack) {
  const DWORD managed =
      FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
  const std::string path = scratch.file("settings.ini");
  writeFile(path, "x");

  // File systems differ in what they keep (some report every file as
  // archived, some store no hidden or system bit), but read-only always
  // sticks, and the result must say whether the whole set read back.
  const auto setAndCheck = [&](bool readOnly, bool archive, bool system, bool hidden) {
    const DWORD wanted = (readOnly ? FILE_ATTRIBUTE_READONLY : 0) | (archive ? FILE_ATTRIBUTE_ARCHIVE : 0) |
                         (system ? FILE_ATTRIBUTE_SYSTEM : 0) | (hidden ? FILE_ATTRIBUTE_HIDDEN : 0);
    const bool result = SetFileAttributeFlags(path, readOnly, archive, system, hidden);
    const DWORD readBack = GetFileAttributesA(path.c_str()) & managed;
    EXPECT_EQ(readBack & FILE_ATTRIBUTE_READONLY, wanted & FILE_ATTRIBUTE_READONLY) << wanted;
    EXPECT_EQ(result, readBack == wanted) << wanted << " read back as " << readBack;
    return readBack;
  };
  setAndCheck(true, true, false, true);
  setAndCheck(false, true, true, false);
  setAndCheck(true, true, true, true);
  EXPECT_EQ(setAndCheck(false, false, false, false) &
                (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            0u);

  const std::string missing = scratch.file("missing.ini");
  EXPECT_FALSE(SetFileAttributeFlags(missing, true, true, true, true));
  EXPECT_FALSE(fileExists(missing));
}

TEST_F(FileProbe, DeleteIfNotInUseSparesFilesHeldOpen) {
  const std::string path = scratch.file("settings.ini");
  writeFile(path, "x");
  EXPECT_FALSE(DeleteIfNotInUse(scratch.file("missing.ini")));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  {
    const HeldFile other(path);
    ASSERT_TRUE(other.held());
    EXPECT_FALSE(DeleteIfNotInUse(path));
    EXPECT_TRUE(fileExists(path));
  }
  EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY) << "a file that stays keeps its attributes";
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_TRUE(DeleteIfNotInUse(path));
  EXPECT_FALSE(fileExists(path));
}

}  // namespace
}  // namespace tastrix::testing
