#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "model/tag_walks.h"
#include "platform/gdi_values.h"
#include "support/form_fixture.h"

namespace tastrix::testing {
namespace {

constexpr COLORREF kWhitePixel = RGB(255, 255, 255);
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
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width();
    info.bmiHeader.biHeight = -height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
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
    const FormModel created;
    SetShapeColours(model(), kBtnFace, kBorderShapes);
    SetGroupBoxFonts(model(), created[created.groupBox(kFunctionKeys)].font, kGroupBoxes);
  }
  // Window wide and tall enough for the whole picture and a margin around it.
  void startWide() {
    startForm();
    mainWindow().setClientSize(model().pictureWidth() + 120, model().pictureHeight() + 60);
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
  RECT onScreen(int component) {
    const Rect r = model().clientRect(component);
    const int s = mainWindow().scrollPosition();
    return RECT{r.left - s, r.top, r.right() - s, r.bottom()};
  }
  const Component& keyLabel(int position) { return model()[model().keyLabel(position)]; }
  // The key label alone: its legend removed so that only the label's text can be dark.
  void isolateLabel(int position, const std::string& text) {
    model().setCaption(model().keyName(position), "");
    model().setCaption(model().keyLabel(position), text);
  }
};

TEST_F(Picture, KeyCapsAreRoundedBordersAroundWhiteFaces) {
  startForm();
  showCreatedLook();
  const Snapshot s = client();
  const RECT border = onScreen(model().borderShape(kQ));
  const RECT face = onScreen(model().faceShape(kQ));
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

  // The fills follow the model's colours, system colours included.
  for (int position = 1; position <= 101; ++position) {
    model().setFill(model().faceShape(position), RGB(0, 0, 200));
    model().setFill(model().borderShape(position), systemColour(COLOR_HIGHLIGHT));
  }
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
    const RECT box = onScreen(model().groupBox(group));
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
  const RECT main = onScreen(model().groupBox(2));
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
  const RECT title = onScreen(model().mapTitle);
  const RECT notice = onScreen(model().notice);
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

  model().setCaption(model().mapTitle, "");
  EXPECT_EQ(client().countDark(title), 0);
}

TEST_F(Picture, KeyLabelTextFollowsCaptionFontAndLayout) {
  startForm();
  // The face's rounded corners reach into the label's box; keep clear of them.
  RECT box = onScreen(model().keyLabel(kQ));
  InflateRect(&box, -4, 0);
  isolateLabel(kQ, "");
  EXPECT_EQ(client().countDark(box), 0);

  model().setCaption(model().keyLabel(kQ), "WWW");
  EXPECT_GT(client().countDark(box), 40);

  // Vertical layout moves the ink: top, centre and bottom of the box.
  model().setCaption(model().keyLabel(kQ), "W");
  auto inkRows = [&](VerticalLayout layout) {
    model().setLayout(model().keyLabel(kQ), layout);
    const Snapshot s = client();
    int first = box.bottom, last = box.top - 1;
    for (int y = box.top; y < box.bottom; ++y)
      for (int x = box.left; x < box.right; ++x)
        if (dark(s.at(x, y))) first = std::min(first, y), last = std::max(last, y);
    return std::make_pair(first, last);
  };
  const auto top = inkRows(kLayoutTop), centre = inkRows(kLayoutCenter), bottom = inkRows(kLayoutBottom);
  EXPECT_LT(top.first - box.top, 6);
  EXPECT_LT(box.bottom - 1 - bottom.second, 6);
  EXPECT_LT(top.first, centre.first);
  EXPECT_LT(centre.first, bottom.first);
  EXPECT_NEAR(centre.first - box.top, box.bottom - 1 - centre.second, 3);

  // Word-wrapped lines are centred as a block.
  model().setCaption(model().keyLabel(kQ), "W W W W");
  const auto wrapped = inkRows(kLayoutCenter);
  EXPECT_GT(wrapped.second - wrapped.first, 2 * (centre.second - centre.first));
  EXPECT_NEAR(wrapped.first - box.top, box.bottom - 1 - wrapped.second, 3);

  // A face the machine lacks is mapped to another one, never dropped.
  model().setLayout(model().keyLabel(kQ), kLayoutTop);
  FontDescription unknownFace = keyLabel(kQ).font;
  unknownFace.name = "No Such Face On Any Machine At All, Longer Than Thirty-Two";
  model().setFont(model().keyLabel(kQ), unknownFace);
  EXPECT_GT(client().countDark(box), 20);
}

TEST_F(Picture, OpaqueLabelFillsItsBox) {
  startForm();
  const RECT box = onScreen(model().keyLabel(kQ));
  isolateLabel(kQ, "");
  model().setTransparent(model().keyLabel(kQ), false);
  model().setFill(model().keyLabel(kQ), RGB(0, 160, 0));
  const Snapshot s = client();
  EXPECT_EQ(s.at(box.left, box.top), RGB(0, 160, 0));
  EXPECT_EQ(s.at(box.right - 1, box.bottom - 1), RGB(0, 160, 0));
  EXPECT_EQ(s.at(box.left - 1, box.top), kWhitePixel);
}

TEST_F(Picture, ComponentsShowOnlyInsideTheirGroupBoxAndWhenVisible) {
  startWide();
  // A face pushed half out of its group box is cut at the box's edge.
  const int face = model().faceShape(1);
  const int box = model().groupBox(2);
  Rect halfOut = model()[face].bounds;
  halfOut.left = -30;
  model().setBounds(face, halfOut);
  model().setFill(face, RGB(0, 0, 200));
  const RECT boxArea = onScreen(box);
  const RECT faceArea = onScreen(face);
  const int midY = (faceArea.top + faceArea.bottom) / 2;
  const Snapshot cut = client();
  EXPECT_EQ(cut.at(boxArea.left + 3, midY), RGB(0, 0, 200));
  for (int x = 0; x < boxArea.left; ++x) EXPECT_EQ(cut.at(x, midY), kWhitePixel) << x;

  // A hidden group box takes its keys with it; a hidden shape leaves the background.
  model().setVisible(model().borderShape(kQ), false);
  model().setVisible(model().faceShape(kQ), false);
  const RECT q = onScreen(model().borderShape(kQ));
  const Snapshot noQ = client();
  EXPECT_EQ(noQ.at(q.left, (q.top + q.bottom) / 2), kWhitePixel);
  EXPECT_EQ(noQ.at(q.left + 4, (q.top + q.bottom) / 2), kWhitePixel);
  model().setVisible(box, false);
  EXPECT_EQ(client().countDark(boxArea), 0);
}

class Ampersands : public Picture {
 protected:
  Snapshot labelWith(const std::string& text) {
    model().setCaption(model().keyLabel(kEsc), text);
    redraw();
    return Snapshot(hwnd(), onScreen(model().keyLabel(kEsc)));
  }
  // The text as it looks drawn literally in the label's font.
  Snapshot literal(const std::string& text) {
    const LOGFONTA lf = logFontOf(keyLabel(kEsc).font, model().dpi());
    return Snapshot::drawn(onScreen(model().keyLabel(kEsc)), [&](HDC dc, RECT all) {
      Font font(CreateFontIndirectA(&lf));
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
    model().setCaption(model().keyName(kEsc), "");
    model().setLayout(model().keyLabel(kEsc), kLayoutTop);  // where the reference text is drawn
    ASSERT_EQ(keyLabel(kEsc).font.colour, kBlack);
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
  const int right = model().scrollRange();
  ASSERT_GT(client.right, right + 100);
  for (int y = 0; y < client.bottom; ++y)
    for (int x = right; x < client.right; ++x) ASSERT_EQ(s.at(x, y), kWhitePixel) << x << "," << y;
  int bottom = 0;
  for (int i = 0; i < static_cast<int>(model().components().size()); ++i)
    if (model()[i].visible) bottom = std::max(bottom, model().clientRect(i).bottom());
  ASSERT_GT(client.bottom, bottom + 20);
  for (int y = bottom; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) ASSERT_EQ(s.at(x, y), kWhitePixel) << x << "," << y;
}

TEST_F(Picture, ResizeRepaintsTheNewlyExposedArea) {
  startForm();
  showCreatedLook();
  const int narrow = mainWindow().clientWidth();
  const RECT farFace = onScreen(model().faceShape(85));  // "Num", beyond the narrow window
  ASSERT_GT(farFace.left, narrow);
  mainWindow().setClientSize(model().pictureWidth() + 40, mainWindow().clientHeight());
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
  const RECT face = onScreen(model().faceShape(75));  // "Ins"
  ASSERT_GT(face.left + 300, unscrolled.width()) << "a key that only scrolling brings into view";
  EXPECT_EQ(scrolled.at(face.left, (face.top + face.bottom) / 2), kBlackPixel);
  EXPECT_EQ(scrolled.at(face.left + 3, (face.top + face.bottom) / 2), kWhitePixel);
}

TEST_F(Picture, PartialRepaintMatchesAFullOne) {
  startWide();
  mainWindow().setScrollPosition(0);
  client();
  for (int position = 1; position <= 101; ++position) {
    model().setFill(model().faceShape(position), RGB(200, 0, 0));
    model().setCaption(model().keyLabel(position), "W&X Y");
  }
  model().setCaption(model().groupBox(2), " Changed Caption : ");
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
  const RECT untouched = onScreen(model().faceShape(62));
  EXPECT_EQ(partial.at(untouched.left + 3, (untouched.top + untouched.bottom) / 2), kWhitePixel);
  EXPECT_EQ(full.at(untouched.left + 3, (untouched.top + untouched.bottom) / 2), RGB(200, 0, 0));
}

TEST_F(Picture, PrintClientGivesTheWindowsPixels) {
  startWide();
  const Snapshot shown = client();
  const Snapshot printed = Snapshot::drawn(shown.area(), [&](HDC dc, RECT) {
    SendMessageA(hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) ASSERT_EQ(printed.at(x, y), shown.at(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace tastrix::testing
