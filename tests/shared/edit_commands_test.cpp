// The editing commands on the document alone, answered by scripted dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/core/edit_commands.h"
#include "support/printers.h"
#include "support/scripted_dialogs.h"

namespace tastrix {
namespace {

using testing::Dialog;
using testing::ScriptedDialogs;

// Which key groups' labels hold the text (1..4 in order).
std::vector<bool> groupsHolding(const KeyboardMap& map, const std::string& text) {
  std::vector<bool> holding(4, true);
  for (const KeyRow& key : keyTable())
    if (map.labels[static_cast<size_t>(key.position)] != text) holding[static_cast<size_t>(key.group - 1)] = false;
  return holding;
}

TEST(EditCommandsOnTheCore, EachEraseAndSetTouchesItsOwnGroupsOnlyWhenConfirmed) {
  const struct {
    LabelGroup group;
    std::vector<bool> groups;
  } rows[] = {
      {LabelGroup::FunctionKeys, {true, false, false, false}},
      {LabelGroup::MainKeyboard, {false, true, false, false}},
      {LabelGroup::CursorControl, {false, false, true, false}},
      {LabelGroup::NumericKeypad, {false, false, false, true}},
      {LabelGroup::AllKeys, {true, true, true, true}},
  };
  for (const auto& row : rows) {
    MapDocument document;
    ScriptedDialogs dialogs;
    EditCommands commands(document, dialogs);
    dialogs.answerMessage(Answer::No);
    commands.eraseLabels(row.group);
    EXPECT_EQ(groupsHolding(document.map(), ""), std::vector<bool>(4, false));
    EXPECT_FALSE(document.changed());

    dialogs.answerMessage(Answer::Yes);
    commands.eraseLabels(row.group);
    EXPECT_EQ(groupsHolding(document.map(), ""), row.groups);
    EXPECT_TRUE(document.changed());

    dialogs.answerInput(true, "two\r\nlines");
    dialogs.answerMessage(Answer::Yes);
    commands.setLabels(row.group);
    EXPECT_EQ(groupsHolding(document.map(), "two lines"), row.groups);
    EXPECT_NE(dialogs.calls.back().text.find("\"two lines\" ?"), std::string::npos) << dialogs.calls.back().text;
    EXPECT_EQ(document.map().title(), "Keyboard Map Title") << "the title is no key label";
    EXPECT_TRUE(dialogs.scriptUsedUp());
  }
}

// Each font command starts its dialog from the map's font, gives the choice
// to that font alone, and sets the changed flag for the title and the groups.
TEST(EditCommandsOnTheCore, FontAndColourCommandsSeedFromTheMapAndChangeOnlyTheirOwn) {
  const struct {
    MapFont which;
    bool marksChanged;
  } fonts[] = {
      {MapFont::Title, true}, {MapFont::GroupNames, true}, {MapFont::KeyNames, false}, {MapFont::KeyLabels, false}};
  for (const auto& row : fonts) {
    MapDocument document;
    ScriptedDialogs dialogs;
    EditCommands commands(document, dialogs);
    const FontDescription chosen{"Arial", -20, kRed, false, true, false, false, 0};
    dialogs.answerFont(true, chosen);
    commands.chooseFont(row.which);
    EXPECT_EQ(dialogs.calls.at(0).font, KeyboardMap().font(row.which));
    KeyboardMap expected;
    expected.fonts[static_cast<size_t>(row.which)] = chosen;
    EXPECT_TRUE(document.map() == expected);
    EXPECT_EQ(document.changed(), row.marksChanged);
  }
  MapDocument document;
  ScriptedDialogs dialogs;
  EditCommands commands(document, dialogs);
  dialogs.answerColour(true, 0x123456);
  commands.chooseColour(MapColour::KeyBorders);
  EXPECT_EQ(dialogs.calls.at(0).colour, kBtnFace);
  EXPECT_EQ(document.map().borderColour, 0x123456);
  EXPECT_EQ(document.map().keyColour, kWhite);
  EXPECT_TRUE(document.changed());
}

TEST(EditCommandsOnTheCore, ALabelEditMarksTheMapChangedOnlyWhenTheTextChanges) {
  MapDocument document;
  ScriptedDialogs dialogs;
  EditCommands commands(document, dialogs);
  const int q = 27;
  dialogs.answerInput(true, "Button Label");
  commands.editLabel(q);
  EXPECT_FALSE(document.changed());
  dialogs.answerInput(false, "ignored");
  commands.editLabel(q);
  EXPECT_FALSE(document.changed());
  dialogs.answerInput(true, "Quit");
  commands.editLabel(q);
  EXPECT_EQ(document.map().labels[q], "Quit");
  EXPECT_TRUE(document.changed());
  EXPECT_EQ(dialogs.callsOf(Dialog::InputBox).at(2).initial, "Button Label");
}

// A press records the group of what was pressed; the notice line records
// nothing, the window itself none.
TEST(EditCommandsOnTheCore, PressesRecordTheGroupOfWhatWasPressed) {
  MapDocument document;
  ScriptedDialogs dialogs;
  EditCommands commands(document, dialogs);
  using Kind = PicturePiece::Kind;
  const struct {
    PicturePiece piece;
    PressGroup recorded;
  } rows[] = {
      {{Kind::KeyFace, kCursorControl, 75, {}}, PressGroup::CursorControl},
      {{Kind::KeyName, kFunctionKeys, 62, {}}, PressGroup::FunctionKeys},
      {{Kind::Notice, 0, -1, {}}, PressGroup::FunctionKeys},
      {{Kind::Title, 0, 0, {}}, PressGroup::MapTitle},
      {{Kind::GroupBox, kNumericKeypad, -1, {}}, PressGroup::NumericKeypad},
  };
  for (const auto& row : rows) {
    commands.recordPress(&row.piece);
    EXPECT_EQ(commands.recordedGroup(), row.recorded) << static_cast<int>(row.piece.kind);
  }
  commands.recordPress(nullptr);
  EXPECT_EQ(commands.recordedGroup(), PressGroup::None);
}

}  // namespace
}  // namespace tastrix
