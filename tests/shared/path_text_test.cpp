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
