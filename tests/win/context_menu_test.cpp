#include <gtest/gtest.h>

#include <functional>
#include <string>
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

// The menu as drawn: item texts, "-" for a separator.
Items itemsOf(HMENU menu) {
  Items items;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      items.push_back("-");
      continue;
    }
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    items.push_back(text);
  }
  return items;
}

// The command id of the item the menu shows with this text, or 0.
int idOfItem(HMENU menu, const std::string& text) {
  const Items items = itemsOf(menu);
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i] == text) return static_cast<int>(GetMenuItemID(menu, static_cast<int>(i)));
  return 0;
}

class ContextMenu : public FormTest {
 protected:
  Items popupAfterPress(int x, int y) {
    press(x, y, 'R');
    mainWindow().updateContextMenu();
    return itemsOf(mainWindow().contextMenu());
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
  EXPECT_EQ(itemsOf(mainWindow().contextMenu()), kEveryItem);
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
  Items shown;
  RECT menuWindow{};
  ModalProbe probe([&] {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return false;
    shown = itemsOf(mainWindow().contextMenu());
    GetWindowRect(menu, &menuWindow);
    EndMenu();
    return true;
  });
  press(ins.x, ins.y, 'R');
  release(ins.x, ins.y, 'R');
  ASSERT_TRUE(probe.finished()) << "no menu opened";
  EXPECT_EQ(shown, keyGroupItems(2));
  POINT screen = ins;
  ClientToScreen(hwnd(), &screen);
  EXPECT_EQ(menuWindow.left, screen.x);
  EXPECT_EQ(menuWindow.top, screen.y);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(ContextMenu, ARightClickOnTheCaptionKeepsTheSystemMenu) {
  startForm();
  RECT frame{};
  GetWindowRect(hwnd(), &frame);
  POINT client{0, 0};
  ClientToScreen(hwnd(), &client);
  // The middle of the caption bar, above the menu bar.
  const LPARAM caption = MAKELPARAM((frame.left + frame.right) / 2, (frame.top + GetSystemMetrics(SM_CYFRAME) +
                                                                      GetSystemMetrics(SM_CYCAPTION) / 2));
  ASSERT_EQ(SendMessageA(hwnd(), WM_NCHITTEST, 0, caption), HTCAPTION);
  HMENU shown = nullptr;
  ModalProbe probe([&] {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return false;
    shown = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
    EndMenu();
    return true;
  });
  SendMessageA(hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd()), caption);
  pump();
  ASSERT_TRUE(probe.finished()) << "no menu opened";
  EXPECT_NE(shown, mainWindow().contextMenu());
  EXPECT_EQ(shown, GetSystemMenu(hwnd(), FALSE));
}

// Opens the menu from the keyboard and tells where it showed.
class KeyboardContextMenu : public FormTest {
 protected:
  bool opensAtClientOrigin(const std::function<void()>& keys) {
    RECT menuWindow{};
    ModalProbe probe([&] {
      HWND menu = FindWindowA("#32768", nullptr);
      if (!menu || !IsWindowVisible(menu)) return false;
      GetWindowRect(menu, &menuWindow);
      EndMenu();
      return true;
    });
    keys();
    pump();
    EXPECT_TRUE(probe.finished()) << "no menu opened";
    POINT origin{0, 0};
    ClientToScreen(hwnd(), &origin);
    EXPECT_EQ(menuWindow.left, origin.x);
    EXPECT_EQ(menuWindow.top, origin.y);
    return probe.finished() && menuWindow.left == origin.x && menuWindow.top == origin.y;
  }
};

TEST_F(KeyboardContextMenu, TheMenuKeyOpensItAtTheClientOrigin) {
  startForm();
  EXPECT_TRUE(opensAtClientOrigin([&] {
    SendMessageA(hwnd(), WM_KEYDOWN, VK_APPS, 1);
    SendMessageA(hwnd(), WM_KEYUP, VK_APPS, static_cast<LPARAM>(0xC0000001u));
  }));
}

TEST_F(KeyboardContextMenu, ShiftF10OpensItAtTheClientOrigin) {
  startForm();
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE shift = keys[VK_SHIFT];
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  EXPECT_TRUE(opensAtClientOrigin([&] { SendMessageA(hwnd(), WM_SYSKEYDOWN, VK_F10, 1); }));
  keys[VK_SHIFT] = shift;
  SetKeyboardState(keys);
}

class ContextMenuCommands : public ContextMenu {
 protected:
  int idOf(const std::string& text) {
    const int id = idOfItem(mainWindow().contextMenu(), text);
    EXPECT_NE(id, 0) << text;
    return id;
  }
};

TEST_F(ContextMenuCommands, EraseAndSetItemsAskTheirCommandsQuestions) {
  startForm();
  const char* const eraseQuestions[] = {
      "Erase all \"Function Key\" Labels ?", "Erase all \"Main Keyboard Key\" Labels ?",
      "Erase all \"Cursor Control Key\" Labels ?", "Erase all \"Numeric Keypad Key\" Labels ?"};
  const char* const setCaptions[] = {"Enter Default Label for all Function Keys",
                                     "Enter Default Label for all Main Keyboard Keys",
                                     "Enter Default Label for all Cursor Control Keys",
                                     "Enter Default Label for all Numeric Keypad Keys"};
  for (int g = 0; g < 4; ++g) {
    dialogs.answerMessage(Answer::No);
    command(idOf(kEraseGroup[g]));
    ASSERT_FALSE(dialogs.calls.empty());
    EXPECT_EQ(dialogs.calls.back().text, eraseQuestions[g]);
    dialogs.answerInput(false);
    command(idOf(kSetGroup[g]));
    EXPECT_EQ(dialogs.calls.back().caption, setCaptions[g]);
  }
  dialogs.answerMessage(Answer::Yes);
  command(idOf("Erase All Labels"));
  EXPECT_EQ(dialogs.calls.back().text, "Erase ALL Keyboard Key Labels ?");
  EXPECT_EQ(map().labels[1], "");
  EXPECT_EQ(map().labels[101], "");

  dialogs.answerInput(true, "F");
  dialogs.answerMessage(Answer::Yes);
  command(idOf("Set All Labels To A Default Value"));
  EXPECT_EQ(dialogs.calls.back().text, "Set ALL Keyboard Key Labels to \"F\" ?");
  EXPECT_EQ(map().labels[50], "F");
  EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(ContextMenuCommands, StyleItemsSeedTheirDialogsFromTheirOwnFonts) {
  startForm();
  // Distinct fonts and colours, so each dialog's seed tells its command.
  const struct {
    const char* item;
    MapFont font;
  } fontItems[] = {{"Keyboard Map Title Font", MapFont::Title},
                   {"Group Names Font", MapFont::GroupNames},
                   {"Key Names Font", MapFont::KeyNames},
                   {"Key Labels Font", MapFont::KeyLabels}};
  int size = 22;
  for (const auto& f : fontItems) {
    FontDescription sized = map().font(f.font);
    sized.size = size++;
    document().setFont(f.font, sized);
  }
  for (const auto& f : fontItems) {
    dialogs.answerFont(false);
    command(idOf(f.item));
    ASSERT_EQ(dialogs.calls.back().what, Dialog::ChooseFont) << f.item;
    EXPECT_EQ(dialogs.calls.back().font, map().font(f.font)) << f.item;
  }
  document().setColour(MapColour::KeyFaces, 0x00010203);
  document().setColour(MapColour::KeyBorders, 0x00040506);
  dialogs.answerColour(false);
  command(idOf("Select Key Colour"));
  EXPECT_EQ(dialogs.calls.back().colour, 0x00010203);
  dialogs.answerColour(false);
  command(idOf("Select Key Border Colour"));
  EXPECT_EQ(dialogs.calls.back().colour, 0x00040506);
  EXPECT_FALSE(document().changed());
}

TEST_F(ContextMenuCommands, AlignmentAndAboutItemsRunTheirCommands) {
  startForm();
  const struct {
    const char* item;
    int value;
  } alignments[] = {{"Set Key Label Vertical Alignment : Bottom", kLayoutBottom},
                    {"Set Key Label Vertical Alignment : Top", kLayoutTop},
                    {"Set Key Label Vertical Alignment : Center", kLayoutCenter}};
  for (const auto& a : alignments) {
    command(idOf(a.item));
    EXPECT_EQ(map().alignment, a.value) << a.item;
    EXPECT_EQ(map().labelLayout, a.value) << a.item;
    EXPECT_EQ(map().titleLayout, a.value) << a.item;
  }
  EXPECT_TRUE(dialogs.calls.empty());
  command(idOf(kAbout));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].what, Dialog::About);
}

// Needs the picture output commands: each export item must do exactly what
// the main menu's item does.
TEST_F(ContextMenuCommands, ExportItemsRunTheMainMenusExportCommands) {
  startForm();
  const struct {
    const char* item;
    int mainMenuId;
    bool opensFileDialog;
  } exports[] = {{"Save Keyboard Layout Bitmap to File\tCtrl+S", ID_Save_Bitmap_to_File, true},
                 {"Copy Keyboard Layout Bitmap to Window's Clipboard\tCtrl+C", ID_Copy_Bitmap_to_Clipboard, false}};
  auto seen = [](const std::vector<DialogCall>& calls) {
    std::vector<std::string> out;
    for (const DialogCall& c : calls) out.push_back(::testing::PrintToString(c.what) + "|" + c.caption + "|" + c.text);
    return out;
  };
  for (const auto& e : exports) {
    dialogs.calls.clear();
    if (e.opensFileDialog) dialogs.answerFile(false);
    command(e.mainMenuId);
    const std::vector<std::string> fromMainMenu = seen(dialogs.calls);
    ASSERT_FALSE(fromMainMenu.empty()) << e.item;

    dialogs.calls.clear();
    if (e.opensFileDialog) dialogs.answerFile(false);
    command(idOf(e.item));
    EXPECT_EQ(seen(dialogs.calls), fromMainMenu) << e.item;
  }
}

}  // namespace
}  // namespace tastrix::testing
