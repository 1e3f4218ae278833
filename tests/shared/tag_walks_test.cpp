#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/form_model.h"
#include "model/tag_walks.h"

namespace tastrix {
namespace {

int countLabelsWithCaption(const FormModel& form, const std::string& caption) {
  int n = 0;
  for (const Component& c : form.components()) n += c.kind == Kind::Label && c.caption == caption;
  return n;
}

TEST(TagWalks, SetLabelTextsCountsPerRange) {
  const int expected[] = {13, 61, 10, 17};
  for (int g = 1; g <= 4; ++g) {
    FormModel form;
    SetLabelTexts(form, "x", TagRange{g, g});
    EXPECT_EQ(countLabelsWithCaption(form, "x"), expected[g - 1]) << "group " << g;
  }
  FormModel all;
  SetLabelTexts(all, "x", kKeyLabels);
  EXPECT_EQ(countLabelsWithCaption(all, "x"), 101);
  EXPECT_EQ(all[all.mapTitle].caption, "Keyboard Map Title");
  FormModel withTitle;
  SetLabelTexts(withTitle, "x", kLabelOrder);
  EXPECT_EQ(countLabelsWithCaption(withTitle, "x"), 102);
}

TEST(TagWalks, GatherThenApplyRestoresEveryCaption) {
  FormModel form;
  for (int p = 1; p <= kKeyCount; ++p) form.setCaption(form.keyLabel(p), "key " + std::to_string(p));
  form.setCaption(form.mapTitle, "My map");
  std::vector<std::string> list{"stale"};
  GatherLabelTexts(form, list, kLabelOrder);
  ASSERT_EQ(list.size(), 102u);
  EXPECT_EQ(list[0], "My map");
  EXPECT_EQ(list[1], "key 1");
  EXPECT_EQ(list[101], "key 101");
  SetLabelTexts(form, "", kLabelOrder);
  ApplyLabelTexts(form, list, kLabelOrder);
  EXPECT_EQ(form[form.mapTitle].caption, "My map");
  for (int p = 1; p <= kKeyCount; ++p) EXPECT_EQ(form[form.keyLabel(p)].caption, "key " + std::to_string(p));
}

TEST(TagWalks, ApplyLabelTextsUsesLinesWhileTheyLast) {
  FormModel empty;
  ApplyLabelTexts(empty, {}, kLabelOrder);
  EXPECT_EQ(countLabelsWithCaption(empty, "Button Label"), 101);

  FormModel five;
  ApplyLabelTexts(five, {"T", "a", "b", "", " d "}, kLabelOrder);
  EXPECT_EQ(five[five.mapTitle].caption, "T");
  EXPECT_EQ(five[five.keyLabel(1)].caption, "a");
  EXPECT_EQ(five[five.keyLabel(2)].caption, "b");
  EXPECT_EQ(five[five.keyLabel(3)].caption, "");
  EXPECT_EQ(five[five.keyLabel(4)].caption, " d ");
  EXPECT_EQ(countLabelsWithCaption(five, "Button Label"), 97);

  FormModel many;
  std::vector<std::string> lines;
  for (int i = 0; i < 200; ++i) lines.push_back("line " + std::to_string(i));
  ApplyLabelTexts(many, lines, kLabelOrder);
  EXPECT_EQ(many[many.mapTitle].caption, "line 0");
  EXPECT_EQ(many[many.keyLabel(101)].caption, "line 101");
  EXPECT_EQ(countLabelsWithCaption(many, "line 102"), 0);
}

TEST(TagWalks, WalksNeverTouchTagMinusOne) {
  FormModel form;
  const FontDescription noticeFont = form[form.notice].font, factoryFont = form.factoryDefaultFont();
  FontDescription big;
  big.name = "Arial";
  big.size = 22;
  SetLabelFonts(form, big, kKeyNames);
  SetLabelFonts(form, big, kKeyLabels);
  SetLabelTexts(form, "x", kLabelOrder);
  EXPECT_EQ(form[form.notice].font, noticeFont);
  EXPECT_EQ(form.factoryDefaultFont(), factoryFont);
  EXPECT_EQ(form[form.keyName(57)].font, big);
  EXPECT_EQ(form[form.mapTitle].font.name, "Times New Roman");
  EXPECT_EQ(form[form.notice].caption, "");
}

TEST(TagWalks, FontsAndColoursReachExactlyTheirClass) {
  FormModel form;
  FontDescription f;
  f.name = "Courier New";
  SetGroupBoxFonts(form, f, kGroupBoxes);
  int boxes = 0, radios = 0;
  for (const Component& c : form.components()) {
    boxes += c.kind == Kind::GroupBox && c.font == f;
    radios += c.kind == Kind::RadioGroup && c.font == f;
  }
  EXPECT_EQ(boxes, 4);
  EXPECT_EQ(radios, 0);

  SetShapeColours(form, 0x00FF00, kFaceShapes);
  SetShapeColours(form, 0x0000FF, kBorderShapes);
  for (int p = 1; p <= kKeyCount; ++p) {
    EXPECT_EQ(form[form.faceShape(p)].fill, 0x00FF00);
    EXPECT_EQ(form[form.borderShape(p)].fill, 0x0000FF);
  }
}

TEST(TagWalks, AFontFromATargetIsCopiedNotShared) {
  FormModel form;
  FontDescription italic = form[form.nameLabel0].font;
  italic.italic = true;
  form.setFont(form.nameLabel0, italic);
  SetLabelFonts(form, form[form.nameLabel0].font, kKeyNames);
  FontDescription renamed = form[form.keyName(1)].font;
  renamed.name = "Changed";
  form.setFont(form.keyName(1), renamed);
  EXPECT_TRUE(form[form.keyName(101)].font.italic);
  EXPECT_EQ(form[form.nameLabel0].font.name, "MS Sans Serif");
}

TEST(TagWalks, LayoutsTransparencyAndClickHandlers) {
  FormModel form;
  SetLabelLayouts(form, kLayoutBottom, kLabelOrder);
  EXPECT_EQ(form[form.mapTitle].layout, kLayoutBottom);
  EXPECT_EQ(form[form.keyLabel(50)].layout, kLayoutBottom);
  EXPECT_EQ(form[form.keyName(50)].layout, kLayoutTop);

  SetLabelsTransparent(form, true);
  for (const Component& c : form.components()) {
    if (c.kind == Kind::Label) {
      EXPECT_TRUE(c.transparent) << c.name;
    }
  }

  AssignLabelClickHandler(form, form.label0, kLabelOrder);
  int clickable = 0;
  for (const Component& c : form.components()) clickable += c.onClick == ClickHandler::LabelEdit;
  EXPECT_EQ(clickable, 102);
  EXPECT_EQ(form[form.keyName(1)].onClick, ClickHandler::None);
}

}  // namespace
}  // namespace tastrix
