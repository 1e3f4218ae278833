#include <gtest/gtest.h>

#include <string>

#include "text/path_text.h"

namespace tastrix {
namespace {

TEST(ReplaceAll, RepeatsUntilNoOccurrenceIsLeft) {
  EXPECT_EQ(ReplaceAll("a.zv.b.zv", ".zv", ""), "a.b");
  EXPECT_EQ(ReplaceAll("C:\\\\\\x\\\\y", "\\\\", "\\"), "C:\\x\\y");
  // Removing "ab" from "aabb" leaves a new "ab", which goes as well.
  EXPECT_EQ(ReplaceAll("aabb", "ab", ""), "");
  EXPECT_EQ(ReplaceAll("xyz", "q", "r"), "xyz");
  EXPECT_EQ(ReplaceAll("", "a", "b"), "");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(ReplaceAll, ReplacementContainingTheFindTextRunsThroughTheMarker) {
  EXPECT_EQ(ReplaceAll("a-b-c", "-", "--"), "a--b--c");
  EXPECT_EQ(ReplaceAll("xx", "x", "xyx"), "xyxxyx");
  EXPECT_EQ(ReplaceAll("\x01\x01", "\x01", "\x01\x01"), "\x01\x01\x01\x01");
}

TEST(PathParts, DirectoryFileNameAndExtension) {
  EXPECT_EQ(DirectoryPart("C:\\maps\\office.zv"), "C:\\maps\\");
  EXPECT_EQ(DirectoryPart("C:office.zv"), "C:");
  EXPECT_EQ(DirectoryPart("office.zv"), "");
  EXPECT_EQ(FileNamePart("C:\\maps\\office.zv"), "office.zv");
  EXPECT_EQ(ExtensionOf("C:\\a.b\\office"), "");
  EXPECT_EQ(ExtensionOf("C:\\a\\office.tar.zv"), ".zv");
  EXPECT_EQ(UpperExtension("picture.bmp"), ".BMP");
  EXPECT_EQ(UpperExtension("office.Zv"), ".ZV");
  EXPECT_TRUE(EqualsIgnoringAsciiCase(".zV", ".ZV"));
  for (const char* full : {"C:\\maps\\office.zv", "z:/office.zv", "\\\\server\\share\\a.zv", "\\\\?\\C:\\a.zv"})
    EXPECT_TRUE(IsFullyQualifiedPath(full)) << full;
  for (const char* partial : {"", "office.zv", "C:office.zv", "\\maps\\office.zv", "maps\\office.zv", "1:\\a.zv", "C:"})
    EXPECT_FALSE(IsFullyQualifiedPath(partial)) << partial;
}

TEST(FileTitle, DropsFolderAndEveryCopyOfTheExtension) {
  EXPECT_EQ(FileTitle("C:\\maps\\office.zv"), "office");
  EXPECT_EQ(FileTitle("C:\\maps\\a.zv.b.zv"), "a.b");
  EXPECT_EQ(FileTitle("C:\\ma.ps\\office"), "office");
  EXPECT_EQ(FileTitle(""), "");
}

// Windows drops the dots and blanks that end a name, and opens a device in
// place of any file whose name, before its first dot or colon, is a device's.
TEST(PathParts, NamesAsWindowsTakesThem) {
  EXPECT_EQ(WithoutTrailingDotsAndBlanks("C:\\maps\\t1.zv."), "C:\\maps\\t1.zv");
  EXPECT_EQ(WithoutTrailingDotsAndBlanks("C:\\maps\\t1 . ."), "C:\\maps\\t1");
  EXPECT_EQ(WithoutTrailingDotsAndBlanks("C:\\ma.ps.\\t1"), "C:\\ma.ps.\\t1");
  for (const char* kept : {"C:\\maps\\..", "C:\\maps\\", "", "C:", "."})
    EXPECT_EQ(WithoutTrailingDotsAndBlanks(kept), kept);

  for (const char* device : {"com1", "C:\\maps\\COM1.zv", "c:/x/lpt9.tar.zv", "AUX", "con.", "nul .zv",
                             "Prn.zvl", "com0", "LPT\xC2\xB9.zv", "conin$", "CONOUT$.txt", "\\\\.\\COM1",
                             "C:\\maps\\com1.zv. ", "C:\\maps\\COM1:.zv", "COM1:x.zv", "C:com1.zv", "nul:"})
    EXPECT_TRUE(NamesADevice(device)) << device;
  for (const char* file : {"com10.zv", "C:\\com1\\a.zv", "console.zv", "xcom1", "lpt", "COM\xC2\xB4", "nul_.zv",
                           "\\\\?\\C:\\a.zv", "aux1", "", "C:\\maps\\a:com1"})
    EXPECT_FALSE(NamesADevice(file)) << file;
}

TEST(NormaliseDirectory, TrimsAppendsOneBackslashAndCollapsesRunsButKeepsANetworkPrefix) {
  EXPECT_EQ(NormaliseDirectory("C:\\maps"), "C:\\maps\\");
  EXPECT_EQ(NormaliseDirectory("C:\\maps\\"), "C:\\maps\\");
  EXPECT_EQ(NormaliseDirectory(" \tC:\\maps\\\\old \r\n"), "C:\\maps\\old\\");
  EXPECT_EQ(NormaliseDirectory("\\\\server\\share"), "\\\\server\\share\\");
  EXPECT_EQ(NormaliseDirectory(" \\\\\\server\\\\share\\\\"), "\\\\server\\share\\");
  EXPECT_EQ(NormaliseDirectory("\\\\?\\C:\\maps"), "\\\\?\\C:\\maps\\");
  for (const char* empty : {"", "\\", "..", ".", ".\\", "..\\"}) EXPECT_EQ(NormaliseDirectory(empty), "") << empty;
}

}  // namespace
}  // namespace tastrix
