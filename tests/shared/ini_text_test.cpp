#include <gtest/gtest.h>

#include "text/ini_text.h"

namespace tastrix {
namespace {

TEST(IniText, ANewFileGetsSectionsAndEntriesInTheOrderWritten) {
  IniText ini;
  ini.set("Label_0", "Font.Color", "0");
  ini.set("Label_0", "Font.Name", "System");
  ini.set("tastrix", "Shape_0", "255");
  ini.set("label_0", "font.color", "7");
  EXPECT_EQ(ini.text(), "[Label_0]\r\nFont.Color=7\r\nFont.Name=System\r\n[tastrix]\r\nShape_0=255\r\n");
  EXPECT_EQ(ini.value("LABEL_0", "FONT.COLOR"), "7");
  EXPECT_EQ(ini.value("tastrix", "Missing"), std::nullopt);
}

TEST(IniText, UpdatesKeepEveryOtherByteOfTheOldText) {
  const std::string old =
      "; written by hand\n"
      "[Notes]\r\n"
      "author = me\r\n"
      "\r\n"
      "[ tastrix ]\r\n"
      "  shape_0 = 12 \r\n"
      "Other=x\r\n"
      "\r\n"
      "[TASTRIX]\r\n"
      "Shape_Back_0=in the second section of that name\r\n"
      "[Notes]\r\n"
      "Shape_0=second section of that name\r";
  IniText ini(old);
  ini.set("tastrix", "Shape_0", "255");
  ini.set("tastrix", "Shape_Back_0", "-1");
  ini.set("Notes", "Shape_0", "added to the first section only");
  ini.set("Label_0", "Font.Size", "10");
  EXPECT_EQ(ini.text(),
            "; written by hand\n"
            "[Notes]\r\n"
            "author = me\r\n"
            "Shape_0=added to the first section only\r\n"
            "\r\n"
            "[ tastrix ]\r\n"
            "shape_0=255\r\n"
            "Other=x\r\n"
            "Shape_Back_0=-1\r\n"
            "\r\n"
            "[TASTRIX]\r\n"
            "Shape_Back_0=in the second section of that name\r\n"
            "[Notes]\r\n"
            "Shape_0=second section of that name\r"
            "[Label_0]\r\n"
            "Font.Size=10\r\n");
  EXPECT_EQ(ini.value("TASTRIX", "shape_back_0"), "-1");
}

TEST(IniText, ALastLineWithoutItsEndAndAByteOrderMark) {
  IniText open("\xEF\xBB\xBF[tastrix]\nShape_0=1");
  EXPECT_EQ(open.value("tastrix", "Shape_0"), "1");
  open.set("tastrix", "Shape_Back_0", "2");
  EXPECT_EQ(open.text(), "\xEF\xBB\xBF[tastrix]\nShape_0=1\r\nShape_Back_0=2\r\n");

  IniText replaced("[tastrix]\nShape_0=1");
  replaced.set("tastrix", "Shape_0", "3");
  EXPECT_EQ(replaced.text(), "[tastrix]\nShape_0=3");
}

TEST(IniText, ValuesReadAsTheProfileFunctionsReadThem) {
  const IniText ini(
      "top=before any section\r\n"
      "[s]\r\n"
      "quoted=\"a b\"\r\n"
      "single=' x '\r\n"
      "half=\"open\r\n"
      "bare\r\n"
      "spaced =  v  \r\n");
  EXPECT_EQ(ini.value("", "top"), std::nullopt);
  EXPECT_EQ(ini.value("s", "quoted"), "a b");
  EXPECT_EQ(ini.value("s", "single"), " x ");
  EXPECT_EQ(ini.value("s", "half"), "\"open");
  EXPECT_EQ(ini.value("s", "bare"), std::nullopt);
  EXPECT_EQ(ini.value(" s ", " spaced "), "v");

  // A key without "=" reads as missing, but an update writes over its line.
  IniText bare("[tastrix]\nShape_0\n");
  bare.set("tastrix", "shape_0", "4");
  EXPECT_EQ(bare.text(), "[tastrix]\nShape_0=4\n");
  EXPECT_EQ(bare.value("tastrix", "Shape_0"), "4");
}

TEST(IniText, Utf16TextIsRecognised) {
  EXPECT_TRUE(IsUtf16Text(std::string("\xFF\xFE[\0s\0", 6)));
  EXPECT_TRUE(IsUtf16Text(std::string("\xFE\xFF\0[", 4)));
  EXPECT_FALSE(IsUtf16Text("[s]\r\n"));
  EXPECT_FALSE(IsUtf16Text("\xFF"));
}

}  // namespace
}  // namespace tastrix
