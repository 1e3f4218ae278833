#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/map_file_fixture.h"
#include "win/picture_pixels.h"

namespace tastrix::testing {
namespace {

const char* const kMapFilter = "Keyboard maps (*.zv)|*.zv";
const char* const kLoseChangesText =
    "Warning: You are about to load a Keyboard Map, but you have not saved the changes to the current "
    "Keyboard Map.\r\n\r\nAre you sure that you want to continue with the load and lose all changes to the "
    "current Keyboard Map ?";


class SaveCommands : public MapFileTest {};

TEST_F(SaveCommands, SaveAsAddsTheMapExtensionOnlyWhenMissing) {
  startForm();
  const struct {
    const char* chosen;
    const char* stored;
  } names[] = {{"office", "office.zv"},         {"upper.ZV", "upper.ZV"}, {"mixed.zV", "mixed.zV"},
               {"notes.txt", "notes.txt.zv"}, {"t1.zv. ", "t1.zv"},     {"t2.", "t2.zv"}};
  for (const auto& name : names) {
    document().setChanged(true);
    saveAs(inScratch(name.chosen));
    const std::string stored = inScratch(name.stored);
    EXPECT_EQ(document().path(), stored);
    EXPECT_EQ(app().saveRequest().fileName, stored);
    EXPECT_EQ(readFile(stored + "l").substr(0, 23), "Untitled keyboard Map\r\n") << stored;
    EXPECT_NE(readFile(stored).find("[tastrix]"), std::string::npos) << stored;
    EXPECT_EQ(mainWindow().caption(), kPrefix + stored);
    EXPECT_FALSE(document().changed());
  }
  EXPECT_FALSE(fileExists(inScratch("upper.ZV.zv")));
  EXPECT_FALSE(fileExists(inScratch("notes.txt")));
  EXPECT_FALSE(fileExists(inScratch("t1.zv..zv")));
  const auto saves = dialogs.callsOf(Dialog::SaveFile);
  ASSERT_EQ(saves.size(), 6u);
  EXPECT_EQ(saves[0].caption, "Save Keyboard Map as ... ");
  EXPECT_EQ(saves[0].request.filter, kMapFilter);
  EXPECT_EQ(saves[0].request.initialDir, scratchDir());
  EXPECT_EQ(saves[1].request.fileName, inScratch("office.zv"));
}

// The file dialogs open in the map's folder while it exists, else beside the
// program; Save without a usable folder asks for a name.
TEST_F(SaveCommands, DialogsOpenInTheMapFolderWhileItExists) {
  startForm();
  const auto opened = [this](int save, const std::string& folder) {
    std::vector<std::string> seen, expected;
    const int commands[] = {save, ID_Load_Key_Colours, ID_Save_Bitmap_to_File};
    for (const int id : commands) {
      dialogs.answerFile(false);
      command(id);
      seen.push_back(dialogs.calls.back().caption + "in " + dialogs.calls.back().request.initialDir);
    }
    for (const char* caption : {"Save Keyboard Map as ... ", "Load Colour Settings from Keyboard Map ... ",
                                "Save Keyboard Bitmap as ... "})
      expected.push_back(caption + ("in " + folder));
    EXPECT_EQ(seen, expected);
  };
  opened(ID_Save_Keyboard_Layout_As, scratchDir());
  CreateDirectoryA(inScratch("maps").c_str(), nullptr);
  saveAs(inScratch("maps\\office"));
  opened(ID_Save_Keyboard_Layout_As, inScratch("maps\\"));
  removeTree(inScratch("maps"));
  opened(ID_Save_Keyboard_Layout, scratchDir());
  EXPECT_EQ(document().path(), inScratch("maps\\office.zv"));
}

TEST_F(SaveCommands, SaveWithoutAUsableFolderAsksForANameAgain) {
  startForm();
  dialogs.answerFile(false);
  command(ID_Save_Keyboard_Layout);
  EXPECT_EQ(dialogs.callsOf(Dialog::SaveFile).size(), 1u);
  EXPECT_EQ(document().path(), "");
  EXPECT_EQ(mainWindow().caption(), kPrefix);

  dialogs.answerFile(true, inScratch("gone\\office"));
  dialogs.answerFile(false);
  command(ID_Save_Keyboard_Layout_As);
  EXPECT_EQ(dialogs.callsOf(Dialog::SaveFile).size(), 3u);
  EXPECT_EQ(document().path(), inScratch("gone\\office.zv"));
  EXPECT_FALSE(fileExists(inScratch("gone\\office.zvl")));

  dialogs.answerFile(true, inScratch("here"));
  command(ID_Save_Keyboard_Layout);
  EXPECT_EQ(dialogs.callsOf(Dialog::SaveFile).size(), 4u);
  EXPECT_TRUE(fileExists(inScratch("here.zv")));
}

// Paths that begin with "\\" (network shares, "\\?\" paths) keep naming the
// same folder, so their maps save and the dialogs open there. Save after
// Save As or Load writes without asking.
TEST_F(SaveCommands, MapsOnPathsBeginningWithTwoBackslashesSaveAndLoad) {
  startForm();
  const std::string folder = "\\\\?\\" + scratchDir();
  setLabel(1, "far away");
  saveAs(folder + "office");
  EXPECT_EQ(document().path(), folder + "office.zv");
  EXPECT_EQ(mainWindow().caption(), kPrefix + folder + "office.zv");
  EXPECT_FALSE(document().changed());
  EXPECT_EQ(readFile(inScratch("office.zvl")).substr(0, 33), "Untitled keyboard Map\r\nfar away\r\n");
  EXPECT_NE(readFile(inScratch("office.zv")).find("[tastrix]"), std::string::npos);

  setLabel(1, "changed");
  command(ID_Save_Keyboard_Layout);
  EXPECT_EQ(readFile(inScratch("office.zvl")).substr(0, 32), "Untitled keyboard Map\r\nchanged\r\n");
  load(folder + "office.zv");
  EXPECT_EQ(label(1), "changed");
  EXPECT_EQ(mainWindow().caption(), kPrefix + "office");
  setLabel(1, "after the load");
  command(ID_Save_Keyboard_Layout);
  EXPECT_EQ(readFile(inScratch("office.zvl")).substr(0, 39), "Untitled keyboard Map\r\nafter the load\r\n");
  EXPECT_EQ(mainWindow().caption(), kPrefix + folder + "office.zv");
  EXPECT_TRUE(dialogs.callsOf(Dialog::Message).empty());
  EXPECT_EQ(dialogs.callsOf(Dialog::SaveFile).size(), 1u);
  EXPECT_EQ(dialogs.callsOf(Dialog::OpenFile).at(0).request.initialDir, folder);
}

TEST_F(SaveCommands, OverwriteQuestionGuardsTheMapFileAndALabelListWithoutIt) {
  startForm();
  writeFile(inScratch("office.zv"), "[Old]\r\na=1\r\n");
  writeFile(inScratch("office.zvl"), "old\r\n");
  document().setChanged(true);
  dialogs.answerFile(true, inScratch("office"));
  dialogs.answerMessage(Answer::No);
  command(ID_Save_Keyboard_Layout_As);
  const auto question = dialogs.callsOf(Dialog::Message).at(0);
  expectMessage(question, MessageKind::Confirmation, Buttons::YesNo, "Overwrite Existing Keyboard Map : \r\n\r\n" + inScratch("office.zv") + "\r\n\r\nAre you sure ?");
  EXPECT_EQ(readFile(inScratch("office.zv")), "[Old]\r\na=1\r\n");
  EXPECT_EQ(readFile(inScratch("office.zvl")), "old\r\n");
  EXPECT_EQ(document().path(), "");
  EXPECT_TRUE(document().changed());
  EXPECT_EQ(mainWindow().caption(), kPrefix);

  dialogs.answerFile(true, inScratch("office.zv"));
  dialogs.answerMessage(Answer::Yes);
  command(ID_Save_Keyboard_Layout_As);
  EXPECT_EQ(readFile(inScratch("office.zv")).substr(0, 12), "[Old]\r\na=1\r\n");
  EXPECT_EQ(readFile(inScratch("office.zvl")).substr(0, 23), "Untitled keyboard Map\r\n");
  EXPECT_FALSE(document().changed());

  // A label list whose map file is gone is asked about too, by the map's name.
  writeFile(inScratch("lonely.zvl"), "old\r\n");
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    dialogs.answerFile(true, inScratch("lonely"));
    dialogs.answerMessage(answer);
    command(ID_Save_Keyboard_Layout_As);
    if (answer == Answer::No) {
      EXPECT_EQ(readFile(inScratch("lonely.zvl")), "old\r\n");
    }
  }
  const auto asked = dialogs.callsOf(Dialog::Message);
  ASSERT_EQ(asked.size(), 4u);
  for (size_t i : {2u, 3u})
    expectMessage(asked[i], MessageKind::Confirmation, Buttons::YesNo,
                  "Overwrite Existing Keyboard Map : \r\n\r\n" + inScratch("lonely.zv") + "\r\n\r\nAre you sure ?");
  EXPECT_EQ(readFile(inScratch("lonely.zvl")).substr(0, 23), "Untitled keyboard Map\r\n");
  EXPECT_EQ(document().path(), inScratch("lonely.zv"));
}

// A map file held by another program or read-only ends the save: neither
// file changes, and the caption and the changed flag stay as they were.
TEST_F(SaveCommands, MapFileThatCannotBeWrittenEndsTheSave) {
  startForm();
  saveAs(inScratch("office"));
  const std::string before = readFile(inScratch("office.zv"));
  const std::string listBefore = readFile(inScratch("office.zvl"));
  for (const bool readOnly : {false, true}) {
    SCOPED_TRACE(readOnly ? "read-only" : "held");
    if (readOnly && !readOnlyIsEnforced(scratchDir())) continue;  // this user may write read-only files
    dialogs.calls.clear();
    makeUnsavedEdits("new text");
    if (readOnly) {
      setReadOnly(inScratch("office.zv"), true);
      command(ID_Save_Keyboard_Layout);
      setReadOnly(inScratch("office.zv"), false);
    } else {
      HeldFile held(inScratch("office.zv"));
      ASSERT_TRUE(held.held());
      command(ID_Save_Keyboard_Layout);
    }
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"Unable to write to " + inScratch("office.zv") + "."});
    EXPECT_EQ(readFile(inScratch("office.zv")), before);
    EXPECT_EQ(readFile(inScratch("office.zvl")), listBefore) << "the pair is replaced whole or not at all";
    EXPECT_TRUE(document().changed());
    EXPECT_EQ(mainWindow().caption(), "caption before");
    EXPECT_EQ(temporaryFilesIn(scratchDir()), 0);
  }
}

// A label list that cannot be replaced ends the save before the map file,
// and the previous label list stays whole.
TEST_F(SaveCommands, LabelListThatCannotBeWrittenKeepsTheOldFilesAndTheChangedFlag) {
  startForm();
  saveAs(inScratch("office"));
  const std::string map = readFile(inScratch("office.zv"));
  const std::string list = readFile(inScratch("office.zvl"));
  document().setColour(MapColour::KeyFaces, kRed);
  setLabel(2, "lost?");
  document().setChanged(true);
  mainWindow().setCaption("caption before");

  {
    HeldFile held(inScratch("office.zvl"));
    ASSERT_TRUE(held.held());
    command(ID_Save_Keyboard_Layout);
  }
  setReadOnly(inScratch("office.zvl"), true);
  command(ID_Save_Keyboard_Layout);
  setReadOnly(inScratch("office.zvl"), false);

  const auto boxes = dialogs.callsOf(Dialog::Message);
  ASSERT_EQ(boxes.size(), 2u);
  for (const auto& box : boxes) {
    expectMessage(box, MessageKind::Information, Buttons::Ok, notSavedText(inScratch("office.zvl")));
  }
  EXPECT_EQ(readFile(inScratch("office.zv")), map);
  EXPECT_EQ(readFile(inScratch("office.zvl")), list);
  EXPECT_TRUE(document().changed());
  EXPECT_EQ(mainWindow().caption(), "caption before");
  EXPECT_EQ(temporaryFilesIn(scratchDir()), 0);
}

// The system's configuration folder (Z: is the root of the host) is never
// writable for a plain user.
TEST_F(SaveCommands, UnwritableFolderEndsInTheInformationBox) {
  startForm();
  if (!readOnlyIsEnforced(scratchDir())) GTEST_SKIP() << "this user may write anywhere";
  const std::string map = "Z:\\etc\\tastrix-unwritable.zv";
  setLabel(1, "lost?");
  document().setChanged(true);
  saveAs(map);
  EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{notSavedText(map + "l")});
  EXPECT_FALSE(fileExists(map));
  EXPECT_FALSE(fileExists(map + "l"));
  EXPECT_EQ(document().path(), map);
  EXPECT_TRUE(document().changed());
  EXPECT_EQ(mainWindow().caption(), kPrefix);
}

class LoadCommands : public MapFileTest {};

TEST_F(LoadCommands, UnsavedChangesQuestion) {
  startForm();
  saveAs(inScratch("office"));
  setLabel(4, "unsaved");
  document().setChanged(true);
  dialogs.answerMessage(Answer::No);
  command(ID_Load_Keyboard_Layout);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].what, Dialog::Message);
  expectMessage(dialogs.calls[1], MessageKind::Confirmation, Buttons::YesNo, kLoseChangesText);

  dialogs.answerMessage(Answer::Yes);
  dialogs.answerFile(false);
  command(ID_Load_Keyboard_Layout);
  EXPECT_EQ(dialogs.callsOf(Dialog::OpenFile).size(), 1u);
  EXPECT_EQ(label(4), "unsaved");
  EXPECT_TRUE(document().changed());
  EXPECT_EQ(document().path(), inScratch("office.zv"));

  dialogs.answerMessage(Answer::Yes);
  dialogs.answerFile(true, inScratch("office.zv"));
  command(ID_Load_Keyboard_Layout);
  EXPECT_EQ(label(4), "Key Label");
  EXPECT_FALSE(document().changed());
}

TEST_F(LoadCommands, LoadTakesTheNameAsChosenAndShowsItsTitle) {
  startForm();
  saveAs(inScratch("a.zv.b.zv"));
  EXPECT_EQ(mainWindow().caption(), kPrefix + inScratch("a.zv.b.zv"));
  setLabel(9, "changed");
  load(inScratch("a.zv.b.zv"));
  EXPECT_EQ(mainWindow().caption(), kPrefix + "a.b");
  EXPECT_EQ(label(9), "Key Label");
  const auto open = dialogs.callsOf(Dialog::OpenFile).at(0);
  EXPECT_EQ(open.caption, "Open Keyboard Map ... ");
  EXPECT_EQ(open.request.filter, kMapFilter);
  EXPECT_EQ(open.request.initialDir, scratchDir());

  document().align(kLayoutTop);
  load(inScratch("plain"));
  EXPECT_EQ(document().path(), inScratch("plain"));
  EXPECT_EQ(mainWindow().caption(), kPrefix + "plain");
  EXPECT_EQ(label(9), "Key Label");
  EXPECT_EQ(map().alignment, 1);
  EXPECT_FALSE(document().changed());
  EXPECT_EQ(app().openRequest().fileName, inScratch("plain"));
}

TEST_F(LoadCommands, NameInAMissingFolderOpensTheDialogAgain) {
  startForm();
  dialogs.answerFile(true, inScratch("nowhere\\office.zv"));
  dialogs.answerFile(false);
  command(ID_Load_Keyboard_Layout);
  const auto opens = dialogs.callsOf(Dialog::OpenFile);
  ASSERT_EQ(opens.size(), 2u);
  EXPECT_EQ(opens[1].request.initialDir, scratchDir());
  EXPECT_EQ(opens[1].request.fileName, inScratch("nowhere\\office.zv"));
  EXPECT_EQ(document().path(), inScratch("nowhere\\office.zv"));
  EXPECT_EQ(mainWindow().caption(), kPrefix);
}

TEST_F(LoadCommands, OtherReadersDoNotStopTheLoad) {
  startForm();
  saveAs(inScratch("office"));
  setLabel(6, "changed");
  const HANDLE reader = CreateFileA(inScratch("office.zvl").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  load(inScratch("office.zv"));
  CloseHandle(reader);
  EXPECT_EQ(label(6), "Key Label");
  EXPECT_TRUE(dialogs.callsOf(Dialog::GeneralError).empty());
}

class PartialLoads : public MapFileTest {};

TEST_F(PartialLoads, EachTakesOneKindOfContentAndMarksTheMapChanged) {
  startForm();
  writeFile(inScratch("source.zv"),
            "[tastrix]\r\nShape_0=255\r\nShape_Back_0=65280\r\nKey_Label_Vertical_Alignment=0\r\n"
            "[Label_0]\r\nFont.Name=Arial\r\nFont.Size=12\r\n");
  writeFile(inScratch("source.zvl"), "Source title\r\nsource 1\r\n");
  saveAs(inScratch("current"));
  const std::string caption = mainWindow().caption();

  partialLoad(ID_Load_Key_Labels, inScratch("source.zv"));
  EXPECT_EQ(label(0), "Source title");
  EXPECT_EQ(label(1), "source 1");
  EXPECT_EQ(label(2), "Key Label");
  EXPECT_EQ(map().keyColour, kWhite);
  EXPECT_EQ(map().font(MapFont::KeyLabels).name, "System");
  EXPECT_TRUE(document().changed());

  document().setChanged(false);
  partialLoad(ID_Load_Key_Colours, inScratch("source.zv"));
  EXPECT_EQ(map().keyColour, 255);
  EXPECT_EQ(map().borderColour, 65280);
  EXPECT_EQ(map().labelLayout, kLayoutTop);
  EXPECT_EQ(map().font(MapFont::KeyLabels).name, "System");
  EXPECT_TRUE(document().changed());

  document().setChanged(false);
  partialLoad(ID_Load_Key_Fonts, inScratch("source.zv"));
  EXPECT_EQ(map().font(MapFont::KeyLabels).name, "Arial");
  EXPECT_EQ(map().font(MapFont::KeyLabels).size, 12);
  EXPECT_EQ(map().font(MapFont::Title).name, "System");
  EXPECT_EQ(map().keyColour, 255);
  EXPECT_TRUE(document().changed());

  EXPECT_EQ(document().path(), inScratch("current.zv"));
  EXPECT_EQ(mainWindow().caption(), caption);
  for (const auto& open : dialogs.callsOf(Dialog::OpenFile)) {
    EXPECT_EQ(open.caption, "Load Colour Settings from Keyboard Map ... ");
    EXPECT_EQ(open.request.filter, kMapFilter);
  }
}

TEST_F(PartialLoads, EmptySourcesStillMarkTheMapChangedAndCancelChangesNothing) {
  startForm();
  document().setColour(MapColour::KeyFaces, kRed);
  document().setColour(MapColour::KeyBorders, kRed);
  FontDescription arial = map().font(MapFont::KeyLabels);
  arial.name = "Arial";
  document().setFont(MapFont::KeyLabels, arial);
  for (int id : {ID_Load_Key_Labels, ID_Load_Key_Colours, ID_Load_Key_Fonts}) {
    document().setChanged(false);
    dialogs.answerFile(false);
    command(id);
    EXPECT_FALSE(document().changed()) << id;
    partialLoad(id, inScratch("missing.zv"));
    EXPECT_TRUE(document().changed()) << id;
  }
  EXPECT_EQ(label(0), "Untitled keyboard Map");
  EXPECT_EQ(map().keyColour, kWhite);
  EXPECT_EQ(map().font(MapFont::KeyLabels).name, "System");
  EXPECT_EQ(document().path(), "");
  EXPECT_EQ(mainWindow().caption(), kPrefix);
}

class StartupLoad : public MapFileTest {
 protected:
  void remember(const std::string& path) {
    writeFile(settingsFile(), "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + path + "\r\n");
  }
};

TEST_F(StartupLoad, RemembersTheLastMap) {
  startForm();
  setLabel(0, "My map");
  setLabel(61, "Ctrl");
  document().setColour(MapColour::KeyFaces, kBtnFace);
  saveAs(inScratch("office"));
  dropForm();

  remember(inScratch("office.zv"));
  startForm();
  EXPECT_EQ(label(0), "My map");
  EXPECT_EQ(label(61), "Ctrl");
  EXPECT_EQ(label(60), "Key Label");
  EXPECT_EQ(map().keyColour, kBtnFace);
  EXPECT_EQ(mainWindow().caption(), kPrefix + "office");
  EXPECT_FALSE(document().changed());
  EXPECT_EQ(dialogs.callsOf(Dialog::SaveFile).size(), 1u);
  EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(StartupLoad, RememberedMapInARemovedFolderAsksNothingUntilSave) {
  remember(inScratch("removed\\office.zv"));
  startForm();
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(mainWindow().caption(), kPrefix + "office");
  EXPECT_EQ(label(0), "Untitled keyboard Map");
  EXPECT_FALSE(document().changed());
  dialogs.answerFile(false);
  command(ID_Save_Keyboard_Layout);
  ASSERT_EQ(dialogs.callsOf(Dialog::SaveFile).size(), 1u);
  EXPECT_EQ(dialogs.callsOf(Dialog::SaveFile)[0].request.initialDir, scratchDir());
}

// A label list from another program may hold labels far longer than a key
// shows (typing stops at 255 characters). The remembered map opens at once,
// a save writes every byte back, a screen reader is told the beginning, and
// the picture is that of labels cut short: at the top to 200 characters,
// more than a key shows, otherwise to a length never laid out whole either.
TEST_F(StartupLoad, LabelsFarLongerThanTheirKeysOpenPaintAndSaveWhole) {
  const struct {
    const char* word;
    VerticalLayout alignment;
    size_t cutTo;
  } rows[] = {{"word ", kLayoutTop, 200},
              {"word ", kLayoutCenter, 4096},
              {"word ", kLayoutBottom, 4096},
              {"x", kLayoutCenter, 4096}};
  for (const auto& row : rows) {
    for (const size_t length : {row.cutTo, size_t{64 * 1024}}) {
      std::string labels = "Long labels\r\n", text = "label ";
      while (text.size() < length) text += row.word;
      for (int p = 1; p <= kKeyCount; ++p) labels += text.substr(0, length) + "\r\n";
      writeFile(inScratch(std::to_string(length) + ".zv"),
                "[tastrix]\r\nKey_Label_Vertical_Alignment=" + std::to_string(row.alignment) + "\r\n");
      writeFile(inScratch(std::to_string(length) + ".zvl"), labels);
    }
    remember(inScratch("65536.zv"));
    startForm();
    const std::string told = mainWindow().keys().accessibility().partValue(2);
    EXPECT_TRUE(told.size() >= 255 && told.size() < 4096 && label(1).compare(0, told.size(), told) == 0);
    const Pixels picture = renderedPicture(mainWindow());
    saveAs(inScratch(std::to_string(row.cutTo) + row.word + std::to_string(row.alignment) + ".zv"));
    EXPECT_TRUE(readFile(inScratch("65536.zvl")) == readFile(document().path() + "l")) << row.alignment;
    load(inScratch(std::to_string(row.cutTo) + ".zv"));
    EXPECT_EQ(firstDifference(picture, renderedPicture(mainWindow())), "") << row.word << row.alignment;
    dropForm();
  }
}

}  // namespace
}  // namespace tastrix::testing
