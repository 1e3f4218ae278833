#include <gtest/gtest.h>

#include "text/profile_value.h"

namespace tastrix {
namespace {

TEST(ParseProfileInt, DecimalWithinThirtyTwoBits) {
  EXPECT_EQ(ParseProfileInt("0", 7), 0);
  EXPECT_EQ(ParseProfileInt("16777215", 7), 16777215);
  EXPECT_EQ(ParseProfileInt("-2147483633", 7), -2147483633);
  EXPECT_EQ(ParseProfileInt("-2147483648", 7), INT32_MIN);
  EXPECT_EQ(ParseProfileInt("2147483647", 7), INT32_MAX);
  EXPECT_EQ(ParseProfileInt("2147483648", 7), 7);
  EXPECT_EQ(ParseProfileInt("-2147483649", 7), 7);
  EXPECT_EQ(ParseProfileInt("99999999999999999999", 7), 7);
}

TEST(ParseProfileInt, HexadecimalAfterZeroXOrDollar) {
  EXPECT_EQ(ParseProfileInt("0xFF", 7), 255);
  EXPECT_EQ(ParseProfileInt("0Xff", 7), 255);
  EXPECT_EQ(ParseProfileInt("$FF", 7), 255);
  EXPECT_EQ(ParseProfileInt("$80000008", 7), -2147483640);
  EXPECT_EQ(ParseProfileInt("0xFFFFFFFF", 7), -1);
  EXPECT_EQ(ParseProfileInt("0x100000000", 7), 7);
  EXPECT_EQ(ParseProfileInt("0x", 7), 7);
  EXPECT_EQ(ParseProfileInt("$", 7), 7);
  EXPECT_EQ(ParseProfileInt("0xG1", 7), 7);
}

TEST(ParseProfileInt, AnythingElseGivesTheDefault) {
  for (const char* junk : {"", "red", "12a", "1.5", "-", "+", "- 1", "\x01\xFF", "0x 1"})
    EXPECT_EQ(ParseProfileInt(junk, -5), -5) << junk;
}

TEST(ParseProfileBool, IntegersWithNonZeroTrue) {
  EXPECT_TRUE(ParseProfileBool("1", false));
  EXPECT_TRUE(ParseProfileBool("-3", false));
  EXPECT_TRUE(ParseProfileBool("$1", false));
  EXPECT_FALSE(ParseProfileBool("0", true));
  EXPECT_TRUE(ParseProfileBool("yes", true));
  EXPECT_FALSE(ParseProfileBool("yes", false));
  EXPECT_EQ(FormatProfileBool(true), "1");
  EXPECT_EQ(FormatProfileBool(false), "0");
  EXPECT_EQ(FormatProfileInt(-2147483633), "-2147483633");
}

}  // namespace
}  // namespace tastrix
