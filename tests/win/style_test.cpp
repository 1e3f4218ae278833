#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <windows.h>
#include <dlgs.h>

#include "modal_probe.h"
#include "platform/gdi_values.h"
#include "platform/win32_dialogs.h"
#include "support/form_fixture.h"

namespace tastrix::testing {
namespace {

FontDescription chosenFont() {
  return FontDescription{"Liberation Serif", 16, 0x00123456, true, true, true, true, 0};
}

struct FontCommandCase {
  const char* name;
  int id;
  MapFont font;
  bool marksChanged;
};

const FontCommandCase kFontCommands[] = {
    {"map title", ID_Font_Map_Title, MapFont::Title, true},
    {"group names", ID_Font_Group_Names, MapFont::GroupNames, true},
    {"key names", ID_Font_Key_Names, MapFont::KeyNames, false},
    {"key labels", ID_Font_Key_Labels, MapFont::KeyLabels, false},
};

using FontCommands = FormTest;

TEST_F(FontCommands, EachChangesExactlyItsFontAndTheFlagAsItShould) {
  startForm();
  for (const FontCommandCase& c : kFontCommands) {
    for (const bool changedBefore : {false, true}) {
      const KeyboardMap before = map();
      document().setChanged(changedBefore);
      dialogs.calls.clear();
      dialogs.answerFont(true, chosenFont());
      command(c.id);

      ASSERT_EQ(dialogs.calls.size(), 1u) << c.name;
      EXPECT_EQ(dialogs.calls[0].what, Dialog::ChooseFont) << c.name;
      EXPECT_EQ(dialogs.calls[0].font, before.font(c.font)) << c.name << ": seed";
      KeyboardMap expected = before;
      expected.fonts[static_cast<size_t>(c.font)] = chosenFont();
      EXPECT_TRUE(map() == expected) << c.name;
      EXPECT_EQ(document().changed(), changedBefore || c.marksChanged) << c.name;
      // Put the old font back for the next round.
      document().setFont(c.font, before.font(c.font));
    }
  }
}

TEST_F(FontCommands, CancelChangesNothing) {
  startForm();
  const KeyboardMap before = map();
  for (const FontCommandCase& c : kFontCommands) {
    dialogs.answerFont(false, chosenFont());
    command(c.id);
    EXPECT_TRUE(map() == before) << c.name;
    EXPECT_FALSE(document().changed()) << c.name;
  }
  EXPECT_EQ(dialogs.callsOf(Dialog::ChooseFont).size(), 4u);
}

// Needs the map save and load commands: a font's underline travels through
// the map file, its strike-out only shows until the map is loaded again.
TEST_F(FontCommands, UnderlineIsSavedAndStrikeOutIsNot) {
  startForm();
  FontDescription styled = map().font(MapFont::KeyLabels);
  styled.underline = true;
  styled.strikeOut = true;
  dialogs.answerFont(true, styled);
  command(ID_Font_Key_Labels);
  EXPECT_TRUE(map().font(MapFont::KeyLabels).strikeOut) << "strike-out shows";

  const std::string path = inScratch("styled.zv");
  dialogs.answerFile(true, path);
  command(ID_Save_Keyboard_Layout_As);
  const std::string file = readFile(path);
  const size_t section = file.find("[Label_0]");
  ASSERT_NE(section, std::string::npos) << file;
  const std::string record = file.substr(section, file.find('[', section + 1) - section);
  EXPECT_NE(record.find("Font.fsUnderline=1"), std::string::npos) << record;
  EXPECT_EQ(record.find("Strike"), std::string::npos) << record;

  dialogs.answerFile(true, path);
  command(ID_Load_Keyboard_Layout);
  const FontDescription loaded = map().font(MapFont::KeyLabels);
  EXPECT_TRUE(loaded.underline);
  EXPECT_FALSE(loaded.strikeOut);
  EXPECT_TRUE(dialogs.scriptUsedUp());
}

using ColourCommands = FormTest;

// Each colour command is seeded from the map's colour, does nothing on
// Cancel and changes its own colour only; the rim's seed is a system colour.
TEST_F(ColourCommands, EachChangesItsOwnColourFromItsOwnSeed) {
  const struct {
    int command;
    MapColour painted, kept;
    Colour seed, chosen, other;
  } cases[] = {
      {ID_Key_Colour, MapColour::KeyFaces, MapColour::KeyBorders, 0x00E0E0E0, 0x00336699, kBtnFace},
      {ID_Key_Border_Colour, MapColour::KeyBorders, MapColour::KeyFaces, kBtnFace, 0x0000FF00, kWhite},
  };
  startForm();
  for (const auto& c : cases) {
    document().setColour(c.painted, c.seed);
    document().setColour(c.kept, c.other);
    document().setChanged(false);
    dialogs.calls.clear();

    dialogs.answerColour(false, c.chosen);
    command(c.command);
    EXPECT_EQ(map().colour(c.painted), c.seed);
    EXPECT_FALSE(document().changed());

    dialogs.answerColour(true, c.chosen);
    command(c.command);
    const auto colourCalls = dialogs.callsOf(Dialog::ChooseColour);
    ASSERT_EQ(colourCalls.size(), 2u);
    EXPECT_EQ(colourCalls[0].colour, c.seed);
    EXPECT_EQ(colourCalls[1].colour, c.seed);
    EXPECT_EQ(map().colour(c.painted), c.chosen);
    EXPECT_EQ(map().colour(c.kept), c.other);
    EXPECT_TRUE(document().changed());
  }
}

using Alignment = FormTest;

// Each command marks the map changed, Top again on a saved map too.
TEST_F(Alignment, EachCommandPlacesEveryKeyLabelAndTheTitle) {
  startForm();
  const struct {
    int id, value;
  } commands[] = {{ID_Align_Bottom, kLayoutBottom},
                  {ID_Align_Top, kLayoutTop},
                  {ID_Align_Top, kLayoutTop},
                  {ID_Align_Center, kLayoutCenter}};
  for (const auto& c : commands) {
    document().setChanged(false);  // as a save leaves it
    command(c.id);
    EXPECT_EQ(map().labelLayout, c.value);
    EXPECT_EQ(map().titleLayout, c.value);
    EXPECT_EQ(map().alignment, c.value);
    EXPECT_TRUE(document().changed());
  }
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST(GdiValues, SystemColoursResolveToTheirCurrentRgb) {
  EXPECT_EQ(rgbOf(kBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(rgbOf(kWindowText), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(rgbOf(0x00336699), 0x00336699u);
  EXPECT_EQ(rgbOf(kBlack), 0u);
}

TEST(GdiValues, FontsRoundTripThroughALogFontAtAnyDpi) {
  FontDescription font = chosenFont();
  const LOGFONTW lf = logFontOf(font, 96);
  EXPECT_EQ(lf.lfHeight, -21);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfItalic && lf.lfUnderline && lf.lfStrikeOut);
  EXPECT_EQ(lf.lfCharSet, 0);
  EXPECT_STREQ(lf.lfFaceName, L"Liberation Serif");
  EXPECT_EQ(fontDescriptionOf(lf, 0x00123456, 96), font);

  // On a monitor of 144 dpi the same 16 points are 32 pixels high.
  EXPECT_EQ(logFontOf(font, 144).lfHeight, -32);
  EXPECT_EQ(fontDescriptionOf(logFontOf(font, 144), 0x00123456, 144), font);

  font.bold = false;
  font.name = std::string(40, 'n');  // longer than a LOGFONT face holds
  const LOGFONTW plain = logFontOf(font, 96);
  EXPECT_EQ(plain.lfWeight, FW_NORMAL);
  EXPECT_EQ(std::wstring(plain.lfFaceName), std::wstring(LF_FACESIZE - 1, L'n'));
  LOGFONTW semibold = plain;
  semibold.lfWeight = FW_SEMIBOLD;
  EXPECT_FALSE(fontDescriptionOf(semibold, 0, 96).bold);
  semibold.lfWeight = FW_HEAVY;
  EXPECT_TRUE(fontDescriptionOf(semibold, 0, 96).bold);
}

// The real common dialogs, answered as a user would.
class RealStyleDialogs : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    startForm();
    real.setOwner(hwnd());
  }
  // Runs `open` while `user` acts on the first dialog box that shows.
  bool run(const std::function<bool()>& open, const std::function<void(HWND)>& user) {
    ModalProbe probe([&] {
      HWND box = findDialog();
      if (!box) return false;
      user(box);
      return true;
    });
    const bool ok = open();
    EXPECT_TRUE(probe.finished()) << "no dialog showed";
    return ok;
  }
  static void press(HWND box, int id) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

  Win32Dialogs real;
};

TEST_F(RealStyleDialogs, ColourDialogOpensOnASystemColourAndReturnsPlainRgb) {
  Colour colour = kBtnFace;
  EXPECT_TRUE(run([&] { return real.chooseColour(colour); }, [](HWND box) { press(box, IDOK); }));
  EXPECT_EQ(colour, static_cast<Colour>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_FALSE(isSystemColour(colour));

  colour = 0x00336699;
  EXPECT_TRUE(run([&] { return real.chooseColour(colour); }, [](HWND box) { press(box, IDOK); }));
  EXPECT_EQ(colour, 0x00336699);

  EXPECT_FALSE(run([&] { return real.chooseColour(colour); }, [](HWND box) { press(box, IDCANCEL); }));
  EXPECT_EQ(colour, 0x00336699);
}

TEST_F(RealStyleDialogs, FontDialogOpensOnTheFontAndReturnsIt) {
  FontDescription font{"Liberation Serif", 12, kWindowText, true, true, true, false, 0};
  EXPECT_TRUE(run([&] { return real.chooseFont(font); }, [](HWND box) { press(box, IDOK); }));
  EXPECT_EQ(font, (FontDescription{"Liberation Serif", 12, static_cast<Colour>(GetSysColor(COLOR_WINDOWTEXT)), true,
                                   true, true, false, 0}));

  const FontDescription kept = font;
  EXPECT_FALSE(run([&] { return real.chooseFont(font); }, [](HWND box) { press(box, IDCANCEL); }));
  EXPECT_EQ(font, kept);
}

TEST_F(RealStyleDialogs, FontDialogShowsItsEffectsAndReturnsThem) {
  FontDescription font{"Liberation Sans", 12, kBlack, false, false, true, false, 0};
  struct Seen {
    bool strikeOutShown = false, underlineShown = false, colourShown = false;
    LRESULT underlineState = BST_UNCHECKED;
  } seen;
  EXPECT_TRUE(run([&] { return real.chooseFont(font); },
                  [&](HWND box) {
                    HWND strikeOut = GetDlgItem(box, chx1), underline = GetDlgItem(box, chx2);
                    HWND colour = GetDlgItem(box, cmb4);
                    seen.strikeOutShown = strikeOut && IsWindowVisible(strikeOut);
                    seen.underlineShown = underline && IsWindowVisible(underline);
                    seen.colourShown = colour && IsWindowVisible(colour);
                    seen.underlineState = SendMessageA(underline, BM_GETCHECK, 0, 0);
                    // The user ticks strike-out and takes the font.
                    PostMessageA(strikeOut, BM_CLICK, 0, 0);
                    press(box, IDOK);
                  }));
  EXPECT_TRUE(seen.strikeOutShown);
  EXPECT_TRUE(seen.underlineShown);
  EXPECT_TRUE(seen.colourShown);
  EXPECT_EQ(seen.underlineState, BST_CHECKED) << "the dialog opens on the font's own effects";
  EXPECT_TRUE(font.strikeOut);
  EXPECT_TRUE(font.underline);
  EXPECT_EQ(font.size, 12);
}

}  // namespace
}  // namespace tastrix::testing
