#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mapfile/map_files.h"
#include "mapfile/core/map_format.h"
#include "platform/ini_file.h"
#include "text/ini_text.h"
#include "text/text_encoding.h"
#include "win/map_file_fixture.h"

namespace tastrix::testing {
namespace {

std::string fontRecord(const std::string& section, const std::string& colour, const std::string& name,
                       const std::string& size, const char* bold, const char* underline, const char* italic) {
  return "[" + section + "]\r\nFont.Color=" + colour + "\r\nFont.Name=" + name + "\r\nFont.Size=" + size +
         "\r\nFont.fsBold=" + bold + "\r\nFont.fsUnderline=" + underline + "\r\nFont.fsItalic=" + italic + "\r\n";
}

std::string colourSection(const std::string& key, const std::string& border, const std::string& alignment) {
  return "[tastrix]\r\nShape_0=" + key + "\r\nShape_Back_0=" + border +
         "\r\nKey_Label_Vertical_Alignment=" + alignment + "\r\n";
}

std::string repeatedLines(const std::string& first, const std::string& rest, int restCount) {
  std::string text = first + "\r\n";
  for (int i = 0; i < restCount; ++i) text += rest + "\r\n";
  return text;
}

// Writes big files piece by piece so the test itself stays small.
void writeLarge(const std::string& path, size_t size, const std::string& pattern) {
  const HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  std::string piece;
  while (piece.size() < (1u << 20)) piece += pattern;
  for (size_t done = 0; done < size;) {
    const DWORD n = static_cast<DWORD>(std::min(piece.size(), size - done));
    DWORD written = 0;
    WriteFile(h, piece.data(), n, &written, nullptr);
    done += n;
  }
  CloseHandle(h);
}

void expectFactoryFont(const FontDescription& font, const char* what) {
  EXPECT_EQ(font.name, "System") << what;
  EXPECT_EQ(font.size, 10) << what;
  EXPECT_EQ(font.colour, kBlack) << what;
  EXPECT_TRUE(font.bold) << what;
  EXPECT_FALSE(font.italic || font.underline || font.strikeOut) << what;
}

class MapFileFormat : public MapFileTest {
 protected:
  void expectFactoryLook() {
    EXPECT_EQ(map().keyColour, kWhite);
    EXPECT_EQ(map().borderColour, kWhite);
    EXPECT_EQ(map().labelLayout, kLayoutCenter);
    EXPECT_EQ(map().alignment, 1);
    EXPECT_EQ(map().titleLayout, kLayoutCenter);
    expectFactoryFont(map().font(MapFont::Title), "title");
    expectFactoryFont(map().font(MapFont::GroupNames), "group box");
    expectFactoryFont(map().font(MapFont::KeyNames), "key names");
    expectFactoryFont(map().font(MapFont::KeyLabels), "key labels");
  }

  // Every colour, font and the alignment away from the factory look.
  void scramble() {
    const FontDescription odd{"Courier New", 30, 0x00AA00, false, true, false, false, kDefaultCharset};
    for (const MapFont font : {MapFont::Title, MapFont::GroupNames, MapFont::KeyNames, MapFont::KeyLabels})
      document().setFont(font, odd);
    document().setColour(MapColour::KeyFaces, 0x0000AA);
    document().setColour(MapColour::KeyBorders, 0x0000AA);
    document().align(kLayoutTop);
  }
};

TEST_F(MapFileFormat, FreshStartWritesEveryKeyAndTheFactoryRecords) {
  startForm();
  saveAs(inScratch("fresh"));
  const std::string record[] = {"Keyboard_Map_Title_Label", "GroupBox_Font", "Name_Label_0", "Label_0"};
  std::string expected;
  for (const std::string& section : record) expected += fontRecord(section, "0", "System", "10", "1", "0", "0");
  expected += colourSection("16777215", "16777215", "1");
  EXPECT_EQ(readFile(inScratch("fresh.zv")), expected);
  EXPECT_EQ(readFile(inScratch("fresh.zvl")), repeatedLines("Untitled keyboard Map", "Key Label", 101));
}

TEST_F(MapFileFormat, StyledMapIsWrittenExactlyAndReadBackWithoutStrikeOut) {
  startForm();
  document().setFont(MapFont::Title, FontDescription{"Arial", 20, kRed, false, true, true, true, 0});
  FontDescription groups{"Courier New", 12, kBtnFace, true, false, false, false, kDefaultCharset};
  document().setFont(MapFont::GroupNames, groups);
  FontDescription names{"MS Sans Serif", 8, 0x00FF00, false, false, true, false, kDefaultCharset};
  document().setFont(MapFont::KeyNames, names);
  FontDescription labels{"Times New Roman", 14, kWindowText, true, true, false, false, kDefaultCharset};
  document().setFont(MapFont::KeyLabels, labels);
  document().setColour(MapColour::KeyFaces, 0x123456);
  document().setColour(MapColour::KeyBorders, kBtnFace);
  document().align(kLayoutBottom);

  saveAs(inScratch("styled.zv"));
  EXPECT_EQ(readFile(inScratch("styled.zv")),
            fontRecord("Keyboard_Map_Title_Label", "255", "Arial", "20", "0", "1", "1") +
                fontRecord("GroupBox_Font", "-2147483633", "Courier New", "12", "1", "0", "0") +
                fontRecord("Name_Label_0", "65280", "MS Sans Serif", "8", "0", "1", "0") +
                fontRecord("Label_0", "-2147483640", "Times New Roman", "14", "1", "0", "1") +
                colourSection("1193046", "-2147483633", "2"));

  scramble();
  FontDescription centralEuropean = map().font(MapFont::Title);
  centralEuropean.charset = 238;
  document().setFont(MapFont::Title, centralEuropean);
  load(inScratch("styled.zv"));
  EXPECT_EQ(map().font(MapFont::Title), (FontDescription{"Arial", 20, kRed, false, true, true, false, 238}));
  EXPECT_EQ(map().font(MapFont::GroupNames), groups);
  EXPECT_EQ(map().font(MapFont::KeyNames), names);
  EXPECT_EQ(map().font(MapFont::KeyLabels), labels);
  EXPECT_EQ(map().keyColour, 0x123456);
  EXPECT_EQ(map().borderColour, kBtnFace);
  EXPECT_EQ(map().labelLayout, kLayoutBottom);
  EXPECT_EQ(map().titleLayout, kLayoutBottom);
  EXPECT_EQ(map().alignment, 2);
}

TEST_F(MapFileFormat, EveryLabelSurvivesSaveAndLoad) {
  startForm();
  std::vector<std::string> texts;
  for (int p = 0; p <= 101; ++p) {
    std::string text = "label " + std::to_string(p);
    if (p % 10 == 3) text.clear();
    if (p % 10 == 5) text = "&Save && &Quit";
    if (p == 50 || p == 101) text = std::string(4095, static_cast<char>('A' + p % 26));
    if (p == 7) text = "\xC3\x84\xC3\x96\xC3\x9C \xC3\xA9\xC3\xA8";  // in the code page
    setLabel(p, text);
    texts.push_back(text);
  }
  saveAs(inScratch("labels.zv"));
  std::string expected;
  for (const std::string& text : texts) expected += text + "\r\n";
  EXPECT_EQ(readFile(inScratch("labels.zvl")), inCodePage(expected));

  for (int p = 0; p <= 101; ++p) setLabel(p, "overwritten");
  load(inScratch("labels.zv"));
  for (int p = 0; p <= 101; ++p) ASSERT_EQ(label(p), texts[static_cast<size_t>(p)]) << p;
}

TEST_F(MapFileFormat, LabelListLinesGoToLabelsWhileTheyLast) {
  startForm();
  std::string fifty, twoHundred;
  for (int i = 0; i < 50; ++i) fifty += "fifty " + std::to_string(i) + "\r\n";
  for (int i = 0; i < 200; ++i) twoHundred += "many " + std::to_string(i) + "\r\n";
  writeFile(inScratch("fifty.zvl"), fifty);
  writeFile(inScratch("many.zvl"), twoHundred);

  partialLoad(ID_Load_Key_Labels, inScratch("fifty.zv"));
  EXPECT_EQ(label(0), "fifty 0");
  EXPECT_EQ(label(49), "fifty 49");
  EXPECT_EQ(label(50), "Key Label");
  EXPECT_EQ(label(101), "Key Label");

  partialLoad(ID_Load_Key_Labels, inScratch("many.zv"));
  for (int p = 0; p <= 101; ++p) ASSERT_EQ(label(p), "many " + std::to_string(p));

  partialLoad(ID_Load_Key_Labels, inScratch("nothing.zv"));
  EXPECT_EQ(label(0), "many 0");
  EXPECT_EQ(label(101), "many 101");
}

TEST_F(MapFileFormat, LineEndsOfEveryKindAndANulReadAlike) {
  startForm();
  const struct {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  } files[] = {
      {"lf", "T\nA\n\nB\n", {"T", "A", "", "B"}},
      {"cr", "T\rA\r\rB\r", {"T", "A", "", "B"}},
      {"open", "T\r\nA\r\n\r\nB", {"T", "A", "", "B"}},
      {"zero", std::string("T\r\nA\r\nB\0C\r\nD\r\n", 14), {"T", "A", "B"}},
  };
  for (const auto& file : files) {
    for (int p = 0; p <= 101; ++p) setLabel(p, "before");
    writeFile(inScratch(std::string(file.name) + ".zvl"), file.bytes);
    partialLoad(ID_Load_Key_Labels, inScratch(std::string(file.name) + ".zv"));
    for (size_t p = 0; p < file.lines.size(); ++p) EXPECT_EQ(label(static_cast<int>(p)), file.lines[p]) << file.name;
    EXPECT_EQ(label(static_cast<int>(file.lines.size())), "before") << file.name;
  }
}

TEST_F(MapFileFormat, MapFilesWithoutEntriesOrOfJunkGiveTheFactoryLook) {
  startForm();
  std::string junk;
  unsigned seed = 12345;
  for (int i = 0; i < 65536; ++i) {
    seed = seed * 1103515245u + 12345u;
    junk += static_cast<char>(seed >> 24);
  }
  writeFile(inScratch("empty.zv"), "");
  writeFile(inScratch("junk.zv"), junk);
  writeFile(inScratch("other.zv"), "[Unrelated]\r\nShape_0=255\r\nFont.Name=Arial\r\n");
  for (const char* name : {"empty.zv", "junk.zv", "other.zv", "missing.zv"}) {
    scramble();
    load(inScratch(name));
    SCOPED_TRACE(name);
    expectFactoryLook();
    EXPECT_EQ(label(1), "Key Label");
    EXPECT_FALSE(document().changed());
  }
}

TEST_F(MapFileFormat, StyleEntriesAndTheirDefaults) {
  startForm();
  writeFile(inScratch("styles.zv"),
            "[Keyboard_Map_Title_Label]\r\nFont.Name=Arial\r\nFont.fsItalic=1\r\nFont.fsUnderline=1\r\n"
            "[GroupBox_Font]\r\nFont.fsBold=0\r\nFont.Size=$C\r\n"
            "[Name_Label_0]\r\nFont.fsBold=7\r\nFont.Color=0x80000008\r\n"
            "[Label_0]\r\nFont.fsBold=yes\r\nFont.Size=big\r\n");
  partialLoad(ID_Load_Key_Fonts, inScratch("styles.zv"));
  const FontDescription& title = map().font(MapFont::Title);
  EXPECT_EQ(title.name, "Arial");
  EXPECT_TRUE(title.bold && title.italic && title.underline);
  const FontDescription& groups = map().font(MapFont::GroupNames);
  EXPECT_FALSE(groups.bold);
  EXPECT_EQ(groups.size, 12);
  EXPECT_FALSE(groups.italic || groups.underline);
  const FontDescription& names = map().font(MapFont::KeyNames);
  EXPECT_TRUE(names.bold);
  EXPECT_EQ(names.colour, kWindowText);
  const FontDescription& labels = map().font(MapFont::KeyLabels);
  EXPECT_TRUE(labels.bold);
  EXPECT_EQ(labels.size, 10);
  EXPECT_FALSE(labels.italic || labels.underline);
  EXPECT_TRUE(document().changed());
}

TEST_F(MapFileFormat, FontSizesBeyondReasonAreCappedBothWays) {
  startForm();
  writeFile(inScratch("sizes.zv"),
            "[Keyboard_Map_Title_Label]\r\nFont.Size=-2147483648\r\n"
            "[GroupBox_Font]\r\nFont.Size=100000\r\n"
            "[Name_Label_0]\r\nFont.Size=72\r\n"
            "[Label_0]\r\nFont.Size=2147483647\r\n");
  partialLoad(ID_Load_Key_Fonts, inScratch("sizes.zv"));
  EXPECT_EQ(map().font(MapFont::Title).size, -1638);
  EXPECT_EQ(map().font(MapFont::GroupNames).size, 1638);
  EXPECT_EQ(map().font(MapFont::KeyNames).size, 72);
  EXPECT_EQ(map().font(MapFont::KeyLabels).size, 1638);
}

TEST_F(MapFileFormat, ColourValuesAndAlignmentClamp) {
  startForm();
  const struct {
    const char* value;
    Colour expected;
  } colours[] = {{"0xFF", 255}, {"$FF", 255}, {"255", 255}, {"red", kWhite}, {"-2147483633", kBtnFace}};
  for (const auto& c : colours) {
    writeFile(inScratch("c.zv"), std::string("[tastrix]\r\nShape_0=") + c.value + "\r\nShape_Back_0=" + c.value + "\r\n");
    partialLoad(ID_Load_Key_Colours, inScratch("c.zv"));
    EXPECT_EQ(map().keyColour, c.expected) << c.value;
    EXPECT_EQ(map().borderColour, c.expected) << c.value;
  }

  writeFile(inScratch("seven.zv"), "[tastrix]\r\nKey_Label_Vertical_Alignment=7\r\n");
  partialLoad(ID_Load_Key_Colours, inScratch("seven.zv"));
  EXPECT_EQ(map().alignment, 2);
  EXPECT_EQ(map().labelLayout, kLayoutBottom);
  EXPECT_EQ(map().titleLayout, kLayoutBottom);

  writeFile(inScratch("minus.zv"), "[tastrix]\r\nKey_Label_Vertical_Alignment=-5\r\n");
  document().setChanged(false);
  load(inScratch("minus.zv"));
  EXPECT_EQ(map().alignment, -1);
  EXPECT_EQ(map().labelLayout, kLayoutBottom);
  command(ID_Save_Keyboard_Layout);
  EXPECT_NE(readFile(inScratch("minus.zv")).find("Key_Label_Vertical_Alignment=-1\r\n"), std::string::npos);
}

TEST_F(MapFileFormat, SavingOverAMapKeepsForeignSectionsAndReplacesTheLabelListWhole) {
  startForm();
  const std::string foreign = "[Notes]\r\nauthor=me\r\n";
  writeFile(inScratch("old.zv"), foreign + colourSection("255", "255", "0"));
  writeFile(inScratch("old.zvl"), repeatedLines("old title", "old label", 300));
  load(inScratch("old.zv"));
  command(ID_Save_Keyboard_Layout);
  const std::string map = readFile(inScratch("old.zv"));
  EXPECT_EQ(map.substr(0, foreign.size() + colourSection("255", "255", "0").size()),
            foreign + colourSection("255", "255", "0"));
  EXPECT_NE(map.find(fontRecord("Label_0", "0", "System", "10", "1", "0", "0")), std::string::npos);
  EXPECT_EQ(readFile(inScratch("old.zvl")), repeatedLines("old title", "old label", 101));
}

TEST_F(MapFileFormat, OversizedAndJunkLabelListsLoadOnlyWhatTheLabelsUse) {
  startForm();
  writeLarge(inScratch("huge.zvl"), 100u << 20, "0123456789 abcdefghijklmnopqrstuvwxyz\r\n");
  partialLoad(ID_Load_Key_Labels, inScratch("huge.zv"));
  EXPECT_EQ(label(0), "0123456789 abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(label(101), label(0));

  // Another program may write lines of any length: each is read whole.
  writeLarge(inScratch("oneline.zvl"), 10u << 20, "w");
  partialLoad(ID_Load_Key_Labels, inScratch("oneline.zv"));
  EXPECT_EQ(label(0), std::string(10u << 20, 'w'));
  EXPECT_EQ(label(1), "0123456789 abcdefghijklmnopqrstuvwxyz");

  std::string junk;
  unsigned seed = 99;
  for (int i = 0; i < (1 << 20); ++i) {
    seed = seed * 1664525u + 1013904223u;
    junk += static_cast<char>((seed >> 24) | 1);
  }
  writeFile(inScratch("junk.zvl"), junk);
  partialLoad(ID_Load_Key_Labels, inScratch("junk.zv"));
  for (int p = 0; p <= 101; ++p) ASSERT_EQ(label(p).find_first_of("\r\n"), std::string::npos) << p;
  EXPECT_NE(label(101), "0123456789 abcdefghijklmnopqrstuvwxyz");
  EXPECT_TRUE(dialogs.messageTexts().empty());
}

}  // namespace
}  // namespace tastrix::testing

namespace tastrix::testing {
namespace {

// The platform's profile functions, with which every other program reads the files.
class ProfileFunctions : public ProfileSource {
 public:
  explicit ProfileFunctions(std::string path) : path_(std::move(path)) {}
  std::string readString(const std::string& section, const std::string& key, const std::string& def) const override {
    wchar_t buffer[2048];
    const DWORD n = GetPrivateProfileStringW(WideFromUtf8(section).c_str(), WideFromUtf8(key).c_str(),
                                             WideFromUtf8(def).c_str(), buffer, 2048, WideFromUtf8(path_).c_str());
    return Utf8FromWide(std::wstring(buffer, n));
  }

 private:
  std::string path_;
};

// 16-bit text with its byte order mark, as Notepad and the profile functions write it.
std::string utf16(const std::string& ascii) {
  std::string wide("\xFF\xFE", 2);
  for (char c : ascii) {
    wide += c;
    wide += '\0';
  }
  return wide;
}

// The map file is written in memory but read back through the profile
// functions: on any old text, in any encoding, what was written is what
// they read.
TEST(MapFileText, WhatIsWrittenIsWhatTheProfileFunctionsRead) {
  using namespace std::string_literals;
  const std::string oldTexts[] = {
      "",
      "[ tastrix ]\r\nShape_0=1\r\n[tastrix]\r\nshape_0 = 2\r\n[TASTRIX]\r\nShape_0=3\r\n",
      "\xEF\xBB\xBF[tastrix]\nShape_0=1\n[Label_0]\nFont.Name\n",
      "[tastrix]\rShape_0=1\r;comment\r[Label_0]\rFont.Size=\"12\"",
      "junk before\r\n[Label_0]\r\n\r\n\r\n[Notes]\r\nFont.Name=not this one\r\n",
      "[tastrix\0junk]\r\nShape_0=1\0 2\r\n"s,
      utf16("[Label_0]\r\nFont.Name=Arial\r\n[tastrix]\r\nShape_0=1\r\n"),
  };
  ScratchFolder scratch;
  const std::string path = scratch.file("differential.zv");
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } entries[] = {{"tastrix", "Shape_0", "255"},           {"TASTRIX", "Shape_Back_0", "-2147483633"},
                 {"Label_0", "Font.Name", "Courier New"}, {"Label_0", "Font.Size", "10"},
                 {"Notes", "Font.Name", "kept apart"}};
  for (const std::string& old : oldTexts) {
    IniFile ini(old);
    for (const auto& e : entries) ini.write(e.section, e.key, e.value);
    writeFile(path, ini.bytes());
    for (const auto& e : entries) {
      char read[256] = "";
      GetPrivateProfileStringA(e.section, e.key, "(default)", read, sizeof read, path.c_str());
      EXPECT_EQ(std::string(read), e.value) << e.section << "/" << e.key << " over " << old;
    }
    EXPECT_EQ(EncodingOf(readFile(path)), EncodingOf(old)) << old;
  }
}

// A map is read once and looked up in memory: what it gives must be what the
// profile functions give for the same file, however odd the file.
TEST(MapFileReading, ReadOnceGivesWhatTheProfileFunctionsGive) {
  const std::string unicode = utf16("[tastrix]\r\nShape_0=255\r\n[Label_0]\r\nFont.Name=Arial\r\nFont.Size=30\r\n");
  const std::string texts[] = {
      "[ tastrix ]\r\nShape_0=1\r\n[tastrix]\r\nshape_0 = 2\r\n[TASTRIX]\r\nShape_Back_0=3\r\n",
      "\xEF\xBB\xBF[tastrix]\nShape_0=0x10\n[Label_0]\nFont.Name\nFont.Size = '14' \n",
      "[tastrix]\rShape_0=$20\r;Shape_Back_0=5\r[Label_0]\rFont.Size=\"12\"\rFont.fsBold=0",
      "Shape_0=7\r\n[Keyboard_Map_Title_Label]\r\n\tFont.Name\t=\t\"  Times New Roman \"\t\r\nFont.Color=-16777201\r\n",
      "[GroupBox_Font]\r\nFont.Name=\"Arial\r\nFont.Name=Courier\r\nFont.fsItalic=2\r\nFont.fsUnderline=-1\r\n"
      "[Name_Label_0]]\r\nFont.Size=99\r\n[Name_Label_0]\r\nfont.size=8\r\n",
      "[Label_0]\r\nFont.Name=" + std::string(3000, 'n') + "\r\n[tastrix]\r\nKey_Label_Vertical_Alignment=0\r\n",
      unicode,
      // Notepad's "UTF-8 with BOM": the name reads as written, in any code page.
      "\xEF\xBB\xBF[Label_0]\r\nFont.Name=Caf\xC3\xA9\r\n",
      std::string("[Label_0\0]\r\nFont.Size=20\0 30\r\n[tastrix]\r\nShape_0=\"7\0\"\r\n", 55),
  };
  ScratchFolder scratch;
  const std::string path = scratch.file("odd.zv");
  for (const std::string& text : texts) {
    writeFile(path, text);
    const KeyboardMap map;
    const MapStyle inMemory = ReadMapStyle(*DiskMapStorage().readMapFile(path), map);
    const MapStyle throughProfile = ReadMapStyle(ProfileFunctions(path), map);
    for (size_t i = 0; i < kMapFontCount; ++i) EXPECT_EQ(inMemory.fonts[i], throughProfile.fonts[i]) << i << " in " << text;
    EXPECT_EQ(inMemory.keyColour, throughProfile.keyColour) << text;
    EXPECT_EQ(inMemory.borderColour, throughProfile.borderColour) << text;
    EXPECT_EQ(inMemory.alignment, throughProfile.alignment) << text;
  }
  writeFile(path, unicode);
  const MapStyle fromUtf16 = ReadMapStyle(*DiskMapStorage().readMapFile(path), KeyboardMap());
  EXPECT_EQ(fromUtf16.keyColour, 255);
  EXPECT_EQ(fromUtf16.fonts[static_cast<size_t>(MapFont::KeyLabels)].name, "Arial");
}

}  // namespace
}  // namespace tastrix::testing
