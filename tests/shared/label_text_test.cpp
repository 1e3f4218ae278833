#include <gtest/gtest.h>

#include "text/label_text.h"

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

}  // namespace
}  // namespace tastrix
