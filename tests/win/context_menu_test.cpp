#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "modal_probe.h"
#include "support/form_fixture.h"
#include "support/printers.h"

namespace tastrix::testing {
namespace {

using Items = std::vector<std::string>;

const std::string kSaveBitmap = "Save Keyboard Layout Bitmap to File\tCtrl+S";
const std::string kCopyBitmap = "Copy Keyboard Layout Bitmap to Window's Clipboard\tCtrl+C";
const std::string kAbout = "&About\tCtrl+A";
const char* const kEraseGroup[] = {"Erase Function Key labels", "Erase Main Keyboard Labels",
                                   "Erase Cursor Control Labels", "Erase Numeric Keypad Labels"};
const char* const kSetGroup[] = {"Set Function Key labels", "Set Main Keyboard Labels", "Set Cursor Control Labels",
                                 "Set Numeric Keypad Labels"};

const Items kEveryItem = {kSaveBitmap,
                          kCopyBitmap,
                          "-",
                          kEraseGroup[0],
                          kEraseGroup[1],
                          kEraseGroup[2],
                          kEraseGroup[3],
                          "Erase All Labels",
                          "-",
                          kSetGroup[0],
                          kSetGroup[1],
                          kSetGroup[2],
                          kSetGroup[3],
                          "Set All Labels To A Default Value",
                          "-",
                          "Keyboard Map Title Font",
                          "Group Names Font",
                          "Key Names Font",
                          "Key Labels Font",
                          "-",
                          "Select Key Colour",
                          "Select Key Border Colour",
                          "-",
                          "Set Key Label Vertical Alignment : Top",
                          "Set Key Label Vertical Alignment : Center",
                          "Set Key Label Vertical Alignment : Bottom",
                          "-",
                          kAbout};

Items keyGroupItems(int group) {
  return {kSaveBitmap,
          kCopyBitmap,
          "-",
          kEraseGroup[group],
          "Erase All Labels",
          "-",
          kSetGroup[group],
          "Set All Labels To A Default Value",
          "-",
          "Group Names Font",
          "Key Names Font",
          "Key Labels Font",
          "-",
          "Select Key Colour",
          "Select Key Border Colour",
          "-",
          "Set Key Label Vertical Alignment : Top",
          "Set Key Label Vertical Alignment : Center",
          "Set Key Label Vertical Alignment : Bottom",
          "-",
          kAbout};
}

const Items kTitleItems = {kSaveBitmap, kCopyBitmap, "-", "Erase All Labels", "-", "Set All Labels To A Default Value",
                           "-", "Keyboard Map Title Font", "-", kAbout};

// The command id of the item the menu shows with this text, or 0.
int idOfItem(HMENU menu, const std::string& text) {
  const Items items = menuItems(menu);
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i] == text) return static_cast<int>(GetMenuItemID(menu, static_cast<int>(i)));
  return 0;
}

class ContextMenu : public FormTest {
 protected:
  Items popupAfterPress(int x, int y) {
    press(x, y, 'R');
    mainWindow().updateContextMenu();
    return menuItems(mainWindow().contextMenu());
  }
  Items popupAfterPress(POINT p) { return popupAfterPress(p.x, p.y); }
  POINT backgroundPoint() {
    const Rect functionKeys = layout().groupBox(kFunctionKeys);
    const Rect mainKeys = layout().groupBox(kMainKeyboard);
    return POINT{100, (functionKeys.bottom() + mainKeys.top) / 2};
  }
};

TEST_F(ContextMenu, BeforeAnyRunEveryItemShows) {
  startForm();
  EXPECT_EQ(menuItems(mainWindow().contextMenu()), kEveryItem);
  // A press on the background as the first press leaves them all.
  EXPECT_EQ(popupAfterPress(backgroundPoint()), kEveryItem);
  EXPECT_EQ(app().recordedGroup(), PressGroup::None);
}

TEST_F(ContextMenu, EachKeyGroupShowsItsOwnItems) {
  startForm();
  EXPECT_EQ(popupAfterPress(centreOf(layout().keyLabel(62))), keyGroupItems(0)) << "Esc label";
  const Rect legend = layout().keyName(27);
  EXPECT_EQ(popupAfterPress(legend.left + legend.width / 2, legend.top + 2), keyGroupItems(1)) << "Q legend";
  const Rect rim = layout().keyBorder(27);
  EXPECT_EQ(popupAfterPress(rim.left + 1, rim.top + rim.height / 2), keyGroupItems(1)) << "Q rim";

  mainWindow().setScrollPosition(layout().scrollRange());
  EXPECT_EQ(popupAfterPress(centreOf(layout().keyFace(75))), keyGroupItems(2)) << "Ins face";
  const Rect plusRim = layout().keyBorder(101);
  EXPECT_EQ(popupAfterPress(plusRim.left + 1 - mainWindow().scrollPosition(), plusRim.top + 40), keyGroupItems(3))
      << "keypad + rim";
}

TEST_F(ContextMenu, TheTitleShowsItsShortListAndTheBackgroundKeepsIt) {
  startForm();
  const POINT background = backgroundPoint();
  mainWindow().setScrollPosition(layout().scrollRange());
  EXPECT_EQ(popupAfterPress(centreOf(layout().title())), kTitleItems);
  mainWindow().setScrollPosition(0);
  EXPECT_EQ(popupAfterPress(background), kTitleItems);
  EXPECT_EQ(app().recordedGroup(), PressGroup::None);
  // A key group afterwards shows its own list again.
  EXPECT_EQ(popupAfterPress(centreOf(layout().keyLabel(27))), keyGroupItems(1));
}

TEST_F(ContextMenu, ARightClickOpensTheMenuWithTheGroupsItems) {
  startForm();
  mainWindow().setScrollPosition(layout().scrollRange());
  const POINT ins = centreOf(layout().keyLabel(75));
  const ShownMenu shown = menuShownBy([&] {
    press(ins.x, ins.y, 'R');
    release(ins.x, ins.y, 'R');
  });
  ASSERT_EQ(shown.menu, mainWindow().contextMenu()) << "no menu, or another one, opened";
  EXPECT_EQ(menuItems(shown.menu), keyGroupItems(2));
  POINT screen = ins;
  ClientToScreen(hwnd(), &screen);
  EXPECT_EQ(shown.place.left, screen.x);
  EXPECT_EQ(shown.place.top, screen.y);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ContextMenu, ARightClickOnTheCaptionKeepsTheSystemMenu) {
  startForm();
  RECT frame{};
  GetWindowRect(hwnd(), &frame);
  // The middle of the caption bar, above the menu bar.
  const LPARAM caption = MAKELPARAM((frame.left + frame.right) / 2, (frame.top + GetSystemMetrics(SM_CYFRAME) +
                                                                      GetSystemMetrics(SM_CYCAPTION) / 2));
  ASSERT_EQ(SendMessageA(hwnd(), WM_NCHITTEST, 0, caption), HTCAPTION);
  const ShownMenu shown =
      menuShownBy([&] { SendMessageA(hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd()), caption); });
  ASSERT_NE(shown.menu, nullptr) << "no menu opened";
  EXPECT_NE(shown.menu, mainWindow().contextMenu());
  EXPECT_EQ(shown.menu, GetSystemMenu(hwnd(), FALSE));
}

// The menu key and Shift+F10 open the menu at the client area's origin.
TEST_F(ContextMenu, TheKeyboardOpensItAtTheClientOrigin) {
  startForm();
  POINT origin{0, 0};
  ClientToScreen(hwnd(), &origin);
  const ShownMenu byMenuKey = menuShownBy([&] {
    SendMessageA(hwnd(), WM_KEYDOWN, VK_APPS, 1);
    SendMessageA(hwnd(), WM_KEYUP, VK_APPS, static_cast<LPARAM>(0xC0000001u));
  });
  const ShownMenu byShiftF10 = menuShownBy([&] {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = 0x80;
    SetKeyboardState(state);
    SendMessageA(hwnd(), WM_SYSKEYDOWN, VK_F10, 1);
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
  });
  for (const ShownMenu& shown : {byMenuKey, byShiftF10}) {
    EXPECT_EQ(shown.menu, mainWindow().contextMenu());
    EXPECT_EQ(shown.place.left, origin.x);
    EXPECT_EQ(shown.place.top, origin.y);
  }
}

// Every item does what the menu bar's item of its command does: the same
// dialogs, seeded alike (the map's fonts and colours all differ, so that a
// seed tells its command), and the same alignment afterwards.
TEST_F(ContextMenu, EveryItemRunsTheMenuBarsCommand) {
  startForm();
  int size = 22;
  for (const MapFont font : {MapFont::Title, MapFont::GroupNames, MapFont::KeyNames, MapFont::KeyLabels}) {
    FontDescription sized = map().font(font);
    sized.size = size++;
    document().setFont(font, sized);
  }
  document().setColour(MapColour::KeyFaces, 0x00010203);
  document().setColour(MapColour::KeyBorders, 0x00040506);
  const std::function<void()> none = [] {}, no = [this] { dialogs.answerMessage(Answer::No); },
                              noText = [this] { dialogs.answerInput(false); },
                              noFont = [this] { dialogs.answerFont(false); },
                              noColour = [this] { dialogs.answerColour(false); },
                              noFile = [this] { dialogs.answerFile(false); };
  // The commands of the items of kEveryItem, in its order, and the answer to their dialog.
  const std::pair<int, std::function<void()>> commands[] = {
      {ID_Save_Bitmap_to_File, noFile}, {ID_Copy_Bitmap_to_Clipboard, none}, {ID_Erase_Function_Keys, no},
      {ID_Erase_Main_Keyboard, no},     {ID_Erase_Cursor_Control, no},       {ID_Erase_Numeric_Keypad, no},
      {ID_Erase_All, no},               {ID_Set_Function_Keys, noText},      {ID_Set_Main_Keyboard, noText},
      {ID_Set_Cursor_Control, noText},  {ID_Set_Numeric_Keypad, noText},     {ID_Set_All, noText},
      {ID_Font_Map_Title, noFont},      {ID_Font_Group_Names, noFont},       {ID_Font_Key_Names, noFont},
      {ID_Font_Key_Labels, noFont},     {ID_Key_Colour, noColour},           {ID_Key_Border_Colour, noColour},
      {ID_Align_Top, none},             {ID_Align_Center, none},             {ID_Align_Bottom, none},
      {ID_About, none}};
  const auto outcome = [&](int id, const std::function<void()>& answer) {
    document().align(kNoAlignment);
    dialogs.calls.clear();
    answer();
    command(id);
    std::string seen = "alignment " + std::to_string(map().alignment);
    for (const DialogCall& c : dialogs.calls)
      seen += " | " + ::testing::PrintToString(c.what) + " " + c.caption + " " + c.text + " " +
              std::to_string(c.font.size) + " " + std::to_string(c.colour);
    return seen;
  };
  const auto* next = std::begin(commands);
  for (const std::string& item : kEveryItem) {
    if (item == "-") continue;
    ASSERT_NE(next, std::end(commands));
    const std::string fromMenuBar = outcome(next->first, next->second);
    EXPECT_EQ(outcome(idOfItem(mainWindow().contextMenu(), item), next->second), fromMenuBar) << item;
    ++next;
  }
  EXPECT_EQ(next, std::end(commands));
  EXPECT_TRUE(dialogs.scriptUsedUp());
}

}  // namespace
}  // namespace tastrix::testing
