// The map formats as pure functions: a map to the map file's text and the
// label list's, and back.
#include <gtest/gtest.h>

#include <string>

#include "mapfile/core/map_format.h"

namespace tastrix {
namespace {

TEST(MapFormat, AMapGoesToBothFilesAndComesBackWhole) {
  KeyboardMap map;
  map.labels[0] = "Title";
  map.labels[27] = "Quit";
  map.fonts[static_cast<size_t>(MapFont::KeyLabels)] = FontDescription{"Arial", 14, kRed, false, true, false, false, 0};
  map.keyColour = 0x123456;
  map.alignment = map.titleLayout = map.labelLayout = kLayoutBottom;
  const std::string mapText = MapFileText(map, "[Notes]\r\nkept=1\r\n");
  EXPECT_EQ(mapText.substr(0, 18), "[Notes]\r\nkept=1\r\n[");
  EXPECT_NE(mapText.find("[Label_0]\r\nFont.Color=255\r\nFont.Name=Arial\r\nFont.Size=14\r\nFont.fsBold=0\r\n"
                         "Font.fsUnderline=0\r\nFont.fsItalic=1\r\n"),
            std::string::npos)
      << mapText;
  const MapStyle style = ReadMapStyle(IniTextEntries(mapText), map);  // the character set is not stored
  EXPECT_EQ(style.fonts, map.fonts);
  EXPECT_EQ(style.keyColour, 0x123456);
  EXPECT_EQ(style.borderColour, kBtnFace);
  EXPECT_EQ(style.alignment, kLayoutBottom);

  const std::string listText = LabelListText(map);
  EXPECT_EQ(listText.substr(0, 21), "Title\r\nButton Label\r\n");
  const std::vector<std::string> lines = LabelListLines(listText);
  EXPECT_TRUE(std::equal(lines.begin(), lines.end(), map.labels.begin(), map.labels.end()));
}

}  // namespace
}  // namespace tastrix
