#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "desktop/auto_run.h"
#include "desktop/registry.h"
#include "platform/app_paths.h"
#include "platform/errors.h"
#include "support/form_fixture.h"
#include "win/run_key.h"

namespace tastrix::testing {
namespace {

std::string moduleFileName() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full(path, n);
  return full.substr(full.find_last_of('\\') + 1);
}

std::string enabledText(const std::string& name) {
  return "This program (" + name + ") will now run automatically at Windows Start-Up.";
}

std::string disabledText(const std::string& name) {
  return "This program (" + name + ") will now no-longer run automatically at Windows Start-Up.";
}

class AutoRun : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    ASSERT_TRUE(run.valid()) << "the Run key must exist and open with full access";
    for (const char* name : {"tastrix.exe", "renamed.exe"}) guards.push_back(std::make_unique<RunValueGuard>(run, name));
    guards.push_back(std::make_unique<RunValueGuard>(run, moduleFileName()));
  }
  void TearDown() override {
    FormTest::TearDown();
    guards.clear();
  }

  std::string storedText(const std::string& name) {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!run.raw(name, type, data)) return "<missing>";
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_FALSE(data.empty());
    EXPECT_EQ(data.back(), 0) << "stored with its terminator";
    return std::string(data.begin(), data.end() - (data.empty() ? 0 : 1));
  }

  RunKey run;
  std::vector<std::unique_ptr<RunValueGuard>> guards;
};

TEST_F(AutoRun, MenuCommandSwitchesTheRunValueOnAndOff) {
  startForm();
  EXPECT_FALSE(form().isMenuChecked(ID_Auto_Run));

  command(ID_Auto_Run);
  EXPECT_EQ(storedText("tastrix.exe"), inScratch("tastrix.exe"));
  EXPECT_TRUE(form().isMenuChecked(ID_Auto_Run));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  expectMessage(dialogs.calls[0], MessageKind::Information, Buttons::Ok, enabledText("tastrix.exe"));

  command(ID_Auto_Run);
  EXPECT_FALSE(run.has("tastrix.exe"));
  EXPECT_FALSE(form().isMenuChecked(ID_Auto_Run));
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].kind, MessageKind::Information);
  EXPECT_EQ(dialogs.calls[1].text, disabledText("tastrix.exe"));

  // The value's name follows the executable only, never the test program.
  EXPECT_FALSE(run.has(moduleFileName()));
}

TEST_F(AutoRun, DisablingAValueThatIsAlreadyGoneStillSucceeds) {
  run.setString("tastrix.exe", inScratch("tastrix.exe"));
  startForm();
  EXPECT_TRUE(form().isMenuChecked(ID_Auto_Run));
  run.remove("tastrix.exe");

  command(ID_Auto_Run);
  EXPECT_FALSE(form().isMenuChecked(ID_Auto_Run));
  EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{disabledText("tastrix.exe")});
  EXPECT_FALSE(run.has("tastrix.exe"));
}

TEST_F(AutoRun, PathWithBlanksIsStoredWithoutQuotes) {
  const std::string folder = inScratch("My Programs");
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  overrideExecutablePath(folder + "\\tastrix.exe");
  startForm();

  command(ID_Auto_Run);
  EXPECT_EQ(storedText("tastrix.exe"), folder + "\\tastrix.exe");
  EXPECT_TRUE(form().isMenuChecked(ID_Auto_Run));
}

TEST_F(AutoRun, StartUpAcceptsAStoredPathThatDiffersOnlyInCase) {
  std::string stored = inScratch("tastrix.exe");
  for (char& c : stored) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c >= 'A' && c <= 'Z' ? c + 32 : c);
  run.setString("tastrix.exe", stored);

  startForm();
  EXPECT_TRUE(form().isMenuChecked(ID_Auto_Run));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(storedText("tastrix.exe"), stored);
}

TEST_F(AutoRun, StartUpIgnoresTheSettingsFileAndValuesOfOtherNames) {
  writeFile(settingsFile(), "[tastrix]\r\nAuto_Run_at_Windows_Startup_Option=1\r\n");
  run.setString("tastrix.exe", "C:\\Old Place\\tastrix.exe");
  overrideExecutablePath(inScratch("renamed.exe"));

  startForm();
  EXPECT_FALSE(form().isMenuChecked(ID_Auto_Run));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(storedText("tastrix.exe"), "C:\\Old Place\\tastrix.exe");
  EXPECT_FALSE(run.has("renamed.exe"));
}

TEST_F(AutoRun, StartUpTreatsANonStringValueAsOffWithoutAMessage) {
  run.setRaw("tastrix.exe", REG_DWORD, {1, 0, 0, 0});
  startForm();
  EXPECT_FALSE(form().isMenuChecked(ID_Auto_Run));
  EXPECT_TRUE(dialogs.calls.empty());

  // Switching it on replaces the odd value with the path.
  command(ID_Auto_Run);
  EXPECT_EQ(storedText("tastrix.exe"), inScratch("tastrix.exe"));
  EXPECT_TRUE(form().isMenuChecked(ID_Auto_Run));
}

class AutoRunMoved : public AutoRun {
 protected:
  const std::string oldPath = "C:\\Old Place\\tastrix.exe";
  std::string question() {
    return "The directory / path settings required to make this program (tastrix.exe)\r\n"
           "run automatically at Windows Start-up do not match where the program \r\n"
           "is currently being run from.\r\n\r\n Old      = " +
           oldPath + "\r\n Current = " + inScratch("tastrix.exe") +
           "\r\n\r\nDo you want to update the Windows Registry to reflect the programs current locaton ?";
  }
};

TEST_F(AutoRunMoved, YesRewritesThePathAndAnnouncesIt) {
  run.setString("tastrix.exe", oldPath);
  dialogs.answerMessage(Answer::Yes);
  startForm();

  ASSERT_EQ(dialogs.calls.size(), 2u);
  expectMessage(dialogs.calls[0], MessageKind::Warning, Buttons::YesNo, question());
  EXPECT_EQ(dialogs.calls[1].kind, MessageKind::Information);
  EXPECT_EQ(dialogs.calls[1].text, enabledText("tastrix.exe"));
  EXPECT_EQ(storedText("tastrix.exe"), inScratch("tastrix.exe"));
  EXPECT_TRUE(form().isMenuChecked(ID_Auto_Run));
}

TEST_F(AutoRunMoved, NoKeepsTheOldPathAndTheMark) {
  run.setString("tastrix.exe", oldPath);
  dialogs.answerMessage(Answer::No);
  startForm();

  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, question());
  EXPECT_EQ(storedText("tastrix.exe"), oldPath);
  EXPECT_TRUE(form().isMenuChecked(ID_Auto_Run));
}

// The registry operations on keys and values the menu command cannot reach.
class RegistryStrings : public AutoRun {
 protected:
  const std::string missingKey = "\\Software\\Tastrix Test Key That Does Not Exist";
};

TEST_F(RegistryStrings, MissingKeyIsReportedExactlyAndNothingIsCreated) {
  EXPECT_FALSE(WriteRegistryString(dialogs, HKEY_LOCAL_MACHINE, missingKey, "tastrix.exe", "C:\\x\\tastrix.exe"));
  EXPECT_FALSE(DeleteRegistryValue(dialogs, HKEY_LOCAL_MACHINE, missingKey, "tastrix.exe"));
  EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, missingKey, "tastrix.exe"), "");

  ASSERT_EQ(dialogs.calls.size(), 2u);
  for (const DialogCall& call : dialogs.calls) {
    EXPECT_EQ(call.kind, MessageKind::Error);
    EXPECT_EQ(call.buttons, Buttons::Ok);
  }
  EXPECT_EQ(dialogs.calls[0].text,
            "Error: The specified Registry Key for this operation \r\ndoes NOT exist on your PC.  \r\n\r\n"
            " Error Key   = \\Software\\Tastrix Test Key That Does Not Exist\r\n"
            " Error Item  = tastrix.exe\r\n Error Value = C:\\x\\tastrix.exe\r\n\r\n"
            "Please contact the program's author.");
  EXPECT_EQ(dialogs.calls[1].text,
            "Error: The specified Registry Key for this operation \r\ndoes NOT exist on your PC.  \r\n\r\n"
            " Error Key   = \\Software\\Tastrix Test Key That Does Not Exist\r\n"
            " Error Item  = tastrix.exe\r\n\r\nPlease contact the program's author.");
  HKEY created = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, missingKey.substr(1).c_str(), 0, KEY_READ, &created), ERROR_SUCCESS);
}

TEST_F(RegistryStrings, ValueThatDoesNotReadBackAsWrittenIsReported) {
  // A zero inside the text ends the stored string early.
  const std::string text("C:\\a\0b", 6);
  EXPECT_FALSE(WriteRegistryString(dialogs, HKEY_LOCAL_MACHINE, kRunKey, "tastrix.exe", text));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.calls[0].text,
            "Error: The required settings could not be created \r\nor saved in the Windows Registry.  \r\n\r\n"
            " Error Key   = \\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\n"
            " Error Item  = tastrix.exe\r\n Error Value = " +
                text + "\r\n\r\nPlease contact the program's author.");
  EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, "tastrix.exe"), "C:\\a");
}

TEST_F(RegistryStrings, ReadGivesTheTextUpToItsFirstZeroAndRejectsOtherTypes) {
  run.setRaw("tastrix.exe", REG_EXPAND_SZ, {'%', 'x', '%', 0, 'y', 0});
  EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, "tastrix.exe"), "%x%");
  run.setRaw("tastrix.exe", REG_SZ, {});
  EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, "tastrix.exe"), "");
  run.remove("tastrix.exe");
  EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, "tastrix.exe"), "");

  run.setRaw("tastrix.exe", REG_BINARY, {'a', 'b', 0});
  try {
    ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, "tastrix.exe");
    ADD_FAILURE() << "a binary value must not read as text";
  } catch (const PlatformError& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'tastrix.exe'");
  }
}

TEST_F(RegistryStrings, RefusedValueRaisesThePlatformError) {
  // Value names are limited to 16383 characters.
  const std::string name(20000, 'n');
  try {
    WriteRegistryString(dialogs, HKEY_LOCAL_MACHINE, kRunKey, name, "C:\\x.exe");
    ADD_FAILURE() << "an over-long value name must be refused";
  } catch (const PlatformError& e) {
    EXPECT_EQ(std::string(e.what()), "Failed to set data for '" + name + "'");
  }
  EXPECT_FALSE(run.has(name));
  EXPECT_TRUE(dialogs.calls.empty());
  run.remove(name);
}

}  // namespace
}  // namespace tastrix::testing
