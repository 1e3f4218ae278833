// A map on disk is never lost: saves are whole or not at all, a failed load
// leaves nothing open for overwriting, and a map changed by another program
// is not silently overwritten.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/tag_walks.h"
#include "win/map_file_fixture.h"
#include "win/small_disk.h"

namespace tastrix::testing {
namespace {

std::string changedOnDiskQuestion(const std::string& path) {
  return "Warning: The Keyboard Map : \r\n\r\n" + path +
         "\r\n\r\nhas been changed by another program since it was loaded or saved here.\r\n\r\n"
         "Do you want to overwrite it with the current Keyboard Map ?";
}

class MapSafety : public MapFileTest {
 protected:
  // A saved map "office" with a label and a colour of its own, then edited.
  void officeSavedAndEdited() {
    startForm();
    label(1) = "saved";
    SetShapeColours(model(), 0x0000AA, kFaceShapes);
    model()[model().shape0].fill = 0x0000AA;
    saveAs(inScratch("office"));
    label(1) = "edited";
    model().changed = true;
  }
};

TEST_F(MapSafety, AFailedLoadKeepsThePreviousMapForTheNextSave) {
  officeSavedAndEdited();
  writeFile(inScratch("other.zv"), "[tastrix]\r\nShape_0=255\r\n");
  writeFile(inScratch("other.zvl"), "Other title\r\nother\r\n");
  const std::string otherMap = readFile(inScratch("other.zv")), otherList = readFile(inScratch("other.zvl"));
  const std::string caption = form().caption();
  {
    HeldFile held(inScratch("other.zvl"));
    ASSERT_TRUE(held.held());
    dialogs.answerMessage(Answer::Yes);
    dialogs.answerFile(true, inScratch("other.zv"));
    command(ID_Load_Keyboard_Layout);
  }
  EXPECT_EQ(dialogs.callsOf(Dialog::GeneralError).at(0).text, "Cannot open file " + inScratch("other.zvl") + ".");
  EXPECT_EQ(model().currentMapPath, inScratch("office.zv"));
  EXPECT_EQ(form().caption(), caption);
  EXPECT_EQ(label(1), "edited");
  EXPECT_TRUE(model().changed);

  command(ID_Save_Keyboard_Layout);
  EXPECT_EQ(readFile(inScratch("other.zv")), otherMap);
  EXPECT_EQ(readFile(inScratch("other.zvl")), otherList);
  EXPECT_NE(readFile(inScratch("office.zvl")).find("\r\nedited\r\n"), std::string::npos);
  EXPECT_EQ(dialogs.callsOf(Dialog::Message).size(), 1u) << "the save asks nothing";
}

// A map file held by another program reads as nothing to the profile
// functions: without a check the factory look would come in silently.
TEST_F(MapSafety, AMapFileThatCannotBeReadFailsEveryLoadBeforeAnythingChanges) {
  officeSavedAndEdited();
  model().changed = false;
  const std::string error = "Cannot open file " + inScratch("office.zv") + ".";
  {
    HeldFile held(inScratch("office.zv"));
    ASSERT_TRUE(held.held());
    load(inScratch("office.zv"));
    partialLoad(ID_Load_Key_Colours, inScratch("office.zv"));
    partialLoad(ID_Load_Key_Fonts, inScratch("office.zv"));
  }
  EXPECT_EQ(dialogs.messageTexts(), (std::vector<std::string>{error, error, error}));
  EXPECT_EQ(label(1), "edited");
  EXPECT_EQ(model()[model().faceShape(40)].fill, 0x0000AA);
  EXPECT_FALSE(model().changed);
}

TEST_F(MapSafety, AFailedStartUpLoadLeavesNoMapOpenSoSaveAsksForAName) {
  for (const char* held : {"office.zvl", "office.zv"}) {
    SCOPED_TRACE(held);
    writeFile(inScratch("office.zv"), "[tastrix]\r\nShape_0=255\r\n");
    writeFile(inScratch("office.zvl"), "Office title\r\n");
    writeFile(settingsFile(), "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + inScratch("office.zv") + "\r\n");
    {
      HeldFile hold(inScratch(held));
      ASSERT_TRUE(hold.held());
      startForm();
    }
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"Cannot open file " + inScratch(held) + "."});
    EXPECT_EQ(model().currentMapPath, "");
    EXPECT_EQ(form().caption(), kPrefix);
    EXPECT_EQ(label(0), "Untitled keyboard Map");
    EXPECT_EQ(model()[model().faceShape(1)].fill, kWhite);
    EXPECT_FALSE(model().changed);

    dialogs.answerFile(false);
    command(ID_Save_Keyboard_Layout);
    EXPECT_EQ(dialogs.callsOf(Dialog::SaveFile).size(), 1u);
    EXPECT_EQ(readFile(inScratch("office.zvl")), "Office title\r\n");
    dropForm();
    dialogs.calls.clear();
  }
}

TEST_F(MapSafety, SavingOverAMapChangedByAnotherProgramAsksFirst) {
  officeSavedAndEdited();
  writeFile(inScratch("office.zvl"), "Written elsewhere\r\n");
  dialogs.answerMessage(Answer::No);
  command(ID_Save_Keyboard_Layout);
  expectMessage(dialogs.callsOf(Dialog::Message).at(0), MessageKind::Confirmation, Buttons::YesNo,
                changedOnDiskQuestion(inScratch("office.zv")));
  EXPECT_EQ(readFile(inScratch("office.zvl")), "Written elsewhere\r\n");
  EXPECT_TRUE(model().changed);

  dialogs.answerMessage(Answer::Yes);
  command(ID_Save_Keyboard_Layout);
  EXPECT_NE(readFile(inScratch("office.zvl")).find("\r\nedited\r\n"), std::string::npos);
  EXPECT_FALSE(model().changed);
  command(ID_Save_Keyboard_Layout);
  EXPECT_EQ(dialogs.callsOf(Dialog::Message).size(), 2u) << "its own save is no change by another program";

  // A second window on the same map: whichever saves last is asked.
  ScriptedDialogs otherDialogs;
  TMainForm1 other(otherDialogs);
  other.create(GetModuleHandleA(nullptr));
  other.showFirstTime();
  other.model().currentMapPath = inScratch("office.zv");
  other.maps.LoadKeyboardMap(false);
  other.model()[other.model().keyLabel(1)].caption = "from the other window";
  other.maps.Save_Keyboard_Layout_OptionClick();
  EXPECT_TRUE(otherDialogs.calls.empty());
  label(1) = "from this window";
  dialogs.answerMessage(Answer::No);
  command(ID_Save_Keyboard_Layout);
  EXPECT_EQ(dialogs.callsOf(Dialog::Message).size(), 3u);
  EXPECT_NE(readFile(inScratch("office.zvl")).find("\r\nfrom the other window\r\n"), std::string::npos);
}

TEST_F(MapSafety, OnAFullDiskTheSavedPairStaysWholeAndNothingIsLeftBehind) {
  SmallDisk disk;
  if (!disk.available()) GTEST_SKIP() << "no small disk mounted (scripts/test mounts one as root)";
  startForm();
  label(1) = "saved";
  saveAs(disk.file("office"));
  const std::string map = readFile(disk.file("office.zv")), list = readFile(disk.file("office.zvl"));
  ASSERT_NE(list.find("\r\nsaved\r\n"), std::string::npos);
  label(1) = "edited";
  model()[model().label0].font.name = "Arial";
  model().changed = true;
  form().setCaption("caption before");

  // One page left: the label list fits, the map file does not.
  disk.fillLeavingOnePage();
  command(ID_Save_Keyboard_Layout);
  disk.fill();
  command(ID_Save_Keyboard_Layout);

  EXPECT_EQ(dialogs.messageTexts(), (std::vector<std::string>{"Unable to write to " + disk.file("office.zv") + ".",
                                                              notSavedText(disk.file("office.zvl"))}));
  EXPECT_EQ(readFile(disk.file("office.zv")), map);
  EXPECT_EQ(readFile(disk.file("office.zvl")), list);
  EXPECT_TRUE(model().changed);
  EXPECT_EQ(form().caption(), "caption before");
  EXPECT_EQ(temporaryFilesIn(disk.file("")), 0);
}

}  // namespace
}  // namespace tastrix::testing
