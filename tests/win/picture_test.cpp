#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi_values.h"
#include "support/form_fixture.h"
#include "win/picture_pixels.h"

namespace tastrix::testing {
namespace {

constexpr COLORREF kBlackPixel = RGB(0, 0, 0);
constexpr int kQ = 27;    // label position of the "Q" key
constexpr int kEsc = 62;  // the function keys' labels are black

bool dark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96; }

// The pixels of a client rectangle, copied at once from the window's own surface.
class Snapshot {
 public:
  Snapshot(HWND hwnd, const RECT& area) : area_(area), pixels_(size()) {
    WindowDC windowDc(hwnd);
    copyFrom(windowDc.get(), area.left, area.top);
  }
  // An image drawn by `draw` into a white memory bitmap of the area's size.
  template <typename Draw>
  static Snapshot drawn(const RECT& area, Draw draw) {
    Snapshot s(area);
    WindowDC screen(nullptr);
    MemoryDC memory(screen.get());
    Bitmap bitmap(CreateCompatibleBitmap(screen.get(), s.width(), s.height()));
    {
      Selection select(memory.get(), bitmap.get());
      RECT all{0, 0, s.width(), s.height()};
      FillRect(memory.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      draw(memory.get(), all);
      s.copyFrom(memory.get(), 0, 0);
    }
    return s;
  }

  int width() const { return area_.right - area_.left; }
  int height() const { return area_.bottom - area_.top; }
  // Client coordinates.
  COLORREF at(int x, int y) const {
    if (x < area_.left || x >= area_.right || y < area_.top || y >= area_.bottom) {
      ADD_FAILURE() << "pixel " << x << "," << y << " lies outside the snapshot";
      return kWhitePixel;
    }
    const DWORD bgra = pixels_[static_cast<size_t>((y - area_.top) * width() + (x - area_.left))];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
  }
  int countDark(const RECT& r) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += dark(at(x, y));
    return n;
  }
  const RECT& area() const { return area_; }

 private:
  explicit Snapshot(const RECT& area) : area_(area), pixels_(size()) {}
  size_t size() const { return static_cast<size_t>(width() * height()); }
  void copyFrom(HDC source, int x, int y) {
    WindowDC screen(nullptr);
    MemoryDC memory(screen.get());
    const BITMAPINFO info = topDownBitmapInfo(width(), height());
    void* bits = nullptr;
    Bitmap dib(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(dib.valid());
    Selection select(memory.get(), dib.get());
    BitBlt(memory.get(), 0, 0, width(), height(), source, x, y, SRCCOPY);
    GdiFlush();
    std::memcpy(pixels_.data(), bits, size() * sizeof(DWORD));
  }

  RECT area_;
  std::vector<DWORD> pixels_;
};

class Picture : public FormTest {
 protected:
  // The start-up load gives both key colours and every font the factory
  // defaults; the look the window is created with shows them apart.
  void showCreatedLook() {
    document().setColour(MapColour::KeyBorders, kBtnFace);
    document().setFont(MapFont::GroupNames, KeyboardMap().font(MapFont::GroupNames));
  }
  // Window wide and tall enough for the whole picture and a margin around it.
  void startWide() {
    startForm();
    mainWindow().setClientSize(layout().pictureWidth() + 120, layout().pictureHeight() + 60);
    pump();
  }
  void redraw() {
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    pump();
  }
  Snapshot client() {
    redraw();
    return unrefreshedClient();
  }
  Snapshot unrefreshedClient() {
    RECT r;
    GetClientRect(hwnd(), &r);
    return Snapshot(hwnd(), r);
  }
  RECT onScreen(const Rect& r) {
    const int s = mainWindow().scrollPosition();
    return RECT{r.left - s, r.top, r.right() - s, r.bottom()};
  }
  // The key labels alone: the legends drawn in white, so that only a label's text can be dark.
  void hideLegends() {
    FontDescription white = map().font(MapFont::KeyNames);
    white.colour = kWhite;
    document().setFont(MapFont::KeyNames, white);
  }
};

TEST_F(Picture, KeyCapsAreRoundedBordersAroundWhiteFaces) {
  startForm();
  showCreatedLook();
  const Snapshot s = client();
  const RECT border = onScreen(layout().keyBorder(kQ));
  const RECT face = onScreen(layout().keyFace(kQ));
  const int midY = (border.top + border.bottom) / 2;
  ASSERT_EQ(face.left, border.left + 4);

  EXPECT_EQ(s.at(border.left, midY), kBlackPixel) << "border outline";
  EXPECT_EQ(s.at(border.left + 2, midY), GetSysColor(COLOR_BTNFACE)) << "border fill";
  EXPECT_EQ(s.at(face.left, midY), kBlackPixel) << "face outline";
  EXPECT_EQ(s.at(face.left + 3, midY), kWhitePixel) << "face fill left of the texts";
  EXPECT_EQ(s.at(border.right - 1, midY), kBlackPixel) << "border's right outline";
  EXPECT_EQ(s.at((border.left + border.right) / 2, border.top), kBlackPixel) << "top edge";
  EXPECT_EQ(s.at((border.left + border.right) / 2, border.bottom - 1), kBlackPixel) << "bottom edge";
  // Corners are rounded with a 16-pixel ellipse: the arc meets the second row
  // at the fifth pixel and the fifth row at the second pixel.
  EXPECT_EQ(s.at(border.left, border.top), kWhitePixel);
  EXPECT_EQ(s.at(border.left + 3, border.top + 1), kWhitePixel);
  EXPECT_EQ(s.at(border.left + 4, border.top + 1), kBlackPixel);
  EXPECT_EQ(s.at(border.left, border.top + 4), kWhitePixel);
  EXPECT_EQ(s.at(border.left + 1, border.top + 4), kBlackPixel);
  EXPECT_EQ(s.at(border.left + 2, border.top + 4), GetSysColor(COLOR_BTNFACE));

  // The fills follow the map's colours, system colours included.
  document().setColour(MapColour::KeyFaces, RGB(0, 0, 200));
  document().setColour(MapColour::KeyBorders, systemColour(COLOR_HIGHLIGHT));
  const Snapshot coloured = client();
  EXPECT_EQ(coloured.at(face.left + 3, midY), RGB(0, 0, 200));
  EXPECT_EQ(coloured.at(border.left + 2, midY), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(coloured.at(face.left, midY), kBlackPixel);
}

TEST_F(Picture, GroupBoxesShowEtchedFramesAndRedCaptions) {
  startWide();
  showCreatedLook();
  const Snapshot s = client();
  for (int group = 1; group <= 4; ++group) {
    SCOPED_TRACE(group);
    const RECT box = onScreen(layout().groupBox(group));
    int red = 0;
    for (int y = box.top; y < box.top + 16; ++y)
      for (int x = box.left + 8; x < box.left + 120; ++x) red += s.at(x, y) == RGB(255, 0, 0);
    EXPECT_GT(red, 30) << "caption text";
    EXPECT_EQ(s.countDark({box.left, box.top, box.left + 8, box.top + 4}), 0) << "nothing above the frame";
    const int midY = (box.top + box.bottom) / 2;
    EXPECT_EQ(s.at(box.left, midY), GetSysColor(COLOR_BTNSHADOW)) << "etched frame, outer line";
    EXPECT_EQ(s.at(box.left + 1, midY), GetSysColor(COLOR_BTNHIGHLIGHT)) << "etched frame, inner line";
    EXPECT_EQ(s.at(box.left + 4, box.bottom - 2), GetSysColor(COLOR_BTNSHADOW)) << "bottom line";
  }
  // The caption's background interrupts the frame's top line.
  const RECT main = onScreen(layout().groupBox(kMainKeyboard));
  const int frameTop = [&] {
    for (int y = main.top; y < main.top + 16; ++y)
      if (s.at(main.left, y) == GetSysColor(COLOR_BTNSHADOW)) return y;
    return -1;
  }();
  ASSERT_GT(frameTop, main.top);
  EXPECT_EQ(s.at(main.left + 4, frameTop), GetSysColor(COLOR_BTNSHADOW));
  int frameUnderCaption = 0;
  for (int x = main.left + 10; x < main.left + 100; ++x)
    frameUnderCaption += s.at(x, frameTop) == GetSysColor(COLOR_BTNSHADOW);
  EXPECT_EQ(frameUnderCaption, 0);
}

TEST_F(Picture, TitleAndNoticeAreDrawnInTheirBoxes) {
  startWide();
  const RECT title = onScreen(layout().title());
  const RECT notice = onScreen(layout().notice());
  const Snapshot before = client();
  EXPECT_GT(before.countDark(title), 200);
  EXPECT_GT(before.countDark(notice), 50);

  // Centred both ways: the title's ink lies around the middle of its box.
  int top = title.bottom, bottom = title.top, left = title.right, right = title.left;
  for (int y = title.top; y < title.bottom; ++y)
    for (int x = title.left; x < title.right; ++x)
      if (dark(before.at(x, y))) {
        top = std::min(top, y), bottom = std::max(bottom, y);
        left = std::min(left, x), right = std::max(right, x);
      }
  EXPECT_NEAR((top + bottom) / 2, (title.top + title.bottom) / 2, 6);
  EXPECT_NEAR((left + right) / 2, (title.left + title.right) / 2, 6);

  document().setLabel(0, "");
  EXPECT_EQ(client().countDark(title), 0);
}

TEST_F(Picture, KeyLabelTextFollowsCaptionFontAndLayout) {
  startForm();
  // The face's rounded corners reach into the label's box; keep clear of them.
  RECT box = onScreen(layout().keyLabel(kQ));
  InflateRect(&box, -4, 0);
  hideLegends();
  document().setLabel(kQ, "");
  EXPECT_EQ(client().countDark(box), 0);

  document().setLabel(kQ, "WWW");
  EXPECT_GT(client().countDark(box), 40);

  // The alignment commands move the ink: top, centre and bottom of the box.
  document().setLabel(kQ, "W");
  auto inkRows = [&](int alignCommand) {
    command(alignCommand);
    const Snapshot s = client();
    int first = box.bottom, last = box.top - 1;
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x)
        if (dark(s.at(x, y))) first = std::min(first, y), last = std::max(last, y);
    return std::make_pair(first, last);
  };
  const auto top = inkRows(ID_Align_Top), centre = inkRows(ID_Align_Center), bottom = inkRows(ID_Align_Bottom);
  EXPECT_LT(top.first - box.top, 6);
  EXPECT_LT(box.bottom - 1 - bottom.second, 6);
  EXPECT_LT(top.first, centre.first);
  EXPECT_LT(centre.first, bottom.first);
  EXPECT_NEAR(centre.first - box.top, box.bottom - 1 - centre.second, 3);

  // Word-wrapped lines are centred as a block.
  document().setLabel(kQ, "W W W W");
  const auto wrapped = inkRows(ID_Align_Center);
  EXPECT_GT(wrapped.second - wrapped.first, 2 * (centre.second - centre.first));
  EXPECT_NEAR(wrapped.first - box.top, box.bottom - 1 - wrapped.second, 3);

  // A face the machine lacks is mapped to another one, never dropped.
  document().align(kLayoutTop);
  FontDescription unknownFace = map().font(MapFont::KeyLabels);
  unknownFace.name = "No Such Face On Any Machine At All, Longer Than Thirty-Two";
  document().setFont(MapFont::KeyLabels, unknownFace);
  EXPECT_GT(client().countDark(box), 20);
}

class Ampersands : public Picture {
 protected:
  Snapshot labelWith(const std::string& text) {
    document().setLabel(kEsc, text);
    redraw();
    return Snapshot(hwnd(), onScreen(layout().keyLabel(kEsc)));
  }
  // The text as it looks drawn literally in the label's font.
  Snapshot literal(const std::string& text) {
    const LOGFONTW lf = logFontOf(map().font(MapFont::KeyLabels), layout().dpi());
    return Snapshot::drawn(onScreen(layout().keyLabel(kEsc)), [&](HDC dc, RECT all) {
      Font font(CreateFontIndirectW(&lf));
      Selection select(dc, font.get());
      SetBkMode(dc, TRANSPARENT);
      DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &all, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    });
  }
  static std::vector<bool> inkOf(const Snapshot& s) {
    std::vector<bool> ink;
    for (int y = s.area().top; y < s.area().bottom; ++y)
      for (int x = s.area().left; x < s.area().right; ++x) ink.push_back(dark(s.at(x, y)));
    return ink;
  }
  void SetUp() override {
    Picture::SetUp();
    startForm();
    hideLegends();
    document().align(kLayoutTop);  // where the reference text is drawn
    ASSERT_EQ(map().font(MapFont::KeyLabels).colour, kBlack);
  }
};

TEST_F(Ampersands, AmpersandUnderlinesTheNextCharacter) {
  const Snapshot plain = labelWith("Q");
  const Snapshot marked = labelWith("&Q");
  std::vector<int> extraRows;
  for (int y = plain.area().top; y < plain.area().bottom; ++y) {
    bool extra = false;
    for (int x = plain.area().left; x < plain.area().right; ++x) {
      ASSERT_FALSE(dark(plain.at(x, y)) && !dark(marked.at(x, y))) << "the Q stays where it was";
      extra = extra || (dark(marked.at(x, y)) && !dark(plain.at(x, y)));
    }
    if (extra) extraRows.push_back(y);
  }
  ASSERT_FALSE(extraRows.empty()) << "an underline";
  EXPECT_LE(extraRows.size(), 2u) << "only an underline, no '&' glyph";
}

TEST_F(Ampersands, DoubleAmpersandDrawsOne) {
  const Snapshot drawn = labelWith("&&");
  EXPECT_EQ(inkOf(drawn), inkOf(literal("&")));
  EXPECT_NE(inkOf(drawn), inkOf(literal("&&")));
  EXPECT_GT(drawn.countDark(drawn.area()), 10);
}

TEST_F(Picture, NothingIsDrawnOutsideThePicture) {
  startWide();
  RECT client;
  GetClientRect(hwnd(), &client);
  const Snapshot s = this->client();
  const int right = layout().scrollRange();
  ASSERT_GT(client.right, right + 100);
  for (int y = 0; y < client.bottom; ++y)
    for (int x = right; x < client.right; ++x) ASSERT_EQ(s.at(x, y), kWhitePixel) << x << "," << y;
  int bottom = 0;
  for (const PicturePiece& piece : layout().pieces()) bottom = std::max(bottom, piece.bounds.bottom());
  ASSERT_GT(client.bottom, bottom + 20);
  for (int y = bottom; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) ASSERT_EQ(s.at(x, y), kWhitePixel) << x << "," << y;
}

TEST_F(Picture, ResizeRepaintsTheNewlyExposedArea) {
  startForm();
  showCreatedLook();
  const int narrow = mainWindow().clientWidth();
  const RECT farFace = onScreen(layout().keyFace(85));  // "Num", beyond the narrow window
  ASSERT_GT(farFace.left, narrow);
  mainWindow().setClientSize(layout().pictureWidth() + 40, mainWindow().clientHeight());
  UpdateWindow(hwnd());
  pump();
  // No forced redraw: what the resize itself painted must be complete.
  const Snapshot s = unrefreshedClient();
  const int midY = (farFace.top + farFace.bottom) / 2;
  EXPECT_EQ(s.at(farFace.left, midY), kBlackPixel);
  EXPECT_EQ(s.at(farFace.left + 3, midY), kWhitePixel);
  EXPECT_EQ(s.at(farFace.left - 2, midY), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(s.at(mainWindow().clientWidth() - 1, 200), kWhitePixel);
}

TEST_F(Picture, ScrollingShiftsThePicture) {
  startForm();
  const Snapshot unscrolled = client();
  mainWindow().setScrollPosition(300);
  ASSERT_EQ(mainWindow().scrollPosition(), 300);
  const Snapshot scrolled = client();
  for (int y = 0; y < scrolled.height(); ++y)
    for (int x = 0; x + 300 < scrolled.width(); ++x)
      ASSERT_EQ(scrolled.at(x, y), unscrolled.at(x + 300, y)) << x << "," << y;
  const RECT face = onScreen(layout().keyFace(75));  // "Ins"
  ASSERT_GT(face.left + 300, unscrolled.width()) << "a key that only scrolling brings into view";
  EXPECT_EQ(scrolled.at(face.left, (face.top + face.bottom) / 2), kBlackPixel);
  EXPECT_EQ(scrolled.at(face.left + 3, (face.top + face.bottom) / 2), kWhitePixel);
}

TEST_F(Picture, PartialRepaintMatchesAFullOne) {
  startWide();
  mainWindow().setScrollPosition(0);
  client();
  document().setColour(MapColour::KeyFaces, RGB(200, 0, 0));
  for (int position = 1; position <= 101; ++position) document().setLabel(position, "W&X Y");
  FontDescription groups = map().font(MapFont::GroupNames);
  groups.colour = RGB(0, 128, 0);
  document().setFont(MapFont::GroupNames, groups);
  // Invalidate strips that cut through keys, labels, a group caption and the title.
  const RECT strips[] = {{0, 90, 400, 130}, {130, 0, 170, 470}, {1100, 30, 1300, 110}};
  for (const RECT& r : strips) InvalidateRect(hwnd(), &r, FALSE);
  UpdateWindow(hwnd());
  pump();
  const Snapshot partial = unrefreshedClient();
  const Snapshot full = client();
  for (const RECT& r : strips)
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) ASSERT_EQ(partial.at(x, y), full.at(x, y)) << x << "," << y;
  // Outside the strips the old picture stays: the paint kept to its area.
  const RECT untouched = onScreen(layout().keyFace(62));
  EXPECT_EQ(partial.at(untouched.left + 3, (untouched.top + untouched.bottom) / 2), kWhitePixel);
  EXPECT_EQ(full.at(untouched.left + 3, (untouched.top + untouched.bottom) / 2), RGB(200, 0, 0));
}

TEST_F(Picture, PrintClientGivesTheWindowsPixels) {
  startWide();
  EXPECT_TRUE(drawnOverThePicture(mainWindow()).empty());
}

}  // namespace
}  // namespace tastrix::testing
