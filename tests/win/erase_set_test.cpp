#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/form_fixture.h"

namespace tastrix::testing {
namespace {

struct GroupCommand {
  int eraseId, setId;
  int lo, hi;  // key label tags covered
  const char* eraseQuestion;
  const char* setCaption;
  const char* setQuestionStart;
};

const std::vector<GroupCommand> kCommands = {
    {ID_Erase_Function_Keys, ID_Set_Function_Keys, 1, 1, "Erase all \"Function Key\" Labels ?",
     "Enter Default Label for all Function Keys", "Set all Function Keys Labels to \""},
    {ID_Erase_Main_Keyboard, ID_Set_Main_Keyboard, 2, 2, "Erase all \"Main Keyboard Key\" Labels ?",
     "Enter Default Label for all Main Keyboard Keys", "Set all Main Keyboard Key Labels to \""},
    {ID_Erase_Cursor_Control, ID_Set_Cursor_Control, 3, 3, "Erase all \"Cursor Control Key\" Labels ?",
     "Enter Default Label for all Cursor Control Keys", "Set all Cursor Control Key Labels to \""},
    {ID_Erase_Numeric_Keypad, ID_Set_Numeric_Keypad, 4, 4, "Erase all \"Numeric Keypad Key\" Labels ?",
     "Enter Default Label for all Numeric Keypad Keys", "Set all Numeric Keypad Key Labels to \""},
    {ID_Erase_All, ID_Set_All, 1, 4, "Erase ALL Keyboard Key Labels ?", "Enter Default Label for all keys",
     "Set ALL Keyboard Key Labels to \""},
};

class EraseSet : public FormTest {
 protected:
  // Every key label numbered by its position, so any stray change shows.
  void numberEveryLabel() {
    for (int p = 1; p <= kKeyCount; ++p) document().setLabel(p, "k" + std::to_string(p));
    document().setLabel(0, "My map");
    document().setChanged(false);
  }
  // Checks that the labels of the groups lo..hi read `inside` and all the
  // others still carry their numbers.
  void expectLabels(int lo, int hi, const std::string& inside, const std::string& context) {
    int covered = 0;
    for (int p = 1; p <= kKeyCount; ++p) {
      const bool in = keyAt(p).group >= lo && keyAt(p).group <= hi;
      covered += in;
      EXPECT_EQ(map().labels[p], in ? inside : "k" + std::to_string(p)) << context << ", key " << p;
    }
    static const int kCounts[] = {0, 13, 61, 10, 17};
    int expectedCount = 0;
    for (int g = lo; g <= hi; ++g) expectedCount += kCounts[g];
    EXPECT_EQ(covered, expectedCount) << context;
    EXPECT_EQ(map().title(), "My map") << context;
  }
};

TEST_F(EraseSet, EveryEraseCommandAsksAndErasesOnlyItsGroupOnYes) {
  startForm();
  for (const GroupCommand& c : kCommands) {
    numberEveryLabel();
    dialogs.calls.clear();
    dialogs.answerMessage(Answer::No);
    command(c.eraseId);
    ASSERT_EQ(dialogs.calls.size(), 1u) << c.eraseQuestion;
    expectMessage(dialogs.calls[0], MessageKind::Confirmation, Buttons::YesNo, c.eraseQuestion);
    expectLabels(0, -1, "", std::string("No to ") + c.eraseQuestion);
    EXPECT_FALSE(document().changed()) << c.eraseQuestion;

    dialogs.calls.clear();
    dialogs.answerMessage(Answer::Yes);
    command(c.eraseId);
    ASSERT_EQ(dialogs.calls.size(), 1u) << c.eraseQuestion;
    expectMessage(dialogs.calls[0], MessageKind::Confirmation, Buttons::YesNo, c.eraseQuestion);
    expectLabels(c.lo, c.hi, "", std::string("Yes to ") + c.eraseQuestion);
    EXPECT_TRUE(document().changed()) << c.eraseQuestion;

    // Erasing labels already empty still marks the map changed.
    document().setChanged(false);
    dialogs.answerMessage(Answer::Yes);
    command(c.eraseId);
    EXPECT_TRUE(document().changed()) << c.eraseQuestion;
  }
}

TEST_F(EraseSet, EverySetCommandAsksForTheTextThenConfirmsIt) {
  startForm();
  const std::string questionEnd = " Macro \" ?";
  for (const GroupCommand& c : kCommands) {
    numberEveryLabel();
    dialogs.calls.clear();
    dialogs.answerInput(false, "never used");
    command(c.setId);
    ASSERT_EQ(dialogs.calls.size(), 1u) << "Cancel shows no confirmation: " << c.setCaption;
    EXPECT_EQ(dialogs.calls[0].what, Dialog::InputBox);
    EXPECT_EQ(dialogs.calls[0].caption, c.setCaption);
    EXPECT_EQ(dialogs.calls[0].text, "Enter:");
    EXPECT_EQ(dialogs.calls[0].initial, "Key Label");
    expectLabels(0, -1, "", std::string("Cancel in ") + c.setCaption);
    EXPECT_FALSE(document().changed());

    dialogs.calls.clear();
    dialogs.answerInput(true, " Macro ");
    dialogs.answerMessage(Answer::No);
    command(c.setId);
    ASSERT_EQ(dialogs.calls.size(), 2u) << c.setCaption;
    expectMessage(dialogs.calls[1], MessageKind::Confirmation, Buttons::YesNo, c.setQuestionStart + questionEnd);
    expectLabels(0, -1, "", std::string("No after ") + c.setCaption);
    EXPECT_FALSE(document().changed());

    dialogs.calls.clear();
    dialogs.answerInput(true, " Macro ");
    dialogs.answerMessage(Answer::Yes);
    command(c.setId);
    ASSERT_EQ(dialogs.calls.size(), 2u) << c.setCaption;
    EXPECT_EQ(dialogs.calls[0].initial, "Key Label") << "starts again from the default text";
    expectMessage(dialogs.calls[1], MessageKind::Confirmation, Buttons::YesNo, c.setQuestionStart + questionEnd);
    expectLabels(c.lo, c.hi, " Macro ", std::string("Yes after ") + c.setCaption);
    EXPECT_TRUE(document().changed());
  }
}

// An empty text blanks the labels like Erase; a pasted multi-line text
// becomes one line, and the question shows exactly that line.
TEST_F(EraseSet, TheSetTextIsStoredAsOneLineAndMayBeEmpty) {
  const struct {
    const char* typed;
    int command;
    int group;
    const char* question;
    const char* stored;
  } cases[] = {
      {"", ID_Set_Numeric_Keypad, 4, "Set all Numeric Keypad Key Labels to \"\" ?", ""},
      {"Step\r\ninto", ID_Set_Function_Keys, 1, "Set all Function Keys Labels to \"Step into\" ?", "Step into"},
  };
  startForm();
  for (const auto& c : cases) {
    numberEveryLabel();
    document().setChanged(false);
    dialogs.calls.clear();
    dialogs.answerInput(true, c.typed);
    dialogs.answerMessage(Answer::Yes);
    command(c.command);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[1].text, c.question);
    expectLabels(c.group, c.group, c.stored, c.question);
    EXPECT_TRUE(document().changed());
  }
}

}  // namespace
}  // namespace tastrix::testing
