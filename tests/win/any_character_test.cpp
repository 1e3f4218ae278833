// Labels in any script, and the symbols shortcut sheets use, under any code
// page: typed into the real label box, kept exactly by every command that
// shows, edits, loads or saves them, saved in the code page where it spells
// them and in UTF-8 where it cannot, and drawn in a font that has each
// character. Run under Shift-JIS too (scripts/test runs it again).
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "modal_probe.h"
#include "platform/win32_dialogs.h"
#include "win/accessible_client.h"
#include "win/key_input.h"
#include "win/map_file_fixture.h"
#include "win/picture_pixels.h"
#include "win/real_program.h"

namespace tastrix::testing {
namespace {

// Typed into the real label box, one 16-bit unit at a time as a keyboard or
// an input method gives them, and taken with Enter.
std::string typedInTheLabelBox(HWND owner, const std::string& text) {
  Win32Dialogs real;
  real.setOwner(owner);
  ModalProbe probe([&] {
    const HWND field = FindWindowExA(findDialog("Enter new label for this key"), nullptr, "Edit", nullptr);
    if (!field) return false;
    for (const wchar_t unit : WideFromUtf8(text)) PostMessageW(field, WM_CHAR, unit, 0);
    PostMessageW(field, WM_KEYDOWN, VK_RETURN, 0);
    return true;
  });
  std::string typed = "Key Label";
  EXPECT_TRUE(real.inputBox("Enter new label for this key", "Enter:", typed));
  return typed;
}

// The dark pixels of a picture's area, cut to the smallest rectangle round
// them; with a picture before, only those that were not there already.
std::vector<std::string> inkOf(const Pixels& pixels, const RECT& area, const Pixels* before = nullptr) {
  std::vector<std::string> rows;
  for (int y = area.top; y < area.bottom; ++y) {
    std::string row;
    for (int x = area.left; x < area.right; ++x)
      row += (pixels.at(x, y) & 0x808080) == 0x808080 || (before && before->at(x, y) == pixels.at(x, y)) ? '.' : '#';
    rows.push_back(row);
  }
  while (!rows.empty() && rows.back().find('#') == std::string::npos) rows.pop_back();
  rows.erase(rows.begin(), std::find_if(rows.begin(), rows.end(), [](auto& r) { return r.find('#') != r.npos; }));
  size_t left = std::string::npos, right = 0;
  for (const std::string& row : rows)
    if (row.find('#') != std::string::npos) {
      left = std::min(left, row.find('#'));
      right = std::max(right, row.rfind('#') + 1);
    }
  for (std::string& row : rows) row = row.substr(left, right - left);
  return rows;
}

std::string drawing(const std::vector<std::string>& rows) {
  std::string all = "\n";
  for (const std::string& row : rows) all += row + "\n";
  return all;
}

int CALLBACK collectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM faces) {
  if (!(type & RASTER_FONTTYPE)) reinterpret_cast<std::vector<std::wstring>*>(faces)->push_back(font->lfFaceName);
  return 1;
}

// The character as each installed font that has it draws it, at that height.
std::vector<std::vector<std::string>> drawnByFontsThatHaveIt(const std::string& character, int height) {
  const std::wstring wide = WideFromUtf8(character);
  const MemoryDC dc(nullptr);
  std::vector<std::wstring> faces;
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(dc.get(), &lf, collectFace, reinterpret_cast<LPARAM>(&faces), 0);
  std::vector<std::vector<std::string>> drawn;
  for (const std::wstring& face : faces) {
    lf.lfHeight = height;
    lf.lfFaceName[face.copy(lf.lfFaceName, LF_FACESIZE - 1)] = L'\0';
    const Font font(CreateFontIndirectW(&lf));
    const Bitmap canvas(CreateBitmap(200, 200, 1, 32, nullptr));
    {
      const Selection paper(dc.get(), canvas.get()), letters(dc.get(), font.get());
      WORD glyph = 0xFFFF;
      GetGlyphIndicesW(dc.get(), wide.c_str(), 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
      if (glyph == 0xFFFF) continue;
      const RECT whole{0, 0, 200, 200};
      FillRect(dc.get(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      TextOutW(dc.get(), 20, 20, wide.c_str(), static_cast<int>(wide.size()));
    }
    drawn.push_back(inkOf(pixelsOf(canvas.get()), RECT{0, 0, 200, 200}));
  }
  return drawn;
}

class AnyCharacter : public MapFileTest {};

TEST_F(AnyCharacter, ALabelInAnyScriptIsKeptByEveryCommandSavedAsTheCodePageAllowsAndDrawn) {
  const bool shiftJis = GetACP() == 932;
  const struct Case {
    const char* what;
    std::string label, glyph;  // the label, and a character of it drawn alone
    bool spelt;                // in the code page the test runs under
  } cases[] = {
      {"arrows and modifier symbols", "\xE2\x87\xA7+\xE2\x8C\x98+S \xE2\x86\x92 Save", "\xE2\x8C\x98", false},
      {"Cyrillic", "\xD0\xA1\xD0\xBE\xD1\x85\xD1\x80\xD0\xB0\xD0\xBD\xD0\xB8\xD1\x82\xD1\x8C", "\xD0\x96", shiftJis},
      {"Japanese", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", "\xE8\xAA\x9E", shiftJis},
      {"text the code page spells", spelt(), shiftJis ? "\xE8\xA1\xA8" : "\xC3\xA9", true},
  };
  const int kQ = key("Q"), kW = key("W");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string mapPath = inScratch(std::string(c.what) + ".zv");
    startForm();
    const std::string before = label(kQ);
    const Rect w = layout().keyLabel(kW);
    FontDescription arial = map().font(MapFont::KeyLabels);
    arial.name = "Arial";
    arial.size = 24;
    arial.bold = false;
    document().setFont(MapFont::KeyLabels, arial);
    setLabel(kW, c.glyph);
    setLabel(0, c.label);

    // Typed, shown and read out as typed; undone and made again.
    const std::string typed = typedInTheLabelBox(hwnd(), c.label);
    EXPECT_EQ(typed, c.label);
    dialogs.answerInput(true, typed);
    const POINT q = centreOf(layout().keyLabel(kQ));
    click(q.x, q.y);
    ASSERT_EQ(label(kQ), c.label);
    ComRef<IAccessible> client;
    ASSERT_EQ(clientObject(hwnd(), client), S_OK);
    EXPECT_EQ(textOf(client.get(), &IAccessible::get_accValue, kQ + 1), c.label);
    command(ID_Undo);
    EXPECT_EQ(label(kQ), before);
    command(ID_Redo);
    EXPECT_EQ(label(kQ), c.label);

    // The picture without the character, where the key's name may reach into its label.
    const std::string without = inScratch(std::string(c.what) + " without.zv");
    setLabel(kW, "");
    saveAs(without);
    setLabel(kW, c.glyph);

    // Saved in the code page where it spells every label, else in UTF-8 with its mark.
    saveAs(mapPath);
    std::string lines;
    for (const std::string& text : map().labels) lines += text + "\r\n";
    EXPECT_EQ(readFile(mapPath + "l"), c.spelt ? inCodePage(lines) : kUtf8Mark + lines);

    // The set command asks with the very text.
    dialogs.answerInput(true, c.label);
    dialogs.answerMessage(Answer::No);
    command(ID_Set_Function_Keys);
    EXPECT_EQ(dialogs.messageTexts().back(), "Set all Function Keys Labels to \"" + c.label + "\" ?");

    // Picked with F2, the box shows it as it is.
    ASSERT_TRUE(takeFocus(hwnd()));
    typeKeys({kF2});
    ASSERT_TRUE(runProgramLoopUntil(mainWindow(), [&] { return mainWindow().keys().picking(); }));
    dialogs.answerInput(false);
    typeKeys({{'Q', 0x10, false}});
    ASSERT_TRUE(runProgramLoopUntil(mainWindow(), [&] { return dialogs.callsOf(Dialog::InputBox).size() == 3; }));
    EXPECT_EQ(dialogs.calls.back().initial, c.label);

    // Loaded whole, loaded as labels only, and at the next start.
    setLabel(0, "");
    setLabel(kQ, "");
    load(mapPath);
    EXPECT_EQ(map().title(), c.label);
    EXPECT_EQ(label(kQ), c.label);
    setLabel(kQ, "");
    partialLoad(ID_Load_Key_Labels, mapPath);
    EXPECT_EQ(label(kQ), c.label);
    command(ID_Save_Keyboard_Layout);
    SendMessageA(hwnd(), WM_CLOSE, 0, 0);
    startForm();
    EXPECT_EQ(label(kQ), c.label);
    dropForm();

    // The picture shows the character as a font that has it draws it (inside
    // the rounded corners of the key).
    for (const std::string& map : {mapPath, without}) {
      const ProgramRun exported = runProgram(builtProgram(), "/export \"" + map + "\" \"" + map + ".bmp\"", scratchDir());
      ASSERT_EQ(exported.exitCode, 0u) << exported.errors;
    }
    const Pixels unlabelled = parseBmp(readFile(without + ".bmp")).pixels;
    const std::vector<std::string> shown = inkOf(parseBmp(readFile(mapPath + ".bmp")).pixels,
                                                 RECT{w.left + 2, w.top, w.right() - 2, w.bottom() - 2}, &unlabelled);
    const auto fonts = drawnByFontsThatHaveIt(c.glyph, heightFromPoints(arial.size, 96));
    EXPECT_FALSE(fonts.empty()) << "no installed font has the character";
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), shown), fonts.end()) << drawing(shown) << drawing(fonts.at(0));
    dialogs.calls.clear();
  }
}

// A label list another program wrote in UTF-8 or UTF-16 shows every
// character, and a save that changed something else writes them back alike.
TEST_F(AnyCharacter, AUnicodeLabelListIsShownAndSavedBackAsItWas) {
  const std::string lines = "Title \xE2\x86\x92 \xE2\x9C\x93\r\n\xCE\xA9 omega\r\n\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\r\n"
                            "\xF0\x9F\x98\x80 smile\r\n";
  for (const std::string& mark : {kUtf8Mark, kUtf16Mark}) {
    writeFile(inScratch("marked.zvl"), encoded(mark, lines));
    startForm();
    load(inScratch("marked.zv"));
    EXPECT_EQ(map().title(), "Title \xE2\x86\x92 \xE2\x9C\x93");
    EXPECT_EQ(label(3), "\xF0\x9F\x98\x80 smile");
    command(ID_Align_Bottom);
    command(ID_Save_Keyboard_Layout);
    EXPECT_EQ(readFile(inScratch("marked.zvl")).substr(0, encoded(mark, lines).size()), encoded(mark, lines));
    dropForm();
  }
}

}  // namespace
}  // namespace tastrix::testing
