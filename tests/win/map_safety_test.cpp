// A map on disk is never lost: saves are whole or not at all, a failed load
// leaves nothing open for overwriting, and a map changed by another program
// is not silently overwritten.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mapfile/map_files.h"
#include "win/map_file_fixture.h"
#include "win/real_program.h"
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
    setLabel(1, "saved");
    document().setColour(MapColour::KeyFaces, 0x0000AA);
    document().setColour(MapColour::KeyFaces, 0x0000AA);
    saveAs(inScratch("office"));
    setLabel(1, "edited");
    document().setChanged(true);
  }
};

TEST_F(MapSafety, AFailedLoadKeepsThePreviousMapForTheNextSave) {
  officeSavedAndEdited();
  writeFile(inScratch("other.zv"), "[tastrix]\r\nShape_0=255\r\n");
  writeFile(inScratch("other.zvl"), "Other title\r\nother\r\n");
  const std::string otherMap = readFile(inScratch("other.zv")), otherList = readFile(inScratch("other.zvl"));
  const std::string caption = mainWindow().caption();
  {
    HeldFile held(inScratch("other.zvl"));
    ASSERT_TRUE(held.held());
    dialogs.answerMessage(Answer::Yes);
    dialogs.answerFile(true, inScratch("other.zv"));
    command(ID_Load_Keyboard_Layout);
  }
  EXPECT_EQ(dialogs.callsOf(Dialog::GeneralError).at(0).text, "Cannot open file " + inScratch("other.zvl") + ".");
  EXPECT_EQ(document().path(), inScratch("office.zv"));
  EXPECT_EQ(mainWindow().caption(), caption);
  EXPECT_EQ(label(1), "edited");
  EXPECT_TRUE(document().changed());

  command(ID_Save_Keyboard_Layout);
  EXPECT_EQ(readFile(inScratch("other.zv")), otherMap);
  EXPECT_EQ(readFile(inScratch("other.zvl")), otherList);
  EXPECT_NE(readFile(inScratch("office.zvl")).find("\r\nedited\r\n"), std::string::npos);
  EXPECT_EQ(dialogs.callsOf(Dialog::Message).size(), 1u) << "the save asks nothing";
}

// A map file or label list held by another program reads as nothing to the
// profile functions: without a check the factory look would come in
// silently. Every load that reads it fails before anything changed.
TEST_F(MapSafety, AMapFileThatCannotBeReadFailsEveryLoadBeforeAnythingChanges) {
  officeSavedAndEdited();
  document().setLabel(0, "kept title");
  document().align(kLayoutTop);
  document().setChanged(false);
  mainWindow().setCaption("caption before");
  const struct {
    const char* held;
    std::vector<int> loads;
    const char* reader;  // where the error says it arose
  } rows[] = {{"office.zv", {ID_Load_Keyboard_Layout, ID_Load_Key_Colours, ID_Load_Key_Fonts}, "ReadWholeFile"},
              {"office.zvl", {ID_Load_Keyboard_Layout, ID_Load_Key_Labels}, "readLabelList"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.held);
    dialogs.calls.clear();
    {
      HeldFile held(inScratch(row.held));
      ASSERT_TRUE(held.held());
      for (const int id : row.loads) partialLoad(id, inScratch("office.zv"));
      // Beside the text the box shows, the error keeps the system's code and where it arose.
      try {
        const DiskMapStorage storage;
        storage.readMapFile(inScratch("office.zv"));
        storage.readLabelList(inScratch("office.zv"));
        ADD_FAILURE() << "a held file was read";
      } catch (const PlatformError& e) {
        EXPECT_EQ(e.code(), static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
        EXPECT_STREQ(e.where(), row.reader);
      }
    }
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<std::string>(row.loads.size(), "Cannot open file " + inScratch(row.held) + "."));
    EXPECT_EQ(label(1), "edited");
    EXPECT_EQ(label(0), "kept title");
    EXPECT_EQ(map().keyColour, 0x0000AA);
    EXPECT_EQ(map().labelLayout, kLayoutTop);
    EXPECT_EQ(mainWindow().caption(), "caption before");
    EXPECT_FALSE(document().changed());
  }
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
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    EXPECT_EQ(document().path(), "");
    EXPECT_EQ(mainWindow().caption(), kPrefix);
    EXPECT_EQ(label(0), "Untitled keyboard Map");
    EXPECT_EQ(map().keyColour, kWhite);
    EXPECT_FALSE(document().changed());

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
  EXPECT_TRUE(document().changed());

  dialogs.answerMessage(Answer::Yes);
  command(ID_Save_Keyboard_Layout);
  EXPECT_NE(readFile(inScratch("office.zvl")).find("\r\nedited\r\n"), std::string::npos);
  EXPECT_FALSE(document().changed());
  command(ID_Save_Keyboard_Layout);
  EXPECT_EQ(dialogs.callsOf(Dialog::Message).size(), 2u) << "its own save is no change by another program";

  // A second window on the same map: whichever saves last is asked.
  ScriptedDialogs otherDialogs;
  Application other(otherDialogs);
  other.create(GetModuleHandleA(nullptr));
  other.start();
  other.document().setPath(inScratch("office.zv"));
  other.maps().loadCurrentMap(false);
  other.document().setLabel(1, "from the other window");
  other.maps().saveMap();
  EXPECT_TRUE(otherDialogs.calls.empty());
  setLabel(1, "from this window");
  dialogs.answerMessage(Answer::No);
  command(ID_Save_Keyboard_Layout);
  EXPECT_EQ(dialogs.callsOf(Dialog::Message).size(), 3u);
  EXPECT_NE(readFile(inScratch("office.zvl")).find("\r\nfrom the other window\r\n"), std::string::npos);
}

// What a save cut short leaves, at each stage: its new files before its
// marker, the old files set aside, then the marker with none, one or both of
// the new files moved in. The next start-up load, Load or Save of the map
// finishes the save (marked) or drops it (unmarked); a partial load or an
// export reads the map as the save left it complete, and writes nothing.
TEST_F(MapSafety, ASaveCutShortIsFinishedOrDroppedByTheNextOpenAndReadWholeMeanwhile) {
  const std::string oldMap = "[tastrix]\r\nShape_0=255\r\n", oldList = "Old title\r\nold\r\n";
  const std::string newMap = "[tastrix]\r\nShape_0=65280\r\n", newList = "New title\r\nnew\r\n";
  const struct {
    const char* stage;
    bool setAside, marked, listMoved, mapMoved, finished;
  } stages[] = {
      {"new files written", false, false, false, false, false},
      {"old files set aside", true, false, false, false, false},
      {"marker written", true, true, false, false, true},
      {"label list moved in", true, true, true, false, true},
      {"both moved in", true, true, true, true, true},
  };
  enum class Open { StartUp, Load, Save, LabelsOnly, ColoursOnly, Export };
  const std::string mapPath = inScratch("office.zv"), list = mapPath + "l";
  ASSERT_TRUE(CopyFileA(builtProgram().c_str(), inScratch("tastrix.exe").c_str(), FALSE));
  for (const auto& stage : stages)
    for (const Open open : {Open::StartUp, Open::Load, Open::Save, Open::LabelsOnly, Open::ColoursOnly, Open::Export}) {
      SCOPED_TRACE(std::string(stage.stage) + ", opened by " + std::to_string(static_cast<int>(open)));
      for (const std::string& target : {mapPath, list}) DeleteFileA(target.c_str());
      writeFile(stage.mapMoved ? mapPath : mapPath + ".~new", stage.marked ? newMap : newMap.substr(0, 12));
      writeFile(stage.listMoved ? list : list + ".~new", newList);
      writeFile(stage.setAside ? mapPath + ".~old" : mapPath, oldMap);
      writeFile(stage.setAside ? list + ".~old" : list, oldList);
      if (stage.marked) writeFile(mapPath + ".~ready", "");
      const std::vector<std::string> left = {mapPath + ".~new", list + ".~new", mapPath + ".~old", list + ".~old",
                                             mapPath + ".~ready"};
      std::vector<bool> leftBefore;
      for (const std::string& file : left) leftBefore.push_back(fileExists(file));
      const std::string mapBefore = readFile(mapPath), listBefore = readFile(list);
      const bool writes = open == Open::StartUp || open == Open::Load || open == Open::Save;

      if (open == Open::StartUp) writeFile(settingsFile(), "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + mapPath + "\r\n");
      if (open != Open::Export) startForm();
      switch (open) {
        case Open::StartUp: break;
        case Open::Load: load(mapPath); break;
        case Open::Save:
          dialogs.answerFile(true, mapPath);
          dialogs.answerMessage(Answer::Yes);
          command(ID_Save_Keyboard_Layout_As);
          break;
        case Open::LabelsOnly: partialLoad(ID_Load_Key_Labels, mapPath); break;
        case Open::ColoursOnly: partialLoad(ID_Load_Key_Colours, mapPath); break;
        case Open::Export: {
          const ProgramRun run = runProgram(inScratch("tastrix.exe"), "/export office.zv picture.bmp", scratchDir());
          EXPECT_EQ(run.exitCode, 0u) << run.errors;
          break;
        }
      }
      if (open != Open::Export && open != Open::Save) {
        const bool complete = stage.finished;
        if (open != Open::ColoursOnly) {
          EXPECT_EQ(label(0), complete ? "New title" : "Old title");
        }
        if (open != Open::LabelsOnly) {
          EXPECT_EQ(map().keyColour, complete ? 65280 : 255);
        }
      }
      for (size_t i = 0; i < left.size(); ++i)
        EXPECT_EQ(fileExists(left[i]), writes ? false : static_cast<bool>(leftBefore[i])) << left[i];
      if (writes && open != Open::Save) {
        EXPECT_EQ(readFile(mapPath), stage.finished ? newMap : oldMap);
        EXPECT_EQ(readFile(list), stage.finished ? newList : oldList);
      } else if (!writes) {
        EXPECT_EQ(readFile(mapPath), mapBefore);
        EXPECT_EQ(readFile(list), listBefore);
      }
      EXPECT_TRUE(dialogs.messageTexts().size() == (open == Open::Save ? 1u : 0u));
      dropForm();
      dialogs.calls.clear();
      DeleteFileA(settingsFile().c_str());
      for (const std::string& file : left) DeleteFileA(file.c_str());
    }
}

// Files beside a map that the program did not write stay, whatever they are
// called: a map of the user's named keys.zv.new, a keys.zvl.new. What a save
// left (its names end in ".~" and a word) is cleared by the next start and
// save, read-only or not; a folder of such a name is no one's leftover, and
// the save it stops names it.
TEST_F(MapSafety, OnlyWhatASaveLeftIsClearedAndWhatCannotBeIsNamed) {
  const std::string list = inScratch("keys.zvl");
  const struct {
    std::vector<std::string> files;  // beside the map, read-only, each holding its name
    std::string folder;
  } cases[] = {
      {{"keys.zv.new", "keys.zv.newl", "keys.zvl.new", "keys.zv.ready"}, ""},
      {{"keys.zvl.~new"}, ""},
      {{"keys.zv.~ready", "keys.zv.~new", "keys.zvl.~new"}, ""},
      {{"keys.zvl.~old"}, ""},
      {{}, "keys.zv.~new"},
      {{}, "keys.zv.~ready"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.files.empty() ? c.folder : c.files[0]);
    writeFile(list, "Title\r\n");
    for (const std::string& file : c.files) writeFile(inScratch(file), file);
    for (const std::string& file : c.files) setReadOnly(inScratch(file), true);
    if (!c.folder.empty()) CreateDirectoryA(inScratch(c.folder).c_str(), nullptr);
    writeFile(settingsFile(), "[tastrix]\r\nCurrent_Keyboard_Layout_File_Name_Edit=" + inScratch("keys.zv") + "\r\n");
    startForm();
    setLabel(1, "saved");
    command(ID_Save_Keyboard_Layout);
    const std::vector<std::string> told = {"Unable to write to " + inScratch(c.folder) + "."};
    EXPECT_EQ(dialogs.messageTexts(), c.folder.empty() ? std::vector<std::string>() : told);
    EXPECT_EQ(readFile(list).find("\r\nsaved\r\n") != std::string::npos, c.folder.empty());
    EXPECT_EQ(GetFileAttributesA(list.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    for (const std::string& file : c.files) {
      EXPECT_EQ(readFile(inScratch(file)), file.find(".~") == std::string::npos ? file : "") << file;
      setReadOnly(inScratch(file), false);
      DeleteFileA(inScratch(file).c_str());
    }
    if (!c.folder.empty()) RemoveDirectoryA(inScratch(c.folder).c_str());
    EXPECT_EQ(temporaryFilesIn(scratchDir()), 0);
    dropForm();
    dialogs.calls.clear();
  }
}

// Virus scanners, the search indexer and sync clients open a file for a
// moment just after it is written: what they hold is waited for, for about
// half a second. A rename over a file held without delete sharing, the label
// list opened for reading while held open for writing, the settings file on
// close: each is held 200 ms from the moment it is about to be needed.
TEST_F(MapSafety, AFileAnotherProgramHoldsForAMomentIsWaitedFor) {
  officeSavedAndEdited();
  const DWORD readers = FILE_SHARE_READ | FILE_SHARE_WRITE, everyone = readers | FILE_SHARE_DELETE;
  for (const char* held : {"office.zv", "office.zvl"}) {
    SCOPED_TRACE(held);
    setLabel(1, std::string("saved past ") + held);
    document().setChanged(true);
    {
      BrieflyHeldFile holder(inScratch(held), GENERIC_READ, readers, inScratch("office.zv.~new"), 200);
      ASSERT_TRUE(holder.held());
      command(ID_Save_Keyboard_Layout);
    }
    EXPECT_NE(readFile(inScratch("office.zvl")).find("\r\nsaved past " + std::string(held) + "\r\n"),
              std::string::npos);
    EXPECT_FALSE(document().changed());
  }
  setLabel(1, "before the load");
  {
    BrieflyHeldFile writer(inScratch("office.zvl"), GENERIC_WRITE, everyone, "", 200);
    ASSERT_TRUE(writer.held());
    load(inScratch("office.zv"));
  }
  EXPECT_EQ(label(1), "saved past office.zvl");
  writeFile(settingsFile(), "[tastrix]\r\n");
  {
    BrieflyHeldFile holder(settingsFile(), GENERIC_READ, readers, settingsFile() + ".~new", 200);
    ASSERT_TRUE(holder.held());
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
  }
  EXPECT_NE(readFile(settingsFile()).find("Current_Keyboard_Layout_File_Name_Edit=" + inScratch("office.zv")),
            std::string::npos);
  EXPECT_TRUE(dialogs.messageTexts().empty());
  EXPECT_EQ(temporaryFilesIn(scratchDir()), 0);
}

TEST_F(MapSafety, OnAFullDiskTheSavedPairStaysWholeAndNothingIsLeftBehind) {
  SmallDisk disk;
  if (!disk.available()) GTEST_SKIP() << "no small disk mounted (scripts/test mounts one as root)";
  startForm();
  setLabel(1, "saved");
  saveAs(disk.file("office"));
  const std::string map = readFile(disk.file("office.zv")), list = readFile(disk.file("office.zvl"));
  ASSERT_NE(list.find("\r\nsaved\r\n"), std::string::npos);
  makeUnsavedEdits("edited");

  // One page left: the label list fits, the map file does not.
  disk.fillLeavingOnePage();
  command(ID_Save_Keyboard_Layout);
  disk.fill();
  command(ID_Save_Keyboard_Layout);

  EXPECT_EQ(dialogs.messageTexts(), (std::vector<std::string>{"Unable to write to " + disk.file("office.zv") + ".",
                                                              notSavedText(disk.file("office.zvl"))}));
  EXPECT_EQ(readFile(disk.file("office.zv")), map);
  EXPECT_EQ(readFile(disk.file("office.zvl")), list);
  EXPECT_TRUE(document().changed());
  EXPECT_EQ(mainWindow().caption(), "caption before");
  EXPECT_EQ(temporaryFilesIn(disk.file("")), 0);
}

}  // namespace
}  // namespace tastrix::testing
