// The decisions of the save and load commands, on maps held in memory.
#include <gtest/gtest.h>

#include <string>

#include "mapfile/core/map_commands.h"
#include "support/memory_maps.h"
#include "support/scripted_dialogs.h"

namespace tastrix::testing {
namespace {

const std::string kPrefix = "Tastrix - v1.0f  - ";

class MapCommandsOnTheCore : public ::testing::Test {
 protected:
  MapCommandsOnTheCore() { maps.folders.insert("C:\\maps\\"); }
  void TearDown() override { EXPECT_TRUE(dialogs.scriptUsedUp()); }

  void setLabel(int position, const std::string& text) { document.setLabel(position, text); }
  void saveAs(const std::string& name) {
    dialogs.answerFile(true, name);
    commands.saveMapAs();
  }

  MapDocument document;
  ScriptedDialogs dialogs;
  CaptionOnlyWindow window;
  MemoryMaps maps;
  FileDialogRequest saveDialog, openDialog;
  MapCommands commands{document, dialogs, window, maps, saveDialog, openDialog};
};

TEST_F(MapCommandsOnTheCore, SaveAsNamesTheMapAndSavesItThenSaveWritesWithoutAsking) {
  setLabel(1, "first");
  document.setChanged(true);
  saveAs("C:\\maps\\office");
  EXPECT_EQ(document.path(), "C:\\maps\\office.zv");
  EXPECT_EQ(window.text, kPrefix + "C:\\maps\\office.zv");
  EXPECT_FALSE(document.changed());
  EXPECT_EQ(maps.files.at("C:\\maps\\office.zvl").substr(0, 27), "Keyboard Map Title\r\nfirst\r\n");
  EXPECT_EQ(dialogs.calls.at(0).request.initialDir, "C:\\program\\");

  setLabel(1, "second");
  commands.saveMap();
  EXPECT_NE(maps.files.at("C:\\maps\\office.zvl").find("\r\nsecond\r\n"), std::string::npos);
  EXPECT_EQ(dialogs.calls.size(), 1u);

  dialogs.answerFile(true, "C:\\maps\\office.zv");
  dialogs.answerMessage(Answer::No);
  commands.saveMapAs();
  EXPECT_EQ(dialogs.calls.back().text, "Overwrite Existing Keyboard Map : \r\n\r\nC:\\maps\\office.zv\r\n\r\nAre you sure ?");

  dialogs.answerFile(true, "C:\\nowhere\\other");
  dialogs.answerFile(false);
  commands.saveMapAs();
  EXPECT_EQ(document.path(), "C:\\nowhere\\other.zv") << "Save finds no folder and asks again";
  EXPECT_EQ(dialogs.callsOf(Dialog::SaveFile).size(), 4u);
}

TEST_F(MapCommandsOnTheCore, AFailedLoadOrStartUpLeavesNoMapToOverwrite) {
  saveAs("C:\\maps\\office");
  maps.writeElsewhere("C:\\maps\\other.zvl", "Other\r\n");
  maps.unreadable.insert("C:\\maps\\other.zvl");
  dialogs.answerFile(true, "C:\\maps\\other.zv");
  EXPECT_THROW(commands.loadMap(), PlatformError);
  EXPECT_EQ(document.path(), "C:\\maps\\office.zv");
  EXPECT_EQ(document.map().title(), "Keyboard Map Title");

  document.setPath("C:\\maps\\other.zv");
  EXPECT_THROW(commands.loadAtStartUp(), PlatformError);
  EXPECT_EQ(document.path(), "");
  EXPECT_EQ(window.text, kPrefix);
  EXPECT_FALSE(document.changed());
}

TEST_F(MapCommandsOnTheCore, LoadingAskedAboutUnsavedChangesAndANameInAMissingFolderAsksAgain) {
  document.setChanged(true);
  dialogs.answerMessage(Answer::No);
  commands.loadMap();
  EXPECT_TRUE(dialogs.callsOf(Dialog::OpenFile).empty());

  dialogs.answerMessage(Answer::Yes);
  dialogs.answerFile(true, "C:\\gone\\office.zv");
  dialogs.answerMessage(Answer::Yes);
  dialogs.answerFile(true, "C:\\maps\\new.zv");
  commands.loadMap();
  EXPECT_EQ(document.path(), "C:\\maps\\new.zv");
  EXPECT_EQ(window.text, kPrefix + "new");
  EXPECT_FALSE(document.changed());
  EXPECT_EQ(document.map().alignment, 1) << "a map without files reads as the factory look";
}

TEST_F(MapCommandsOnTheCore, ASaveOverFilesAnotherProgramChangedAsksFirst) {
  saveAs("C:\\maps\\office");
  maps.writeElsewhere("C:\\maps\\office.zv", "[tastrix]\r\nShape_0=255\r\n");
  setLabel(1, "mine");
  document.setChanged(true);
  dialogs.answerMessage(Answer::No);
  commands.saveMap();
  EXPECT_EQ(maps.files.at("C:\\maps\\office.zv"), "[tastrix]\r\nShape_0=255\r\n");
  EXPECT_TRUE(document.changed());

  dialogs.answerMessage(Answer::Yes);
  commands.saveMap();
  EXPECT_NE(maps.files.at("C:\\maps\\office.zvl").find("\r\nmine\r\n"), std::string::npos);
  EXPECT_FALSE(document.changed());
  commands.saveMap();
}

TEST_F(MapCommandsOnTheCore, PartialLoadsMarkTheMapChangedAndKeepItsName) {
  saveAs("C:\\maps\\office");
  maps.writeElsewhere("C:\\maps\\source.zv", "[tastrix]\r\nShape_0=255\r\nKey_Label_Vertical_Alignment=0\r\n");
  maps.writeElsewhere("C:\\maps\\source.zvl", "Source\r\n");
  const std::string caption = window.text;
  dialogs.answerFile(true, "C:\\maps\\source.zv");
  commands.loadColoursFromAnotherMap();
  EXPECT_EQ(document.map().keyColour, 255);
  EXPECT_EQ(document.map().alignment, 0);
  dialogs.answerFile(true, "C:\\maps\\source.zv");
  commands.loadLabelsFromAnotherMap();
  EXPECT_EQ(document.map().title(), "Source");
  EXPECT_TRUE(document.changed());
  EXPECT_EQ(document.path(), "C:\\maps\\office.zv");
  EXPECT_EQ(window.text, caption);
  EXPECT_EQ(dialogs.callsOf(Dialog::OpenFile).at(0).caption, "Load Colour Settings from Keyboard Map ... ");
}

}  // namespace
}  // namespace tastrix::testing
