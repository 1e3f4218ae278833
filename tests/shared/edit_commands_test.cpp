// The editing commands on the document alone, answered by scripted dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/core/edit_commands.h"
#include "model/key_catalogue.h"
#include "support/printers.h"
#include "support/scripted_dialogs.h"

namespace tastrix {
namespace {

using testing::Dialog;
using testing::ScriptedDialogs;
using Command = void (EditCommands::*)();

// Which key groups' labels hold the text (1..4 in order).
std::vector<bool> groupsHolding(const FormModel& form, const std::string& text) {
  std::vector<bool> holding(4, true);
  for (const KeyRow& key : keyTable())
    if (form[form.keyLabel(key.position)].caption != text) holding[static_cast<size_t>(key.group - 1)] = false;
  return holding;
}

TEST(EditCommandsOnTheCore, EachEraseAndSetTouchesItsOwnGroupsOnlyWhenConfirmed) {
  const struct {
    Command erase, set;
    std::vector<bool> groups;
  } rows[] = {
      {&EditCommands::Reset_Function_Key_Labels_OptionClick, &EditCommands::Set_Function_Key_Labels_OptionClick,
       {true, false, false, false}},
      {&EditCommands::Reset_Main_Keyboard_Labels_OptionClick, &EditCommands::Set_Main_Keyboard_Labels_OptionClick,
       {false, true, false, false}},
      {&EditCommands::Reset_Cursor_Control_Labels_OptionClick, &EditCommands::Set_Cursor_Control_Labels_OptionClick,
       {false, false, true, false}},
      {&EditCommands::Reset_Numeric_Keypad_Labels_OptionClick, &EditCommands::Set_Numeric_Keypad_Labels_OptionClick,
       {false, false, false, true}},
      {&EditCommands::Reset_All_Labels_OptionClick, &EditCommands::Set_All_Labels_To_A_Default_Value_OptionClick,
       {true, true, true, true}},
  };
  for (const auto& row : rows) {
    FormModel form;
    ScriptedDialogs dialogs;
    EditCommands commands(form, dialogs);
    dialogs.answerMessage(Answer::No);
    (commands.*row.erase)();
    EXPECT_EQ(groupsHolding(form, ""), std::vector<bool>(4, false));
    EXPECT_FALSE(form.changed());

    dialogs.answerMessage(Answer::Yes);
    (commands.*row.erase)();
    EXPECT_EQ(groupsHolding(form, ""), row.groups);
    EXPECT_TRUE(form.changed());

    dialogs.answerInput(true, "two\r\nlines");
    dialogs.answerMessage(Answer::Yes);
    (commands.*row.set)();
    EXPECT_EQ(groupsHolding(form, "two lines"), row.groups);
    EXPECT_NE(dialogs.calls.back().text.find("\"two lines\" ?"), std::string::npos) << dialogs.calls.back().text;
    EXPECT_EQ(form[form.mapTitle].caption, "Keyboard Map Title") << "the title is no key label";
    EXPECT_TRUE(dialogs.scriptUsedUp());
  }
}

TEST(EditCommandsOnTheCore, FontAndColourCommandsSeedFromThePrototypeAndReachTheirWholeClass) {
  const struct {
    Command command;
    int (*seed)(const FormModel&);
    int (*sample)(const FormModel&);  // another component that must follow
    bool marksChanged;
  } fonts[] = {
      {&EditCommands::Font_Keyboard_Map_Title_OptionClick, [](const FormModel& f) { return f.mapTitle; },
       [](const FormModel& f) { return f.mapTitle; }, true},
      {&EditCommands::Font_Group_Names_OptionClick, [](const FormModel& f) { return f.groupBox(kFunctionKeys); },
       [](const FormModel& f) { return f.groupBox(kNumericKeypad); }, true},
      {&EditCommands::Font_Key_Names_OptionClick, [](const FormModel& f) { return f.nameLabel0; },
       [](const FormModel& f) { return f.keyName(101); }, false},
      {&EditCommands::Font_Key_Labels_OptionClick, [](const FormModel& f) { return f.label0; },
       [](const FormModel& f) { return f.keyLabel(1); }, false},
  };
  for (const auto& row : fonts) {
    FormModel form;
    ScriptedDialogs dialogs;
    EditCommands commands(form, dialogs);
    FontDescription chosen{"Arial", -20, kRed, false, true, false, false, 0};
    dialogs.answerFont(true, chosen);
    (commands.*row.command)();
    EXPECT_EQ(dialogs.calls.at(0).font, FormModel()[row.seed(form)].font);
    EXPECT_EQ(form[row.sample(form)].font, chosen);
    EXPECT_EQ(form.changed(), row.marksChanged);
    EXPECT_EQ(form[form.mapTitle].font == chosen, row.seed(form) == form.mapTitle) << "only its command sets the title's font";
  }
  FormModel form;
  ScriptedDialogs dialogs;
  EditCommands commands(form, dialogs);
  dialogs.answerColour(true, 0x123456);
  commands.Select_Key_Colour_Border_OptionClick();
  EXPECT_EQ(dialogs.calls.at(0).colour, kBtnFace);
  EXPECT_EQ(form[form.borderShape(50)].fill, 0x123456);
  EXPECT_EQ(form[form.faceShape(50)].fill, kWhite);
  EXPECT_TRUE(form.changed());
}

TEST(EditCommandsOnTheCore, ALabelEditMarksTheMapChangedOnlyWhenTheTextChanges) {
  FormModel form;
  ScriptedDialogs dialogs;
  EditCommands commands(form, dialogs);
  const int q = form.keyLabel(27);
  dialogs.answerInput(true, "Button Label");
  commands.Label_0Click(q);
  EXPECT_FALSE(form.changed());
  dialogs.answerInput(false, "ignored");
  commands.Label_0Click(q);
  EXPECT_FALSE(form.changed());
  dialogs.answerInput(true, "Quit");
  commands.Label_0Click(q);
  EXPECT_EQ(form[q].caption, "Quit");
  EXPECT_TRUE(form.changed());
  EXPECT_EQ(dialogs.callsOf(Dialog::InputBox).at(2).initial, "Button Label");

  commands.press(PressGroup::CursorControl);
  EXPECT_EQ(form.recordedGroup, PressGroup::CursorControl);
  commands.press(PressGroup::None);
  EXPECT_EQ(form.recordedGroup, PressGroup::None);
}

// A press runs the press handler of what was pressed, and a click its click
// handler; components without one do nothing.
TEST(EditCommandsOnTheCore, PressesAndClicksReachTheHandlersOfTheComponent) {
  FormModel form;
  ScriptedDialogs dialogs;
  EditCommands commands(form, dialogs);
  commands.pressOn(form.keyName(62));
  EXPECT_EQ(form.recordedGroup, PressGroup::FunctionKeys);
  commands.pressOn(form.notice);  // the notice line has no press handler
  EXPECT_EQ(form.recordedGroup, PressGroup::FunctionKeys);
  commands.pressOn(form.mapTitle);
  EXPECT_EQ(form.recordedGroup, PressGroup::MapTitle);
  commands.pressOn(-1);
  EXPECT_EQ(form.recordedGroup, PressGroup::None);

  // Only Label_0 carries the click handler until the start-up hands it on.
  commands.clickOn(form.keyLabel(27));
  commands.clickOn(form.keyName(62));
  EXPECT_TRUE(dialogs.calls.empty());
  dialogs.answerInput(true, "Escape");
  commands.clickOn(form.label0);
  EXPECT_EQ(form[form.label0].caption, "Escape");
  EXPECT_EQ(dialogs.callsOf(Dialog::InputBox).size(), 1u);
}

}  // namespace
}  // namespace tastrix
