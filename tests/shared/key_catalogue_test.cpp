#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/form_model.h"
#include "model/key_scan_codes.h"
#include "model/tag_walks.h"
#include "support/printers.h"

namespace tastrix {
namespace {

std::vector<int> labelOrder(const FormModel& form) {
  std::vector<int> order;
  for (int i = 0; i < static_cast<int>(form.components().size()); ++i)
    if (form[i].kind == Kind::Label && form[i].tag >= 1 && form[i].tag <= 99) order.push_back(i);
  return order;
}

TEST(KeyCatalogue, LabelOrderHoldsTheTitleThenThe101KeysByGroup) {
  const FormModel form;
  const std::vector<int> order = labelOrder(form);
  ASSERT_EQ(order.size(), 102u);
  EXPECT_EQ(order[0], form.mapTitle);
  const int groups[] = {kMainKeyboard, kFunctionKeys, kCursorControl, kNumericKeypad};
  const int counts[] = {61, 13, 10, 17};
  size_t at = 1;
  for (int g = 0; g < 4; ++g)
    for (int k = 0; k < counts[g]; ++k, ++at) {
      EXPECT_EQ(form[order[at]].tag, groups[g]) << "position " << at;
      EXPECT_EQ(form[order[at]].keyPosition, static_cast<int>(at));
    }
}

TEST(KeyCatalogue, LegendsFollowLabelOrderWithRowsTwoAndFourRightToLeft) {
  const FormModel form;
  const std::vector<std::string> expected = {
      "` ~", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "=", "BackSpace", "\\", "] }", "[ {",
      "P", "O", "I", "U", "Y", "T", "R", "E", "W", "Q", "TAB", "Caps Lock", "A", "S", "D", "F", "G", "H",
      "J", "K", "L", "; :", "' \"", "Enter", "Shift", "/ ?", ". >", ", <", "M", "N", "B", "V", "C", "X",
      "Z", "Shift", "Ctrl", "Win", "Alt", "Space Bar", "Alt", "Win", "Menu", "Ctrl", "Esc", "F1", "F2",
      "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "Ins", "Home", "PgUp", "Del", "End",
      "PgDn", "/\\", "<-", "V", "->", "Num", "/", "*", "-", "7", "8", "9", "4", "5", "6", "1", "2", "3",
      "0 Ins", ". Del", "Enter", "+"};
  ASSERT_EQ(expected.size(), 101u);
  for (int p = 1; p <= kKeyCount; ++p) {
    EXPECT_EQ(form[form.keyName(p)].caption, expected[p - 1]) << "position " << p;
    EXPECT_EQ(form[form.keyName(p)].keyGroup, form[form.keyLabel(p)].tag);
  }
}

TEST(KeyCatalogue, GroupBoxesAndPictureExtent) {
  const FormModel form;
  const Rect keypad = form[form.groupBox(kNumericKeypad)].bounds;
  EXPECT_EQ(keypad, (Rect{1232, 94, 293, 367}));
  EXPECT_EQ(form[form.groupBox(kMainKeyboard)].bounds.top, 95);
  EXPECT_EQ(form[form.groupBox(kFunctionKeys)].caption, " Function Keys : ");
  EXPECT_EQ(form[form.groupBox(kCursorControl)].caption, " Cursor Control : ");
  EXPECT_EQ(form.pictureWidth(), 1528);
  EXPECT_EQ(form.pictureHeight(), 461);
  EXPECT_EQ(form.scrollRange(), 1525);
  const FontDescription caption = form[form.groupBox(kMainKeyboard)].font;
  EXPECT_EQ(caption.name, "System");
  EXPECT_EQ(caption.size, 10);
  EXPECT_EQ(heightFromPoints(caption.size, 96), -13);
  EXPECT_TRUE(caption.bold);
  EXPECT_EQ(caption.colour, kRed);
}

TEST(KeyCatalogue, UpArrowSitsTwoPixelsLowerThanTheFourthRow) {
  const FormModel form;
  EXPECT_EQ(form[form.borderShape(81)].bounds.top, 228);
  EXPECT_EQ(form[form.borderShape(42)].bounds.top, 226);
  EXPECT_EQ(form.clientRect(form.borderShape(81)).top, 95 + 228);
  EXPECT_EQ(form.clientRect(form.borderShape(85)).top, 94 + 16);
}

TEST(KeyCatalogue, KeyCapPartsFollowTheRuleAndItsExceptions) {
  const FormModel form;
  // The rule, on "Q" (position 27 has its key label one pixel lower).
  EXPECT_EQ(form[form.borderShape(2)].bounds, (Rect{72, 16, 65, 65}));
  EXPECT_EQ(form[form.faceShape(2)].bounds, (Rect{76, 20, 57, 57}));
  EXPECT_EQ(form[form.keyName(2)].bounds, (Rect{80, 22, 50, 32}));
  EXPECT_EQ(form[form.keyLabel(2)].bounds, (Rect{80, 36, 49, 39}));
  EXPECT_EQ(form[form.keyLabel(27)].bounds, (Rect{108, 107, 49, 39}));
  // The exceptions.
  EXPECT_EQ(form[form.keyName(14)].bounds, (Rect{899, 22, 97, 32}));
  EXPECT_EQ(form[form.keyLabel(14)].bounds, (Rect{896, 36, 101, 39}));
  EXPECT_EQ(form[form.keyName(15)].bounds, (Rect{927, 92, 65, 32}));
  EXPECT_EQ(form[form.keyLabel(15)].bounds, (Rect{924, 106, 68, 39}));
  EXPECT_EQ(form[form.keyName(28)].bounds, (Rect{12, 94, 78, 32}));
  EXPECT_EQ(form[form.keyLabel(28)].bounds, (Rect{12, 110, 77, 35}));
  EXPECT_EQ(form[form.keyName(29)].bounds, (Rect{12, 162, 93, 32}));
  EXPECT_EQ(form[form.keyLabel(29)].bounds, (Rect{12, 177, 93, 39}));
  EXPECT_EQ(form[form.keyLabel(40)].bounds.top, 156 + 21);
  EXPECT_EQ(form[form.keyLabel(41)].bounds.top, 156 + 20);
  EXPECT_EQ(form[form.keyName(41)].bounds, (Rect{876, 162, 117, 32}));
  EXPECT_EQ(form[form.keyName(42)].bounds, (Rect{840, 232, 153, 32}));
  EXPECT_EQ(form[form.keyName(54)].bounds.width, 81);
  EXPECT_EQ(form[form.keyName(61)].bounds.width, 81);
  EXPECT_EQ(form[form.keyName(57)].bounds.width, 373);
  EXPECT_EQ(form[form.keyName(98)].bounds.width, 115);
  EXPECT_EQ(form[form.keyName(100)].bounds, (Rect{217, 233, 50, 32}));
  EXPECT_EQ(form[form.keyLabel(100)].bounds, (Rect{217, 247, 49, 106}));
  EXPECT_EQ(form[form.keyLabel(101)].bounds, (Rect{217, 106, 49, 107}));
  for (int p = 1; p <= kKeyCount; ++p) {
    const Rect b = form[form.borderShape(p)].bounds, f = form[form.faceShape(p)].bounds;
    EXPECT_EQ(f, (Rect{b.left + 4, b.top + 4, b.width - 8, b.height - 8})) << "position " << p;
  }
}

TEST(KeyCatalogue, PrototypesAreTheEscKeyParts) {
  const FormModel form;
  EXPECT_EQ(form[form.nameLabel0].caption, "Esc");
  EXPECT_EQ(form.find("Shape_Back_0"), form.borderShape(62));
  EXPECT_EQ(form.find("Shape_0"), form.faceShape(62));
  EXPECT_EQ(form.find("Name_Label_0"), form.keyName(62));
  EXPECT_EQ(form.find("Label_0"), form.keyLabel(62));
  EXPECT_EQ(form[form.label0].onClick, ClickHandler::LabelEdit);
  EXPECT_EQ(form[form.keyLabel(1)].onClick, ClickHandler::None);
  EXPECT_EQ(form[form.shapeBack0].fill, kBtnFace);
  EXPECT_EQ(kBtnFace, -2147483633);
  EXPECT_EQ(form[form.shape0].fill, kWhite);
}

TEST(KeyCatalogue, InitialFontsAndHiddenState) {
  const FormModel form;
  EXPECT_EQ(form[form.mapTitle].font.name, "Times New Roman");
  EXPECT_EQ(heightFromPoints(form[form.mapTitle].font.size, 96), -37);
  EXPECT_EQ(form[form.nameLabel0].font.name, "MS Sans Serif");
  EXPECT_TRUE(form[form.keyLabel(62)].font.bold);
  EXPECT_EQ(form[form.keyLabel(62)].font.colour, kBlack);
  EXPECT_FALSE(form[form.keyLabel(1)].font.bold);
  EXPECT_EQ(form[form.keyLabel(1)].font.colour, kWindowText);
  EXPECT_EQ(form.factoryDefaultFont().name, "System");
  EXPECT_EQ(form.factoryDefaultFont().size, 10);
  EXPECT_EQ(heightFromPoints(form[form.notice].font.size, 96), -15);
  EXPECT_EQ(form.factoryDefaultColour(), 16777215);
  EXPECT_EQ(form.alignment(), -1);
  EXPECT_EQ(form.recordedGroup, PressGroup::None);
  EXPECT_FALSE(form.changed());
  EXPECT_TRUE(form.mapPath().empty());
}

TEST(KeyCatalogue, HitTestFindsTheTopmostComponent) {
  const FormModel form;
  const Rect q = form.clientRect(form.keyLabel(27));
  EXPECT_EQ(form.hitTest(q.left + q.width / 2, q.top + q.height / 2), form.keyLabel(27));
  const Rect legend = form.clientRect(form.keyName(27));
  EXPECT_EQ(form.hitTest(legend.left + legend.width / 2, legend.top + 2), form.keyName(27));
  const Rect rim = form.clientRect(form.borderShape(27));
  EXPECT_EQ(form.hitTest(rim.left + 1, rim.top + rim.height / 2), form.borderShape(27));
  EXPECT_EQ(form.hitTest(1100, 30), form.mapTitle);
  EXPECT_EQ(form.hitTest(1014, 200), -1);  // between the main keyboard and cursor groups
  EXPECT_EQ(form.hitTest(20, 100), form.groupBox(kMainKeyboard));
}

// Every layout comes from the 96-dpi tables, never from the last one: a
// window that visits monitors of other scales comes back exactly as it was.
TEST(KeyCatalogue, LaidOutForAnyDpiFromTheTablesWithNeighboursFlush) {
  FormModel form;
  const FormModel atStart;
  form.layOutFor(144);
  EXPECT_EQ(form.pictureWidth(), 2288 + 5);  // edges 1525 and 3 scaled, halves rounded up
  EXPECT_EQ(form[form.groupBox(kNumericKeypad)].bounds.bottom(), 692);
  EXPECT_EQ(heightFromPoints(form[form.mapTitle].font.size, form.dpi()), -56);
  for (const int dpi : {120, 168, 96}) form.layOutFor(dpi);
  for (size_t i = 0; i < form.components().size(); ++i) {
    EXPECT_EQ(form.components()[i].bounds, atStart.components()[i].bounds) << form.components()[i].name << " " << i;
    EXPECT_EQ(form.components()[i].font, atStart.components()[i].font) << form.components()[i].name << " " << i;
  }
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
  const FormModel form;
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
    EXPECT_EQ(form[form.keyName(position)].caption, code.legend) << std::hex << code.scan << " " << code.extended;
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
