#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/key_catalogue.h"
#include "text/label_list_text.h"

namespace tastrix {
namespace {

using Lines = std::vector<std::string>;

Lines split(const std::string& text, size_t pieceSize = 0) {
  LabelListSplitter splitter(kLabelPositions);
  if (pieceSize == 0) pieceSize = text.size() + 1;
  for (size_t at = 0; at < text.size() && splitter.wantsMore(); at += pieceSize)
    splitter.feed(text.data() + at, std::min(pieceSize, text.size() - at));
  return splitter.finish();
}

TEST(LabelListText, LineEndsOfEveryKindSplitAlike) {
  const Lines expected{"Title", "", "a", "b & c"};
  EXPECT_EQ(split("Title\r\n\r\na\r\nb & c\r\n"), expected);
  EXPECT_EQ(split("Title\n\na\nb & c\n"), expected);
  EXPECT_EQ(split("Title\r\ra\rb & c\r"), expected);
  EXPECT_EQ(split("Title\r\n\na\rb & c"), expected);
  EXPECT_EQ(split("\n\r"), (Lines{"", ""}));
  EXPECT_EQ(split(""), Lines{});
}

TEST(LabelListText, LastLineWithoutLineEndCountsAndFinalLineEndAddsNothing) {
  EXPECT_EQ(split("x\r\ny"), (Lines{"x", "y"}));
  EXPECT_EQ(split("x\r\ny\r\n"), (Lines{"x", "y"}));
  EXPECT_EQ(split("x\r\n\r\n"), (Lines{"x", ""}));
}

TEST(LabelListText, NulEndsTheText) {
  EXPECT_EQ(split(std::string("one\r\ntw\0o\r\nthree\r\n", 19)), (Lines{"one", "tw"}));
  EXPECT_EQ(split(std::string("one\r\n\0two", 9)), (Lines{"one"}));
}

TEST(LabelListText, PiecesSplitAnywhereGiveTheSameLines) {
  const std::string text = "ab\r\n\r\ncd\r\ref\n\ngh";
  const Lines whole = split(text);
  EXPECT_EQ(whole, (Lines{"ab", "", "cd", "", "ef", "", "gh"}));
  for (size_t piece = 1; piece <= text.size(); ++piece) EXPECT_EQ(split(text, piece), whole) << piece;
}

TEST(LabelListText, KeepsOnlyTheLinesTheLabelsUse) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + "\r\n";
  const Lines lines = split(text, 7);
  ASSERT_EQ(lines.size(), 102u);
  EXPECT_EQ(lines.front(), "line 0");
  EXPECT_EQ(lines.back(), "line 101");

  LabelListSplitter splitter(kLabelPositions);
  splitter.feed(text.data(), text.size());
  EXPECT_FALSE(splitter.wantsMore());
}

// Typing stops at 255 characters, but another program may write lines of
// any length: each is read whole, across the pieces it arrives in.
TEST(LabelListText, LongLinesAreReadWhole) {
  const std::string huge(10 * 1024 * 1024, 'z');
  const Lines lines = split(huge + "\nnext", 65536);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], huge);
  EXPECT_EQ(lines[1], "next");
}

TEST(LabelListText, JoinEndsEveryLineWithCrLfAndSplitsBackUnchanged) {
  const Lines lines{"Title", "", "&Save", std::string(4096, 'w'), "\x80\xFF"};
  const std::string text = JoinLabelListText(lines);
  EXPECT_EQ(text.substr(0, 20), "Title\r\n\r\n&Save\r\nwwww");
  EXPECT_EQ(text.size(), 5 + 0 + 5 + 4096 + 2 + 5 * 2);
  EXPECT_EQ(text.substr(text.size() - 4), "\x80\xFF\r\n");
  EXPECT_EQ(split(text), lines);
  EXPECT_EQ(JoinLabelListText(std::vector<std::string>()), "");
}

}  // namespace
}  // namespace tastrix
