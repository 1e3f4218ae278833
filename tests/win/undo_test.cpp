// Undo and redo through the keys, as the user reaches them: every command
// that changes the map taken back and made again exactly, the files saved
// meanwhile, and the changed flag.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "map_file_fixture.h"
#include "win/key_input.h"

namespace tastrix::testing {
namespace {

constexpr int kQ = 27;  // label position of the "Q" key
constexpr Keystroke kCtrl{VK_LCONTROL, 0x1D, false}, kShift{VK_LSHIFT, 0x2A, false};
constexpr Keystroke kZ{'Z', 0x2C, false}, kY{'Y', 0x15, false};

FontDescription otherFont(const char* name, int size) {
  return FontDescription{name, size, 0x00336699, false, true, false, false, kDefaultCharset};
}

class UndoRedo : public MapFileTest {
 protected:
  // A map of its own labels in the start-up look, and another map that
  // differs from it in every label, font and colour and in the alignment.
  void SetUp() override {
    MapFileTest::SetUp();
    startForm();
    for (int p = 0; p <= kKeyCount; ++p) setLabel(p, "base " + std::to_string(p));
    saveAs(base());
    for (int p = 0; p <= kKeyCount; ++p) setLabel(p, "other " + std::to_string(p));
    document().setFont(MapFont::Title, otherFont("Liberation Serif", 30));
    document().setFont(MapFont::GroupNames, otherFont("Liberation Sans", 9));
    document().setFont(MapFont::KeyNames, otherFont("Liberation Mono", 8));
    document().setFont(MapFont::KeyLabels, otherFont("Liberation Sans", 11));
    document().setColour(MapColour::KeyFaces, 0x00AA00);
    document().setColour(MapColour::KeyBorders, 0x0000AA);
    document().align(kLayoutBottom);
    saveAs(other());
  }

  // The keys typed to the window, through the program's own message loop,
  // until the picture is to change.
  void type(const std::vector<Keystroke>& keys) {
    ASSERT_TRUE(takeFocus(hwnd()));
    const unsigned long long revision = document().revision();
    typeKeys(keys);
    ASSERT_TRUE(runProgramLoopUntil(mainWindow(), [&] { return document().revision() != revision; }));
  }

  // Saved as a new map: the bytes of both its files.
  std::string savedAs(const std::string& name) {
    const std::string path = inScratch(name + ".zv");
    saveAs(path);
    return readFile(path) + "|" + readFile(path + "l");
  }

  void clickOn(const Rect& piece) {
    const POINT p = centreOf(piece);
    click(p.x, p.y);
  }

  struct CommandRow {
    const char* what;
    std::function<void()> run;
    bool setsChangedFlag;
  };

  // Each command that changes the map, as the user gives it.
  std::vector<CommandRow> commandRows() {
    const auto answered = [this](int id, std::function<void()> answer) {
      return [this, id, answer] {
        answer();
        command(id);
      };
    };
    const auto yes = [this] { dialogs.answerMessage(Answer::Yes); };
    const auto font = [this](int size) {
      return [this, size] { dialogs.answerFont(true, otherFont("Liberation Serif", size)); };
    };
    const auto colour = [this] { dialogs.answerColour(true, 0x123456); };
    const auto otherMap = [this] { dialogs.answerFile(true, other()); };
    const auto edit = [this](int position) {
      return [this, position] {
        dialogs.answerInput(true, "typed over");
        clickOn(layout().labelPiece(position).bounds);
      };
    };
    return {
        {"a key's label", edit(kQ), true},
        {"the map title", edit(0), true},
        {"erase a group", answered(ID_Erase_Main_Keyboard, yes), true},
        {"erase all", answered(ID_Erase_All, yes), true},
        {"set a group", answered(ID_Set_Function_Keys, [this] {
           dialogs.answerInput(true, "F");
           dialogs.answerMessage(Answer::Yes);
         }),
         true},
        {"map title font", answered(ID_Font_Map_Title, font(20)), true},
        {"group names font", answered(ID_Font_Group_Names, font(12)), true},
        {"key names font", answered(ID_Font_Key_Names, font(7)), false},
        {"key labels font", answered(ID_Font_Key_Labels, font(13)), false},
        {"key colour", answered(ID_Key_Colour, colour), true},
        {"key border colour", answered(ID_Key_Border_Colour, colour), true},
        {"alignment top", answered(ID_Align_Top, [] {}), true},
        {"alignment bottom", answered(ID_Align_Bottom, [] {}), true},
        {"labels of another map", answered(ID_Load_Key_Labels, otherMap), true},
        {"fonts of another map", answered(ID_Load_Key_Fonts, otherMap), true},
        {"colours of another map", answered(ID_Load_Key_Colours, otherMap), true},
    };
  }

  std::string base() const { return inScratch("base.zv"); }
  std::string other() const { return inScratch("other.zv"); }
};

// Ctrl+Z takes the command back, Ctrl+Y and Ctrl+Shift+Z make it again;
// the files saved after an undo are those saved before the command, and
// the flag is clear exactly where the map is as last saved. So too over
// labels of 12,000 characters (1.2 MB from another program), where a command
// over many of them is more than the history's bound: the newest step stays.
TEST_F(UndoRedo, EachCommandIsUndoneAndRedoneExactly) {
  std::string labels = "long title\r\n";
  for (int p = 1; p <= kKeyCount; ++p) labels += std::string(12000, static_cast<char>('a' + p % 26)) + "\r\n";
  writeFile(inScratch("long.zv"), readFile(base()));
  writeFile(inScratch("long.zvl"), labels);
  std::vector<std::pair<std::string, CommandRow>> cases;
  for (const std::string& path : {base(), inScratch("long.zv")})
    for (const CommandRow& row : commandRows()) cases.emplace_back(path, row);
  int n = 0;
  for (const auto& [path, row] : cases) {
    const std::string name = std::to_string(++n);
    SCOPED_TRACE(path);
    load(path);
    const std::string before = savedAs(name + " before");
    const KeyboardMap lookBefore = map();
    const std::string caption = mainWindow().caption();

    row.run();
    const KeyboardMap lookAfter = map();
    ASSERT_FALSE(lookAfter == lookBefore) << row.what;
    EXPECT_EQ(document().changed(), row.setsChangedFlag) << row.what;

    type({kCtrl, kZ});
    EXPECT_TRUE(map() == lookBefore) << row.what;
    EXPECT_FALSE(document().changed()) << row.what << ": back where it was saved";
    EXPECT_EQ(mainWindow().caption(), caption) << row.what;
    EXPECT_TRUE(savedAs(name + " undone") == before) << row.what;

    type({kCtrl, kY});
    EXPECT_TRUE(map() == lookAfter) << row.what;
    EXPECT_EQ(document().changed(), row.setsChangedFlag) << row.what;
    const std::string after = savedAs(name + " redone");

    // Saving keeps the history; leaving the saved state sets the flag
    // unless the command leaves it alone.
    type({kCtrl, kZ});
    EXPECT_TRUE(map() == lookBefore) << row.what;
    EXPECT_EQ(document().changed(), row.setsChangedFlag) << row.what;
    EXPECT_TRUE(savedAs(name + " undone again") == before) << row.what;

    type({kCtrl, kShift, kZ});
    EXPECT_TRUE(map() == lookAfter) << row.what;
    EXPECT_EQ(document().changed(), row.setsChangedFlag) << row.what;
    EXPECT_TRUE(savedAs(name + " redone again") == after) << row.what;
  }
}

// A full load and the factory defaults start a new history; a command that
// changes nothing adds no step; a change after an undo drops the redo steps.
TEST_F(UndoRedo, WhatStartsAHistoryAndWhatAddsNoStep) {
  const struct {
    const char* what;
    std::function<void()> run;  // ends in Ctrl+Z or Ctrl+Y that must find nothing to do
    const char* labelOfQ;
    bool changed;
  } rows[] = {
      {"a full load",
       [&] {
         setLabel(kQ, "unsaved");
         document().setChanged(true);
         dialogs.answerMessage(Answer::Yes);
         dialogs.answerFile(true, other());
         command(ID_Load_Keyboard_Layout);
         command(ID_Undo);
       },
       "other 27", false},
      {"the factory defaults",
       [&] {
         dialogs.answerMessage(Answer::Yes);
         command(ID_Erase_All);
         dialogs.answerMessage(Answer::Yes);
         command(ID_Restore_Factory_Defaults);
         command(ID_Undo);
       },
       "Key Label", false},
      {"an erase that erases nothing, a cancelled font",
       [&] {
         dialogs.answerMessage(Answer::Yes);
         command(ID_Erase_Main_Keyboard);
         document().setChanged(false);
         dialogs.answerMessage(Answer::Yes);
         command(ID_Erase_Main_Keyboard);
         dialogs.answerFont(false);
         command(ID_Font_Map_Title);
         command(ID_Undo);  // the first erase, away from the state marked saved
         command(ID_Undo);
       },
       "base 27", true},
      {"a change after an undo",
       [&] {
         dialogs.answerInput(true, "first");
         clickOn(layout().keyLabel(kQ));
         command(ID_Undo);
         dialogs.answerInput(true, "second");
         clickOn(layout().keyLabel(kQ));
         command(ID_Redo);
       },
       "second", true},
  };
  for (const auto& row : rows) {
    load(base());
    row.run();
    EXPECT_EQ(label(kQ), row.labelOfQ) << row.what;
    EXPECT_EQ(document().changed(), row.changed) << row.what;
  }
}

// Fonts are kept in points: a font taken back on a monitor of another scale
// is the one chosen before, at any dpi.
TEST_F(UndoRedo, AnUndoAfterADpiChangeRestoresTheFontInPoints) {
  load(base());
  const FontDescription before = map().font(MapFont::Title);
  dialogs.answerFont(true, otherFont("Liberation Serif", 20));
  command(ID_Font_Map_Title);
  RECT window;
  GetWindowRect(hwnd(), &window);
  SendMessageA(hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&window));
  ASSERT_EQ(layout().dpi(), 144);
  type({kCtrl, kZ});
  EXPECT_EQ(map().font(MapFont::Title), before);
  type({kCtrl, kY});
  EXPECT_EQ(map().font(MapFont::Title).size, 20);
}

}  // namespace
}  // namespace tastrix::testing
