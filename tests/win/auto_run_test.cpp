#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "desktop/auto_run.h"
#include "desktop/registry.h"
#include "platform/app_paths.h"
#include "platform/core/errors.h"
#include "support/form_fixture.h"
#include "text/path_text.h"
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
    ASSERT_TRUE(machine.exists()) << "the machine-wide Run key must exist";
    for (const RunKey* key : {&machine, &user})
      for (const std::string& name : {std::string("tastrix.exe"), std::string("renamed.exe"), moduleFileName()})
        guards.push_back(std::make_unique<RunValueGuard>(*key, name));
  }
  void TearDown() override {
    FormTest::TearDown();
    guards.clear();
  }

  // The window as the next start of the program finds the registry.
  void restartForm() {
    dropForm();
    dialogs.calls.clear();
    startForm();
  }

  RunKey machine{HKEY_LOCAL_MACHINE}, user{HKEY_CURRENT_USER};
  std::vector<std::unique_ptr<RunValueGuard>> guards;
};

TEST_F(AutoRun, MenuCommandSwitchesTheRunValueOnAndOff) {
  startForm();
  EXPECT_FALSE(menuChecked(ID_Auto_Run));

  command(ID_Auto_Run);
  EXPECT_EQ(machine.text("tastrix.exe"), inScratch("tastrix.exe"));
  EXPECT_TRUE(menuChecked(ID_Auto_Run));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  expectMessage(dialogs.calls[0], MessageKind::Information, Buttons::Ok, enabledText("tastrix.exe"));

  command(ID_Auto_Run);
  EXPECT_FALSE(machine.has("tastrix.exe"));
  EXPECT_FALSE(menuChecked(ID_Auto_Run));
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].kind, MessageKind::Information);
  EXPECT_EQ(dialogs.calls[1].text, disabledText("tastrix.exe"));

  // The value's name follows the executable only, never the test program.
  EXPECT_FALSE(machine.has(moduleFileName()));
}

TEST_F(AutoRun, DisablingAValueThatIsAlreadyGoneStillSucceeds) {
  machine.setString("tastrix.exe", inScratch("tastrix.exe"));
  startForm();
  EXPECT_TRUE(menuChecked(ID_Auto_Run));
  machine.remove("tastrix.exe");

  command(ID_Auto_Run);
  EXPECT_FALSE(menuChecked(ID_Auto_Run));
  EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{disabledText("tastrix.exe")});
  EXPECT_FALSE(machine.has("tastrix.exe"));
}

TEST_F(AutoRun, PathWithBlanksIsStoredWithoutQuotes) {
  const std::string folder = inScratch("My Programs");
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  overrideExecutablePath(folder + "\\tastrix.exe");
  startForm();

  command(ID_Auto_Run);
  EXPECT_EQ(machine.text("tastrix.exe"), folder + "\\tastrix.exe");
  EXPECT_TRUE(menuChecked(ID_Auto_Run));
}

TEST_F(AutoRun, StartUpIgnoresTheSettingsFileAndValuesOfOtherNames) {
  writeFile(settingsFile(), "[tastrix]\r\nAuto_Run_at_Windows_Startup_Option=1\r\n");
  machine.setString("tastrix.exe", "C:\\Old Place\\tastrix.exe");
  overrideExecutablePath(inScratch("renamed.exe"));

  startForm();
  EXPECT_FALSE(menuChecked(ID_Auto_Run));
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(machine.text("tastrix.exe"), "C:\\Old Place\\tastrix.exe");
  EXPECT_FALSE(machine.has("renamed.exe"));
}

TEST_F(AutoRun, StartUpTreatsANonStringValueAsOffWithoutAMessage) {
  machine.setRaw("tastrix.exe", REG_DWORD, {1, 0, 0, 0});
  startForm();
  EXPECT_FALSE(menuChecked(ID_Auto_Run));
  EXPECT_TRUE(dialogs.calls.empty());

  // Switching it on replaces the odd value with the path.
  command(ID_Auto_Run);
  EXPECT_EQ(machine.text("tastrix.exe"), inScratch("tastrix.exe"));
  EXPECT_TRUE(menuChecked(ID_Auto_Run));
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

// Yes rewrites the path and announces it; No keeps the old path and the mark.
TEST_F(AutoRunMoved, TheStartUpAsksAndRewritesThePathOnYes) {
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    machine.setString("tastrix.exe", oldPath);
    dialogs.calls.clear();
    dialogs.answerMessage(answer);
    startForm();
    ASSERT_EQ(dialogs.calls.size(), answer == Answer::Yes ? 2u : 1u);
    expectMessage(dialogs.calls[0], MessageKind::Warning, Buttons::YesNo, question());
    if (answer == Answer::Yes)
      expectMessage(dialogs.calls[1], MessageKind::Information, Buttons::Ok, enabledText("tastrix.exe"));
    EXPECT_EQ(machine.text("tastrix.exe"), answer == Answer::Yes ? inScratch("tastrix.exe") : oldPath);
    EXPECT_TRUE(menuChecked(ID_Auto_Run));
    dropForm();
  }
}

std::string adminText(const std::string& name) {
  return "Error: The Windows Registry Key for this operation \r\ncan only be changed by an administrator.  \r\n\r\n"
         " Error Key   = \\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\n"
         " Error Item  = " +
         name + "\r\n\r\nPlease run the program as an administrator to change it.";
}

// A standard user may read the machine-wide key but not change it; where it
// is missing, nobody can. Either way the value goes into the user's own key,
// made when it is missing too, and the machine-wide key is left as it was.
TEST_F(AutoRun, WithoutTheMachineWideKeyTheUsersOwnKeyHoldsTheValue) {
  for (const bool missing : {false, true}) {
    SCOPED_TRACE(missing ? "machine-wide key missing" : "machine-wide key refused");
    std::optional<RunKeyRemoved> noMachineKey;
    std::optional<RunKeyClosed> standardUser;
    if (missing)
      noMachineKey.emplace(HKEY_LOCAL_MACHINE);
    else
      standardUser.emplace(HKEY_LOCAL_MACHINE);
    const RunKeyRemoved noUserKey(HKEY_CURRENT_USER);
    dialogs.calls.clear();
    startForm();
    EXPECT_FALSE(menuChecked(ID_Auto_Run));

    command(ID_Auto_Run);
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{enabledText("tastrix.exe")});
    EXPECT_TRUE(menuChecked(ID_Auto_Run));
    EXPECT_EQ(user.text("tastrix.exe"), inScratch("tastrix.exe"));
    EXPECT_FALSE(machine.has("tastrix.exe"));
    EXPECT_EQ(machine.exists(), !missing);

    restartForm();
    EXPECT_TRUE(menuChecked(ID_Auto_Run));
    EXPECT_TRUE(dialogs.calls.empty());

    command(ID_Auto_Run);
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{disabledText("tastrix.exe")});
    EXPECT_FALSE(menuChecked(ID_Auto_Run));
    EXPECT_FALSE(user.has("tastrix.exe"));
    dropForm();
  }
}

// A value in either key counts; where both hold one, the machine-wide one is
// the one checked, and switching auto-run off removes both.
TEST_F(AutoRun, AValueInEitherKeyCountsAndTheMachineWideOneIsChecked) {
  const std::string here = inScratch("tastrix.exe"), old = "C:\\Old Place\\tastrix.exe";
  const struct {
    const char *machineValue, *userValue;
    bool asked;
  } rows[] = {{nullptr, "here", false}, {"here", "old", false}, {"old", "here", true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.machineValue ? row.machineValue : "none") + " / " + row.userValue);
    const auto valueOf = [&](const char* which) { return std::string(which) == "here" ? here : old; };
    if (row.machineValue) machine.setString("tastrix.exe", valueOf(row.machineValue));
    user.setString("tastrix.exe", valueOf(row.userValue));
    if (row.asked) dialogs.answerMessage(Answer::No);
    dialogs.calls.clear();
    startForm();
    EXPECT_TRUE(menuChecked(ID_Auto_Run));
    if (row.asked) {
      ASSERT_EQ(dialogs.calls.size(), 1u);
      EXPECT_NE(dialogs.calls[0].text.find(" Old      = " + old + "\r\n Current = " + here), std::string::npos);
    } else {
      EXPECT_TRUE(dialogs.calls.empty());
    }

    dialogs.calls.clear();
    command(ID_Auto_Run);
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{disabledText("tastrix.exe")});
    EXPECT_FALSE(machine.has("tastrix.exe"));
    EXPECT_FALSE(user.has("tastrix.exe"));
    dropForm();
  }
}

// A value written from an elevated session stays for a standard user: it
// counts at start-up, and its old path is not offered for an update the user
// could not make. Switching off removes every value the user may change and
// reports only what start-up counts (a path) that an administrator must
// remove. A path counts as the running program's however it is spelt, as
// Windows reads it: quoted, with forward slashes, dots or another letter case.
TEST_F(AutoRun, AStandardUserChangesWhatTheUserMayAndAPathCountsHoweverSpelt) {
  const std::string here = inScratch("tastrix.exe");
  std::string slashes = here, otherCase = here;
  std::replace(slashes.begin(), slashes.end(), '\\', '/');
  const std::string dotted =
      scratchDir() + ".\\..\\" + FileNamePart(scratchDir().substr(0, scratchDir().size() - 1)) + "\\\\tastrix.exe";
  for (char& c : otherCase) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c >= 'A' && c <= 'Z' ? c + 32 : c);
  const struct {
    const char* what;
    std::string machineValue;  // a path, a number ("DWORD") or none ("")
    bool machineClosed, userValue, userClosed, onAtStart, refused;
  } rows[] = {
      {"another copy in the closed machine-wide key", "C:\\Old Place\\tastrix.exe", true, true, false, true, true},
      {"a number in the closed machine-wide key", "DWORD", true, true, false, true, false},
      {"a number in the machine-wide key", "DWORD", false, true, false, true, false},
      {"the path in quotes", "\"" + here + "\"", false, false, false, true, false},
      {"forward slashes", slashes, false, false, false, true, false},
      {"dots", dotted, false, false, false, true, false},
      {"another letter case", otherCase, false, false, false, true, false},
      {"both keys closed", "", true, false, true, false, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    if (row.machineValue == "DWORD")
      machine.setRaw("tastrix.exe", REG_DWORD, {1, 0, 0, 0});
    else if (!row.machineValue.empty())
      machine.setString("tastrix.exe", row.machineValue);
    if (row.userValue) user.setString("tastrix.exe", here);
    std::optional<RunKeyClosed> machineClosed, userClosed;
    if (row.machineClosed) machineClosed.emplace(HKEY_LOCAL_MACHINE);
    if (row.userClosed) userClosed.emplace(HKEY_CURRENT_USER);
    restartForm();
    EXPECT_EQ(menuChecked(ID_Auto_Run), row.onAtStart);
    EXPECT_TRUE(dialogs.calls.empty()) << "a question at start-up";

    command(ID_Auto_Run);
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<std::string>{row.refused ? adminText("tastrix.exe") : disabledText("tastrix.exe")});
    EXPECT_EQ(menuChecked(ID_Auto_Run), row.onAtStart == row.refused);
    EXPECT_FALSE(user.has("tastrix.exe"));
    EXPECT_EQ(machine.has("tastrix.exe"), row.machineClosed && !row.machineValue.empty());
    machineClosed.reset();
    machine.remove("tastrix.exe");
  }
}

// Paths and names the code page cannot spell are stored exactly.
TEST_F(AutoRun, TheValueKeepsAPathTheCodePageCannotSpell) {
  const std::string folder = inScratch("\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3 \xE6\x97\xA5\xE6\x9C\xAC");  // Прог 日本
  const std::string name = "t\xC3\xA4st\xE2\x82\xAC.exe";                                        // täst€.exe
  const RunValueGuard machineValue(machine, name), userValue(user, name);
  overrideExecutablePath(folder + "\\" + name);
  startForm();
  command(ID_Auto_Run);
  EXPECT_EQ(dialogs.messageTexts(),
            std::vector<std::string>{"This program (" + name + ") will now run automatically at Windows Start-Up."});
  EXPECT_EQ(machine.text(name), folder + "\\" + name);

  restartForm();
  EXPECT_TRUE(menuChecked(ID_Auto_Run));
  EXPECT_TRUE(dialogs.calls.empty()) << "the stored path reads back as the running one";
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
  machine.setRaw("tastrix.exe", REG_EXPAND_SZ, {'%', 0, 'x', 0, '%', 0, 0, 0, 'y', 0, 0, 0});
  EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, "tastrix.exe"), "%x%");
  machine.setRaw("tastrix.exe", REG_SZ, {});
  EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, "tastrix.exe"), "");
  machine.remove("tastrix.exe");
  EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, "tastrix.exe"), "");

  machine.setRaw("tastrix.exe", REG_BINARY, {'a', 'b', 0});
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
  EXPECT_FALSE(machine.has(name));
  EXPECT_TRUE(dialogs.calls.empty());
  machine.remove(name);
}

}  // namespace
}  // namespace tastrix::testing
