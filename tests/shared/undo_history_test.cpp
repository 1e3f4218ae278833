#include <gtest/gtest.h>

#include <string>

#include "model/map_document.h"

namespace tastrix {
namespace {

std::string labelText(int command, int position, size_t length) {
  std::string text = std::to_string(command) + " " + std::to_string(position) + " ";
  text.resize(length, 'x');
  return text;
}

// A command that gives every key label a text of its own, the costliest
// command to keep (a partial load of labels): nothing is shared.
void labelEveryKey(MapDocument& document, int command, size_t length) {
  const MapDocument::CommandScope step(document);
  for (int p = 1; p <= kKeyCount; ++p) document.setLabel(p, labelText(command, p, length));
}

// At least 100 commands over every label of a key's size, in at most 1 MB;
// with long labels the oldest go first and undo stops where the oldest kept
// one began.
TEST(UndoHistory, KeepsAHundredCommandsOfEveryLabelInAMegabyteAndDropsTheOldestFirst) {
  const struct {
    size_t length;
    bool allKept;
  } rows[] = {{24, true}, {2000, false}};
  for (const auto& row : rows) {
    MapDocument form;
    const int commands = 120;
    for (int c = 1; c <= commands; ++c) {
      labelEveryKey(form, c, row.length);
      ASSERT_LE(form.history().bytes(), ChangeHistory::kByteLimit) << row.length << " after " << c;
    }
    int undone = 0;
    while (form.history().canUndo()) {
      form.undo();
      ++undone;
      ASSERT_LE(form.history().bytes(), ChangeHistory::kByteLimit) << row.length;
    }
    EXPECT_EQ(undone == commands, row.allKept) << row.length << ": " << undone << " undone";
    EXPECT_GE(undone, row.allKept ? 100 : 1) << row.length;
    const int reached = commands - undone;  // the command whose labels are back
    for (int p = 1; p <= kKeyCount; ++p)
      ASSERT_EQ(form.map().labels[p], reached == 0 ? "Button Label" : labelText(reached, p, row.length))
          << row.length;
    while (form.history().canRedo()) form.redo();
    for (int p = 1; p <= kKeyCount; ++p)
      ASSERT_EQ(form.map().labels[p], labelText(commands, p, row.length)) << row.length;
  }
}

}  // namespace
}  // namespace tastrix
