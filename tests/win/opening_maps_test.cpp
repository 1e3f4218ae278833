// Maps opened the Windows way: named on the command line (as Explorer starts
// the program for a map), dropped on the window, kept in recent documents.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/settings_file.h"
#include "win/map_file_fixture.h"
#include "win/real_program.h"

namespace tastrix::testing {
namespace {

const char* const kWhatOpens = "\r\n\r\nTastrix opens a Keyboard Map from its map file (.zv) or its label list (.zvl).";
const std::string kSeveral = "Tastrix shows one Keyboard Map at a time, and 2 files were given." + std::string(kWhatOpens);
const std::string kUnicodeName = "\xCE\xA9mega \xD0\xBA\xD0\xBB\xD0\xB0\xD0\xB2\xD0\xB8\xD1\x88\xD0\xB8.zv";

// Map files, a folder and a text file in the scratch folder; own_ begins the
// names of maps that become recent documents, which outlive the test.
class OpeningMaps : public MapFileTest {
 protected:
  void SetUp() override {
    MapFileTest::SetUp();
    own_ = scratchDir().substr(scratchDir().rfind('\\', scratchDir().size() - 2) + 1);
    own_.back() = ' ';
    CreateDirectoryA(inScratch("my maps").c_str(), nullptr);
    for (const std::string& name : std::vector<std::string>{"remembered.zv", "plain.zv", "held.zv", "my maps\\office keys.zv",
                                                            kUnicodeName, own_ + "office.zv", own_ + "partly.zv", "notes.txt"})
      writeFile(inScratch(name), "[tastrix]\r\n");
  }
  std::string notAMap(const std::string& name, const char* what) { return inScratch(name) + "\r\n\r\n" + what + kWhatOpens; }
  // A drop of scratch files as Explorer makes it: DROPFILES and the wide
  // names in global memory, which the window lets go.
  WPARAM drop(const std::vector<std::string>& names) {
    std::wstring list;
    for (const std::string& name : names) list += WideFromUtf8(inScratch(name)) + L'\0';
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (list.size() + 1) * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(files + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return reinterpret_cast<WPARAM>(memory);
  }
  std::string own_;
};

// The map named opens in place of the remembered one, as the start-up opens
// a map (one that cannot be read leaves no map open), and is remembered at
// close. Other arguments are named in a box, and the remembered map opens.
TEST_F(OpeningMaps, FromTheCommandLineInPlaceOfTheRememberedOne) {
  ASSERT_TRUE(CopyFileA(builtProgram().c_str(), inScratch("tastrix.exe").c_str(), FALSE));
  const std::string office = inScratch("my maps\\office keys.zv"), remembered = inScratch("remembered.zv");
  const struct {
    std::string arguments, box, title, opened;  // opened: the map's full path, "" for none
  } cases[] = {
      {"plain.zv", "", "plain", inScratch("plain.zv")},
      {"\"" + office + "\"", "", "office keys", office},
      {"\"" + inScratch(kUnicodeName) + "\"", "", kUnicodeName.substr(0, kUnicodeName.size() - 3), inScratch(kUnicodeName)},
      {"\"" + office + "l\"", "", "office keys", office},
      {"missing.zv", "", "missing", inScratch("missing.zv")},
      {"held.zv", "Cannot open file " + inScratch("held.zv") + ".", "", ""},
      {"COM1.zv", "Cannot open file COM1.zv.", "", ""},
      {"plain.zv missing.zv", kSeveral, "remembered", remembered},
      {"notes.txt", notAMap("notes.txt", "is not a Keyboard Map."), "remembered", remembered},
      {"\"my maps\"", notAMap("my maps", "is a folder."), "remembered", remembered},
  };
  for (const auto& c : cases) {
    writeFile(settingsFile(), "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + remembered + "\r\n");
    const HeldFile held(inScratch("held.zv"));
    StartedProgram program(inScratch("tastrix.exe"), scratchDir(), SW_SHOWDEFAULT, c.arguments);
    EXPECT_EQ(c.box.empty() ? "" : program.told(kPrefix + c.title), c.box) << c.arguments;
    EXPECT_EQ(program.told(kPrefix + c.title), "") << c.arguments;
    EXPECT_EQ(program.closeAndWait(), 0u) << c.arguments;
    EXPECT_EQ(ReadSettingsFile(Settings{}).mapPath, c.opened) << c.arguments;
  }
}

// One map file (or its label list) loads as Load loads it, after its question
// about unsaved changes; several files, a folder or another file are refused.
// Each map saved or opened whole becomes a recent document, one read in part
// or not there does not (Wine names the shortcuts right, leading nowhere).
TEST_F(OpeningMaps, DroppedOnTheWindowAndRecentDocuments) {
  startForm();
  document().setChanged(true);
  dialogs.answerMessage(Answer::No);
  command(ID_Load_Keyboard_Layout);
  const std::string office = own_ + "office.zv", loseChanges = dialogs.calls.at(0).text;
  const struct {
    std::vector<std::string> names;
    bool changed, loads;
    std::string box;  // the question about unsaved changes is answered Yes where the map loads
  } cases[] = {
      {{office}, false, true, ""},
      {{office + "l"}, false, true, ""},
      {{office}, true, true, loseChanges},
      {{office}, true, false, loseChanges},
      {{office, "notes.txt"}, false, false, kSeveral},
      {{"my maps"}, false, false, notAMap("my maps", "is a folder.")},
      {{"notes.txt"}, false, false, notAMap("notes.txt", "is not a Keyboard Map.")},
  };
  EXPECT_TRUE(GetWindowLongW(hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  for (const auto& c : cases) {
    dialogs.calls.clear();
    document().setPath("");
    document().setChanged(c.changed);
    if (c.changed) dialogs.answerMessage(c.loads ? Answer::Yes : Answer::No);
    SendMessageW(hwnd(), WM_DROPFILES, drop(c.names), 0);
    EXPECT_EQ(document().path(), c.loads ? inScratch(office) : "") << c.names[0];
    EXPECT_EQ(dialogs.messageTexts(), c.box.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.box});
  }
  // Refused, as any command, while a box is open or a capture moves the
  // window. The open dialog offers the map dropped last.
  dialogs.calls.clear();
  dialogs.answerMessage(Answer::No, [&] { SendMessageW(hwnd(), WM_DROPFILES, drop({office}), 0); });
  command(ID_Restore_Factory_Defaults);
  PostMessageW(hwnd(), WM_DROPFILES, drop({office}), 0);
  dialogs.answerFile(false);
  command(ID_Save_Bitmap_to_File);
  dialogs.answerFile(false);
  command(ID_Load_Keyboard_Layout);
  EXPECT_EQ(document().path(), "");
  EXPECT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(dialogs.callsOf(Dialog::OpenFile).at(0).request.fileName, inScratch(office));
  saveAs(inScratch(own_ + "saved.zv"));
  partialLoad(ID_Load_Key_Labels, inScratch(own_ + "partly.zv"));
  load(inScratch(own_ + "missing.zv"));
  wchar_t recent[MAX_PATH] = L"";
  SHGetFolderPathW(nullptr, CSIDL_RECENT, nullptr, SHGFP_TYPE_CURRENT, recent);
  for (const auto& [name, added] : {std::pair{"office", true}, {"saved", true}, {"partly", false}, {"missing", false}})
    EXPECT_EQ(fileExists(Utf8FromWide(recent) + "\\" + own_ + name + ".zv.lnk"), added) << name;
}

}  // namespace
}  // namespace tastrix::testing
