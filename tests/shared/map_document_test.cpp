// The document's changes of the map as the commands and the loads make them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/map_document.h"

namespace tastrix {
namespace {

// A label list gives its lines from the title on, while they last: a short
// list leaves the labels beyond its last line, a long one has lines to spare.
TEST(MapDocument, LabelLinesGoToTheTitleAndTheKeysWhileTheyLast) {
  std::vector<std::string> many;
  for (int i = 0; i < 200; ++i) many.push_back("line " + std::to_string(i));
  const struct {
    std::vector<std::string> lines;
    std::string title, first, fourth, last;
  } rows[] = {
      {{}, "Keyboard Map Title", "Button Label", "Button Label", "Button Label"},
      {{"T", "a", "b", "", " d "}, "T", "a", " d ", "Button Label"},
      {many, "line 0", "line 1", "line 4", "line 101"},
  };
  for (const auto& row : rows) {
    MapDocument document;
    document.setLabelLines(row.lines);
    EXPECT_EQ(document.map().title(), row.title);
    EXPECT_EQ(document.map().labels[1], row.first);
    EXPECT_EQ(document.map().labels[4], row.fourth);
    EXPECT_EQ(document.map().labels[101], row.last);
  }
}

// A font given to the map is one change however many keys show it, and an
// alignment of none leaves the layouts as they were.
TEST(MapDocument, AFontIsOneChangeAndNoAlignmentKeepsTheLayouts) {
  MapDocument document;
  FontDescription arial = document.map().font(MapFont::KeyLabels);
  arial.name = "Arial";
  {
    const MapDocument::CommandScope step(document);
    document.setFont(MapFont::KeyLabels, arial);
    document.align(kNoAlignment);
  }
  EXPECT_LT(document.history().bytes(), 512u);
  EXPECT_EQ(document.map().labelLayout, kLayoutTop);
  EXPECT_EQ(document.map().titleLayout, kLayoutCenter);
  document.undo();
  EXPECT_TRUE(document.map() == KeyboardMap());
  EXPECT_FALSE(document.history().canUndo());
  document.align(kLayoutBottom);
  EXPECT_EQ(document.map().labelLayout, kLayoutBottom);
  EXPECT_EQ(document.map().titleLayout, kLayoutBottom);
}

}  // namespace
}  // namespace tastrix
