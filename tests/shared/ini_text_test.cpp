#include <gtest/gtest.h>

#include "text/ini_text.h"
#include "text/text_encoding.h"

namespace tastrix {
namespace {

using namespace std::string_literals;

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

TEST(IniText, ALastLineWithoutItsEnd) {
  IniText open("[tastrix]\nShape_0=1");
  EXPECT_EQ(open.value("tastrix", "Shape_0"), "1");
  open.set("tastrix", "Shape_Back_0", "2");
  EXPECT_EQ(open.text(), "[tastrix]\nShape_0=1\r\nShape_Back_0=2\r\n");

  IniText replaced("[tastrix]\nShape_0=1");
  replaced.set("tastrix", "Shape_0", "3");
  EXPECT_EQ(replaced.text(), "[tastrix]\nShape_0=3");
}

// The profile functions hand a name or a value on up to its first NUL, and
// read a character of two bytes as one: a "]" or "[" that is the second
// byte of a character ends nothing.
TEST(IniText, ANulEndsANameOrValueAndATwoByteCharacterIsOne) {
  const std::string withNuls = "[tastrix\0junk]\r\nShape_0=12\0 34\r\nKe\0y=5\r\n"s;
  IniText nul(withNuls);
  EXPECT_EQ(nul.value("tastrix", "Shape_0"), "12");
  EXPECT_EQ(nul.value("tastrix", "Ke"), "5");
  nul.set("TASTRIX", "Shape_Back_0", "7");
  EXPECT_EQ(nul.text(), withNuls + "Shape_Back_0=7\r\n");

  LeadBytes shiftJis;
  for (int b = 0x81; b <= 0x9F; ++b) shiftJis.set(b);
  for (int b = 0xE0; b <= 0xFC; ++b) shiftJis.set(b);
  // The katakana letter zo is 83 5D in Shift-JIS; 5D is "]".
  const std::string header = "[tastrix] ; \x83\x5D\r\nShape_0=1\r\n[\x95\x5C\x83\x5D]\r\nk=2\r\n";
  IniText dbcs(header, shiftJis);
  EXPECT_EQ(dbcs.value("tastrix", "Shape_0"), "1");
  EXPECT_EQ(dbcs.value("\x95\x5C\x83\x5D", "k"), "2");
  dbcs.set("tastrix", "Shape_0", "9");
  EXPECT_EQ(dbcs.text(), "[tastrix] ; \x83\x5D\r\nShape_0=9\r\n[\x95\x5C\x83\x5D]\r\nk=2\r\n");
  // Read as single bytes, the last "]" is the zo's second byte.
  EXPECT_EQ(IniText(header).value("tastrix", "Shape_0"), std::nullopt);
}

TEST(IniText, RemovedEntriesLeaveEveryOtherByte) {
  IniText ini("[tastrix]\r\nA=1\r\nB=2\nC=3");
  ini.remove("TASTRIX", "b");
  ini.remove("tastrix", "C");
  ini.remove("tastrix", "missing");
  ini.set("tastrix", "D", "4");
  ini.set("new", "E", "5");
  ini.remove("new", "E");
  EXPECT_EQ(ini.value("tastrix", "B"), std::nullopt);
  EXPECT_EQ(ini.value("tastrix", "D"), "4");
  EXPECT_EQ(ini.text(), "[tastrix]\r\nA=1\r\nD=4\r\n[new]\r\n");
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

TEST(TextEncoding, TheByteOrderMarkTellsIt) {
  EXPECT_EQ(EncodingOf(std::string("\xFF\xFE[\0s\0", 6)), TextEncoding::Utf16LittleEndian);
  EXPECT_EQ(EncodingOf(std::string("\xFE\xFF\0[", 4)), TextEncoding::Utf16BigEndian);
  EXPECT_EQ(EncodingOf("\xEF\xBB\xBF[s]"), TextEncoding::Utf8);
  EXPECT_EQ(EncodingOf("[s]\r\n"), TextEncoding::CodePage);
  EXPECT_EQ(EncodingOf("\xFF"), TextEncoding::CodePage);
  EXPECT_EQ(EncodingOf("\xEF\xBB"), TextEncoding::CodePage);
  EXPECT_EQ(ByteOrderMark(TextEncoding::CodePage), "");
}

}  // namespace
}  // namespace tastrix
