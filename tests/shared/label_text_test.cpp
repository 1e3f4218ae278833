#include <gtest/gtest.h>

#include "text/label_text.h"
#include "text/utf8_text.h"

namespace tastrix {
namespace {

TEST(SingleLineLabel, EveryKindOfLineBreakBecomesOneBlank) {
  EXPECT_EQ(SingleLineLabel("Save\r\nfile"), "Save file");
  EXPECT_EQ(SingleLineLabel("Save\nfile"), "Save file");
  EXPECT_EQ(SingleLineLabel("Save\rfile"), "Save file");
  EXPECT_EQ(SingleLineLabel("a\n\rb"), "a  b");  // LF then CR: two breaks
  EXPECT_EQ(SingleLineLabel("a\r\n\r\nb"), "a  b");
  EXPECT_EQ(SingleLineLabel("\r\nend\n"), " end ");
}

TEST(SingleLineLabel, OneLineTextsStayAsTyped) {
  EXPECT_EQ(SingleLineLabel(""), "");
  EXPECT_EQ(SingleLineLabel("  &Copy\tall  "), "  &Copy\tall  ");
}

// What the picture draws of a label, which is what a screen reader reads.
TEST(ShownLabelText, AmpersandsMarkTheNextCharacterAndADoubledOneIsShown) {
  EXPECT_EQ(ShownLabelText("&Quit"), "Quit");
  EXPECT_EQ(ShownLabelText("Save && &exit"), "Save & exit");
  EXPECT_EQ(ShownLabelText("&&&&"), "&&");
  EXPECT_EQ(ShownLabelText("end&"), "end");
  EXPECT_EQ(ShownLabelText("Key Label"), "Key Label");
  EXPECT_EQ(ShownLabelText(""), "");
}

// Characters of one to four bytes ("a", "é", "⌘", "😀"): a start is never
// half of one.
TEST(Utf8Text, CutsFallBetweenCharacters) {
  const std::string text = "a\xC3\xA9\xE2\x8C\x98\xF0\x9F\x98\x80";
  const std::size_t ends[] = {0, 1, 3, 6, 10, 10};
  for (std::size_t characters = 0; characters < 6; ++characters)
    EXPECT_EQ(Utf8Prefix(text, characters), ends[characters]) << characters;
  const char* const cuts[] = {"", "a", "a", "a\xC3\xA9", "a\xC3\xA9", "a\xC3\xA9", "a\xC3\xA9\xE2\x8C\x98"};
  for (std::size_t bytes = 0; bytes < 7; ++bytes) EXPECT_EQ(Utf8CutTo(text, bytes), cuts[bytes]) << bytes;
  EXPECT_EQ(Utf8CutTo(text, 10), text);
}

}  // namespace
}  // namespace tastrix
