// Maps under any name and files in any encoding an editor leaves: each is
// loaded through the Load command, shown, saved, remembered and opened again
// at the next start, and what is written reads the same to the platform's
// own profile functions. Run under a double-byte code page too (scripts/test
// runs it again with LC_ALL=ja_JP.UTF-8), where the second byte of a
// character can be "\" or "]".
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/wide_text.h"
#include "text/path_text.h"
#include "win/map_file_fixture.h"

namespace tastrix::testing {
namespace {

// Text the code page cannot spell, and a katakana letter whose second byte
// in Shift-JIS is "]".
const std::string kUnspelt = "\xED\x95\x9C\xEA\xB8\x80";
const std::string kZo = "\xE3\x82\xBE";

// How many sections of the name the profile functions find in a file.
int sectionsNamed(const std::string& path, const wchar_t* name) {
  std::vector<wchar_t> names(4096);
  const DWORD n = GetPrivateProfileSectionNamesW(names.data(), static_cast<DWORD>(names.size()),
                                                 WideFromUtf8(path).c_str());
  int count = 0;
  for (const wchar_t* at = names.data(); at < names.data() + n && *at; at += wcslen(at) + 1)
    if (lstrcmpiW(at, name) == 0) ++count;
  return count;
}

std::string profileString(const std::string& path, const wchar_t* section, const wchar_t* key) {
  wchar_t value[512] = L"";
  GetPrivateProfileStringW(section, key, L"", value, 512, WideFromUtf8(path).c_str());
  return Utf8FromWide(value);
}

class NamesAndEncodings : public MapFileTest {};

TEST_F(NamesAndEncodings, EveryMapIsLoadedSavedRememberedAndReadAlikeByEveryReader) {
  // The run under a double-byte code page says which it expects: a locale
  // that did not take would otherwise pass unnoticed as a single-byte run.
  if (const char* expected = std::getenv("TASTRIX_EXPECTED_CODE_PAGE")) {
    ASSERT_EQ(GetACP(), std::stoul(expected));
  }
  const std::string sample = spelt();
  struct Case {
    std::string what;
    std::string chosen;  // the name chosen in the open dialog
    std::string file;    // the map file as Windows names it
    std::string mapMark, listMark, settingsMark;
    std::string header;  // what follows the section names on their lines
    std::string error;   // what the load reports instead
  };
  const std::string none, name = sample + "\\" + sample + ".zv", beyond = kUnspelt + "\\" + kUnspelt + ".zv";
  const std::vector<Case> cases = {
      {"a folder and name the code page spells", name, name, none, none, none, "]", none},
      {"a folder and name it cannot spell", beyond, beyond, none, none, none, "]", none},
      // Names it spells only by a look-alike, which may name another map.
      {"Omega", "\xCE\xA9mega.zv", "\xCE\xA9mega.zv", none, none, none, "]", none},
      {"Lodz", "\xC5\x81\xC3\xB3\x64\xC5\xBA.zv", "\xC5\x81\xC3\xB3\x64\xC5\xBA.zv", none, none, none, "]", none},
      {"a combining accent", "Cafe\xCC\x81.zv", "Cafe\xCC\x81.zv", none, none, none, "]", none},
      {"cafe", "caf\xC3\xA9.zv", "caf\xC3\xA9.zv", none, none, none, "]", none},
      {"a name ending in a dot and a blank", "t1.zv. ", "t1.zv", none, none, none, "]", none},
      {"a device's name", "com1.zv", "com1.zv", none, none, none, "]", "Cannot open file "},
      {"map, labels and settings in UTF-8 with a mark", "utf8.zv", "utf8.zv", kUtf8Mark, kUtf8Mark, kUtf8Mark, "]",
       none},
      {"map, labels and settings in UTF-16", "utf16.zv", "utf16.zv", kUtf16Mark, kUtf16Mark, kUtf16Mark, "]", none},
      {"a name the code page cannot spell in UTF-8 settings", kUnspelt + ".zv", kUnspelt + ".zv", none, none,
       kUtf8Mark, "]", none},
      {"a NUL ending the section names", "zero.zv", "zero.zv", none, none, none, std::string("\0junk]", 6), none},
      {"a character whose second byte is ]", "zo.zv", "zo.zv", none, none, none, "] ; " + kZo, none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string chosen = inScratch(c.chosen), file = inScratch(c.file);
    CreateDirectoryW(WideFromUtf8(DirectoryPart(file)).c_str(), nullptr);
    if (c.error.empty()) {
      writeFile(file, encoded(c.mapMark, "[Label_0" + c.header + "\r\nFont.Name=" + sample + "\r\n"));
      writeFile(file + "l", encoded(c.listMark, sample + "\r\nkey\r\n"));
    }
    writeFile(settingsFile(), encoded(c.settingsMark, "[tastrix" + c.header + "\r\nwindow_Width=900\r\n"));

    startForm();
    load(chosen);
    ASSERT_EQ(dialogs.callsOf(Dialog::OpenFile).size(), 1u) << "the Load command asks once";
    if (!c.error.empty()) {
      EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{c.error + file + "."});
      EXPECT_EQ(document().path(), "");
      // Never opened, so never asked about: a device is no file to write over.
      saveAs(chosen);
      EXPECT_EQ(dialogs.messageTexts().back(), "Unable to write to " + file + ".");
      EXPECT_EQ(dialogs.callsOf(Dialog::Message).size(), 0u);
      dropForm();
      dialogs.calls.clear();
      continue;
    }
    EXPECT_EQ(document().path(), file);
    EXPECT_EQ(mainWindow().caption(), kPrefix + FileTitle(file));
    EXPECT_EQ(label(0), sample);
    EXPECT_EQ(label(1), "key");
    EXPECT_EQ(map().font(MapFont::KeyLabels).name, sample);

    // Saved in the encodings it came in, read alike by the profile functions,
    // with no second section where a reader would miss the first.
    setLabel(2, "saved");
    command(ID_Save_Keyboard_Layout);
    EXPECT_EQ(readFile(file).substr(0, c.mapMark.size()), c.mapMark);
    EXPECT_EQ(sectionsNamed(file, L"Label_0"), 1);
    EXPECT_EQ(sectionsNamed(file, L"tastrix"), 1);
    EXPECT_EQ(profileString(file, L"Label_0", L"Font.Name"), sample);
    EXPECT_EQ(readFile(file + "l").substr(0, encoded(c.listMark, sample + "\r\nkey\r\nsaved\r\n").size()),
              encoded(c.listMark, sample + "\r\nkey\r\nsaved\r\n"));

    // Remembered on close, in the settings file's own encoding, and opened
    // again at the next start.
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(readFile(settingsFile()).substr(0, c.settingsMark.size()), c.settingsMark);
    EXPECT_EQ(sectionsNamed(settingsFile(), L"tastrix"), 1);
    EXPECT_EQ(profileString(settingsFile(), L"tastrix", L"window_Width"), "900");
    startForm();
    EXPECT_EQ(document().path(), file);
    EXPECT_EQ(label(2), "saved");
    EXPECT_TRUE(dialogs.messageTexts().empty());
    dropForm();
    dialogs.calls.clear();
  }
}

// A map remembered under a name the system opens as a device, however it is
// spelt (a hand-edited or copied settings file), is reported at once by the
// start-up, which shows no map.
TEST_F(NamesAndEncodings, ARememberedDeviceNameIsReportedNotOpened) {
  for (const char* name : {"com1.zv", "COM1:.zv", "COM1:x.zv", "lpt1 :.zv", "AUX:y.zv", "CONIN$:.zv"}) {
    SCOPED_TRACE(name);
    writeFile(settingsFile(), "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + inScratch(name) + "\r\n");
    startForm();
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"Cannot open file " + inScratch(name) + "."});
    EXPECT_EQ(document().path(), "");
    dropForm();
    dialogs.calls.clear();
  }
}

}  // namespace
}  // namespace tastrix::testing
