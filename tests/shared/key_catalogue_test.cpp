#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/key_scan_codes.h"
#include "model/map_document.h"
#include "model/picture_layout.h"
#include "support/printers.h"

namespace tastrix {
namespace {

// A piece's rectangle relative to its group box, as the key table gives it.
Rect inGroup(const PictureLayout& layout, const Rect& r, int group) {
  const Rect& box = layout.groupBox(group);
  return Rect{r.left - box.left, r.top - box.top, r.width, r.height};
}

TEST(KeyCatalogue, LabelOrderHoldsThe101KeysByGroup) {
  const int groups[] = {kMainKeyboard, kFunctionKeys, kCursorControl, kNumericKeypad};
  const int counts[] = {61, 13, 10, 17};
  int at = 1;
  for (int g = 0; g < 4; ++g)
    for (int k = 0; k < counts[g]; ++k, ++at) {
      EXPECT_EQ(keyAt(at).group, groups[g]) << "position " << at;
      EXPECT_EQ(keyAt(at).position, at);
    }
  EXPECT_EQ(at, kLabelPositions);
}

TEST(KeyCatalogue, LegendsFollowLabelOrderWithRowsTwoAndFourRightToLeft) {
  const std::vector<std::string> expected = {
      "` ~", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "=", "BackSpace", "\\", "] }", "[ {",
      "P", "O", "I", "U", "Y", "T", "R", "E", "W", "Q", "TAB", "Caps Lock", "A", "S", "D", "F", "G", "H",
      "J", "K", "L", "; :", "' \"", "Enter", "Shift", "/ ?", ". >", ", <", "M", "N", "B", "V", "C", "X",
      "Z", "Shift", "Ctrl", "Win", "Alt", "Space Bar", "Alt", "Win", "Menu", "Ctrl", "Esc", "F1", "F2",
      "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "Ins", "Home", "PgUp", "Del", "End",
      "PgDn", "/\\", "<-", "V", "->", "Num", "/", "*", "-", "7", "8", "9", "4", "5", "6", "1", "2", "3",
      "0 Ins", ". Del", "Enter", "+"};
  ASSERT_EQ(expected.size(), 101u);
  for (int p = 1; p <= kKeyCount; ++p) EXPECT_EQ(keyAt(p).legend, expected[p - 1]) << "position " << p;
}

TEST(KeyCatalogue, GroupBoxesAndPictureExtent) {
  const PictureLayout layout;
  EXPECT_EQ(layout.groupBox(kNumericKeypad), (Rect{1232, 94, 293, 367}));
  EXPECT_EQ(layout.groupBox(kMainKeyboard).top, 95);
  EXPECT_EQ(groupOf(kFunctionKeys).caption, std::string(" Function Keys : "));
  EXPECT_EQ(groupOf(kCursorControl).caption, std::string(" Cursor Control : "));
  EXPECT_EQ(layout.pictureWidth(), 1528);
  EXPECT_EQ(layout.pictureHeight(), 461);
  EXPECT_EQ(layout.scrollRange(), 1525);
  EXPECT_EQ(layout.title(), (Rect{1020, 6, 505, 67}));
}

TEST(KeyCatalogue, UpArrowSitsTwoPixelsLowerThanTheFourthRow) {
  const PictureLayout layout;
  EXPECT_EQ(inGroup(layout, layout.keyBorder(81), kCursorControl).top, 228);
  EXPECT_EQ(inGroup(layout, layout.keyBorder(42), kMainKeyboard).top, 226);
  EXPECT_EQ(layout.keyBorder(81).top, 95 + 228);
  EXPECT_EQ(layout.keyBorder(85).top, 94 + 16);
}

TEST(KeyCatalogue, KeyCapPartsFollowTheRuleAndItsExceptions) {
  const PictureLayout layout;
  const auto main = [&](const Rect& r) { return inGroup(layout, r, kMainKeyboard); };
  const auto keypad = [&](const Rect& r) { return inGroup(layout, r, kNumericKeypad); };
  // The rule, on "1" (the two upper letter rows have their key labels one pixel lower).
  EXPECT_EQ(main(layout.keyBorder(2)), (Rect{72, 16, 65, 65}));
  EXPECT_EQ(main(layout.keyFace(2)), (Rect{76, 20, 57, 57}));
  EXPECT_EQ(main(layout.keyName(2)), (Rect{80, 22, 50, 32}));
  EXPECT_EQ(main(layout.keyLabel(2)), (Rect{80, 36, 49, 39}));
  EXPECT_EQ(main(layout.keyLabel(27)), (Rect{108, 107, 49, 39}));
  // The exceptions.
  EXPECT_EQ(main(layout.keyName(14)), (Rect{899, 22, 97, 32}));
  EXPECT_EQ(main(layout.keyLabel(14)), (Rect{896, 36, 101, 39}));
  EXPECT_EQ(main(layout.keyName(15)), (Rect{927, 92, 65, 32}));
  EXPECT_EQ(main(layout.keyLabel(15)), (Rect{924, 106, 68, 39}));
  EXPECT_EQ(main(layout.keyName(28)), (Rect{12, 94, 78, 32}));
  EXPECT_EQ(main(layout.keyLabel(28)), (Rect{12, 110, 77, 35}));
  EXPECT_EQ(main(layout.keyName(29)), (Rect{12, 162, 93, 32}));
  EXPECT_EQ(main(layout.keyLabel(29)), (Rect{12, 177, 93, 39}));
  EXPECT_EQ(main(layout.keyLabel(40)).top, 156 + 21);
  EXPECT_EQ(main(layout.keyLabel(41)).top, 156 + 20);
  EXPECT_EQ(main(layout.keyName(41)), (Rect{876, 162, 117, 32}));
  EXPECT_EQ(main(layout.keyName(42)), (Rect{840, 232, 153, 32}));
  EXPECT_EQ(layout.keyName(54).width, 81);
  EXPECT_EQ(layout.keyName(61).width, 81);
  EXPECT_EQ(layout.keyName(57).width, 373);
  EXPECT_EQ(layout.keyName(98).width, 115);
  EXPECT_EQ(keypad(layout.keyName(100)), (Rect{217, 233, 50, 32}));
  EXPECT_EQ(keypad(layout.keyLabel(100)), (Rect{217, 247, 49, 106}));
  EXPECT_EQ(keypad(layout.keyLabel(101)), (Rect{217, 106, 49, 107}));
  for (int p = 1; p <= kKeyCount; ++p) {
    const Rect b = layout.keyBorder(p), f = layout.keyFace(p);
    EXPECT_EQ(f, (Rect{b.left + 4, b.top + 4, b.width - 8, b.height - 8})) << "position " << p;
  }
}

TEST(KeyCatalogue, TheMapBeforeTheStartUp) {
  const KeyboardMap map;
  EXPECT_EQ(map.font(MapFont::Title).name, "Times New Roman");
  EXPECT_EQ(heightFromPoints(map.font(MapFont::Title).size, 96), -37);
  EXPECT_EQ(map.font(MapFont::KeyNames).name, "MS Sans Serif");
  const FontDescription caption = map.font(MapFont::GroupNames);
  EXPECT_EQ(caption.name, "System");
  EXPECT_EQ(heightFromPoints(caption.size, 96), -13);
  EXPECT_TRUE(caption.bold);
  EXPECT_EQ(caption.colour, kRed);
  EXPECT_EQ(FactoryDefaultFont().name, "System");
  EXPECT_EQ(FactoryDefaultFont().size, 10);
  EXPECT_EQ(kFactoryDefaultColour, 16777215);
  EXPECT_EQ(map.borderColour, -2147483633);  // the button face's system colour
  EXPECT_EQ(map.keyColour, kWhite);
  EXPECT_EQ(map.alignment, -1);
  EXPECT_EQ(map.titleLayout, kLayoutCenter);
  EXPECT_EQ(map.labelLayout, kLayoutTop);
  const MapDocument document;
  EXPECT_FALSE(document.changed());
  EXPECT_TRUE(document.path().empty());
}

TEST(KeyCatalogue, APressFindsTheTopmostPiece) {
  const PictureLayout layout;
  using Kind = PicturePiece::Kind;
  const auto at = [&](int x, int y) {
    const PicturePiece* piece = layout.pieceAt(x, y);
    return piece ? std::make_pair(piece->kind, piece->position) : std::make_pair(Kind::Notice, -2);
  };
  const Rect q = layout.keyLabel(27), legend = layout.keyName(27), rim = layout.keyBorder(27);
  EXPECT_EQ(at(q.left + q.width / 2, q.top + q.height / 2), std::make_pair(Kind::KeyLabel, 27));
  EXPECT_EQ(at(legend.left + legend.width / 2, legend.top + 2), std::make_pair(Kind::KeyName, 27));
  EXPECT_EQ(at(rim.left + 1, rim.top + rim.height / 2), std::make_pair(Kind::KeyBorder, 27));
  EXPECT_EQ(at(1100, 30), std::make_pair(Kind::Title, 0));
  EXPECT_EQ(at(1014, 200), std::make_pair(Kind::Notice, -2)) << "nothing between the main keyboard and cursor groups";
  EXPECT_EQ(at(20, 100), std::make_pair(Kind::GroupBox, -1));
}

// Edges are scaled, not sizes.
TEST(KeyCatalogue, LaidOutForAnyDpiFromTheTables) {
  const PictureLayout layout(144);
  EXPECT_EQ(layout.pictureWidth(), 2288 + 5);  // edges 1525 and 3 scaled, halves rounded up
  EXPECT_EQ(layout.groupBox(kNumericKeypad).bottom(), 692);
  EXPECT_EQ(heightFromPoints(KeyboardMap().font(MapFont::Title).size, layout.dpi()), -56);
}

TEST(KeyScanCodes, EveryKeyOfThePictureHasItsOwnCode) {
  std::set<std::pair<int, bool>> codes;
  for (int p = 1; p <= kKeyCount; ++p) {
    const KeyScanCode& key = keyScanCodes()[p - 1];
    EXPECT_EQ(key.position, p);
    EXPECT_TRUE(codes.insert({key.scan, key.extended}).second) << "position " << p << " shares its code";
    EXPECT_EQ(keyAtScanCode(key.scan, key.extended), p);
  }
}

// Keys that share a scan code are told apart by the extended flag; keys that
// are not on the picture pick nothing.
TEST(KeyScanCodes, TheExtendedFlagTellsApartKeysThatShareACode) {
  const struct {
    unsigned scan;
    bool extended;
    const char* legend;  // nullptr: no key of the picture
  } codes[] = {
      {0x1C, false, "Enter"}, {0x1C, true, "Enter"},  {0x1D, false, "Ctrl"}, {0x1D, true, "Ctrl"},
      {0x38, false, "Alt"},   {0x38, true, "Alt"},    {0x35, false, "/ ?"},  {0x35, true, "/"},
      {0x47, false, "7"},     {0x47, true, "Home"},   {0x53, false, ". Del"}, {0x53, true, "Del"},
      {0x52, false, "0 Ins"}, {0x52, true, "Ins"},    {0x48, false, "8"},     {0x48, true, "/\\"},
      {0x45, true, "Num"},    {0x45, false, nullptr}, {0x37, false, "*"},     {0x37, true, nullptr},
      {0x2A, false, "Shift"}, {0x2A, true, nullptr},  {0x36, false, "Shift"}, {0x46, false, nullptr},
      {0x5B, true, "Win"},    {0x5C, true, "Win"},    {0x5D, true, "Menu"},   {0x56, false, nullptr},
  };
  for (const auto& code : codes) {
    const int position = keyAtScanCode(code.scan, code.extended);
    if (!code.legend) {
      EXPECT_EQ(position, -1) << std::hex << code.scan << " " << code.extended;
      continue;
    }
    ASSERT_GE(position, 1) << std::hex << code.scan << " " << code.extended;
    EXPECT_STREQ(keyAt(position).legend, code.legend) << std::hex << code.scan << " " << code.extended;
  }
  // Left and right of a pair are different keys.
  EXPECT_EQ(keyAtScanCode(0x1D, false), 54);
  EXPECT_EQ(keyAtScanCode(0x1D, true), 61);
  EXPECT_EQ(keyAtScanCode(0x2A, false), 53);
  EXPECT_EQ(keyAtScanCode(0x36, false), 42);
  EXPECT_EQ(keyAtScanCode(0x1C, true), 100);
}

}  // namespace
}  // namespace tastrix
