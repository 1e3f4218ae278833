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

// Which key groups' labels hold the text (1..4 in order).
std::vector<bool> groupsHolding(const FormModel& form, const std::string& text) {
  std::vector<bool> holding(4, true);
  for (const KeyRow& key : keyTable())
    if (form[form.keyLabel(key.position)].caption != text) holding[static_cast<size_t>(key.group - 1)] = false;
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
    FormModel form;
    ScriptedDialogs dialogs;
    EditCommands commands(form, dialogs);
    dialogs.answerMessage(Answer::No);
    commands.eraseLabels(row.group);
    EXPECT_EQ(groupsHolding(form, ""), std::vector<bool>(4, false));
    EXPECT_FALSE(form.changed());

    dialogs.answerMessage(Answer::Yes);
    commands.eraseLabels(row.group);
    EXPECT_EQ(groupsHolding(form, ""), row.groups);
    EXPECT_TRUE(form.changed());

    dialogs.answerInput(true, "two\r\nlines");
    dialogs.answerMessage(Answer::Yes);
    commands.setLabels(row.group);
    EXPECT_EQ(groupsHolding(form, "two lines"), row.groups);
    EXPECT_NE(dialogs.calls.back().text.find("\"two lines\" ?"), std::string::npos) << dialogs.calls.back().text;
    EXPECT_EQ(form[form.mapTitle].caption, "Keyboard Map Title") << "the title is no key label";
    EXPECT_TRUE(dialogs.scriptUsedUp());
  }
}

TEST(EditCommandsOnTheCore, FontAndColourCommandsSeedFromThePrototypeAndReachTheirWholeClass) {
  const struct {
    FontTarget target;
    int (*seed)(const FormModel&);
    int (*sample)(const FormModel&);  // another component that must follow
    bool marksChanged;
  } fonts[] = {
      {FontTarget::MapTitle, [](const FormModel& f) { return f.mapTitle; },
       [](const FormModel& f) { return f.mapTitle; }, true},
      {FontTarget::GroupNames, [](const FormModel& f) { return f.groupBox(kFunctionKeys); },
       [](const FormModel& f) { return f.groupBox(kNumericKeypad); }, true},
      {FontTarget::KeyNames, [](const FormModel& f) { return f.nameLabel0; },
       [](const FormModel& f) { return f.keyName(101); }, false},
      {FontTarget::KeyLabels, [](const FormModel& f) { return f.label0; },
       [](const FormModel& f) { return f.keyLabel(1); }, false},
  };
  for (const auto& row : fonts) {
    FormModel form;
    ScriptedDialogs dialogs;
    EditCommands commands(form, dialogs);
    FontDescription chosen{"Arial", -20, kRed, false, true, false, false, 0};
    dialogs.answerFont(true, chosen);
    commands.chooseFont(row.target);
    EXPECT_EQ(dialogs.calls.at(0).font, FormModel()[row.seed(form)].font);
    EXPECT_EQ(form[row.sample(form)].font, chosen);
    EXPECT_EQ(form.changed(), row.marksChanged);
    EXPECT_EQ(form[form.mapTitle].font == chosen, row.seed(form) == form.mapTitle) << "only its command sets the title's font";
  }
  FormModel form;
  ScriptedDialogs dialogs;
  EditCommands commands(form, dialogs);
  dialogs.answerColour(true, 0x123456);
  commands.chooseColour(ColourTarget::KeyBorders);
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
  form.setClickHandler(q, ClickHandler::LabelEdit);  // as the start-up makes every key label
  dialogs.answerInput(true, "Button Label");
  commands.editLabel(q);
  EXPECT_FALSE(form.changed());
  dialogs.answerInput(false, "ignored");
  commands.editLabel(q);
  EXPECT_FALSE(form.changed());
  dialogs.answerInput(true, "Quit");
  commands.editLabel(q);
  EXPECT_EQ(form[q].caption, "Quit");
  EXPECT_TRUE(form.changed());
  EXPECT_EQ(dialogs.callsOf(Dialog::InputBox).at(2).initial, "Button Label");

  commands.recordPress(form.faceShape(75));
  EXPECT_EQ(form.recordedGroup, PressGroup::CursorControl);
  commands.recordPress(-1);
  EXPECT_EQ(form.recordedGroup, PressGroup::None);
}

// A press records the group of what was pressed, and a click edits a label
// that is clickable; other components do nothing.
TEST(EditCommandsOnTheCore, PressesAndClicksReachTheHandlersOfTheComponent) {
  FormModel form;
  ScriptedDialogs dialogs;
  EditCommands commands(form, dialogs);
  commands.recordPress(form.keyName(62));
  EXPECT_EQ(form.recordedGroup, PressGroup::FunctionKeys);
  commands.recordPress(form.notice);  // the notice line has no press handler
  EXPECT_EQ(form.recordedGroup, PressGroup::FunctionKeys);
  commands.recordPress(form.mapTitle);
  EXPECT_EQ(form.recordedGroup, PressGroup::MapTitle);
  commands.recordPress(-1);
  EXPECT_EQ(form.recordedGroup, PressGroup::None);

  // Only the first key label is clickable until the start-up makes every one so.
  commands.editLabel(form.keyLabel(27));
  commands.editLabel(form.keyName(62));
  EXPECT_TRUE(dialogs.calls.empty());
  dialogs.answerInput(true, "Escape");
  commands.editLabel(form.label0);
  EXPECT_EQ(form[form.label0].caption, "Escape");
  EXPECT_EQ(dialogs.callsOf(Dialog::InputBox).size(), 1u);
}

}  // namespace
}  // namespace tastrix
