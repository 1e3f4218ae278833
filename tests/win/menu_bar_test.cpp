// The menu bar as the user sees it: menus, items, shortcuts, separators, marks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/form_fixture.h"

namespace tastrix::testing {
namespace {

class MenuBar : public FormTest {};

TEST_F(MenuBar, MenusAndItemsInOrder) {
  startForm();
  HMENU bar = GetMenu(hwnd());
  EXPECT_EQ(menuItems(bar), (std::vector<std::string>{"&File", "Edit", "Erase", "Set", "Fonts / Colours", "&Help"}));
  EXPECT_EQ(menuItems(GetSubMenu(bar, 0)),
            (std::vector<std::string>{
                "Save Keyboard Layout", "Save Keyboard Layout As ...", "-", "Load Keyboard Layout",
                "Load the Key Font Settings from Another Keyboard Layout File",
                "Load the Key Labels from Another Keyboard Layout File",
                "Load the Key Colour Settings from Another Keyboard Layout File", "-",
                "Save Keyboard Layout Bitmap to File\tCtrl+S",
                "Copy Keyboard Layout Bitmap to Window's Clipboard\tCtrl+C", "Print Keyboard Layout", "-",
                "Always &On Top", "&Auto-Run at Windows Startup", "&Restore Factory Defaults", "-", "E&xit"}));
  EXPECT_EQ(menuItems(GetSubMenu(bar, 1)),
            (std::vector<std::string>{"Copy Keyboard Layout Bitmap to Window's Clipboard\tCtrl+C"}));
  EXPECT_EQ(menuItems(GetSubMenu(bar, 2)),
            (std::vector<std::string>{"Erase Function Key labels", "Erase Main Keyboard Labels",
                                      "Erase Cursor Control Labels", "Erase Numeric Keypad Labels", "-",
                                      "Erase All Labels"}));
  EXPECT_EQ(menuItems(GetSubMenu(bar, 3)),
            (std::vector<std::string>{"Set Function Key labels", "Set Main Keyboard Labels",
                                      "Set Cursor Control Labels", "Set Numeric Keypad Labels", "-",
                                      "Set All Labels To A Default Value"}));
  HMENU styles = GetSubMenu(bar, 4);
  EXPECT_EQ(menuItems(styles), (std::vector<std::string>{"Keyboard Map Title Font", "Group Names Font",
                                                         "Key Names Font", "Key Labels Font", "-", "Select Key Colour",
                                                         "Select Key Border Colour", "-",
                                                         "Set Key Label Vertical Alignment"}));
  EXPECT_EQ(menuItems(GetSubMenu(styles, 8)), (std::vector<std::string>{"Top", "Center", "Bottom"}));
  EXPECT_EQ(menuItems(GetSubMenu(bar, 5)), (std::vector<std::string>{"&View Readme file\tF1", "-", "&About\tCtrl+A"}));
}

TEST_F(MenuBar, PrintIsGreyedAndNothingIsCheckedAtFirst) {
  startForm();
  HMENU file = GetSubMenu(GetMenu(hwnd()), 0);
  EXPECT_TRUE(GetMenuState(file, ID_Print_Keyboard_Layout, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(file, ID_Always_On_Top, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(file, ID_Auto_Run, MF_BYCOMMAND) & MF_CHECKED);
  for (int id = ID_Font_Map_Title; id <= ID_Align_Bottom; ++id)
    EXPECT_FALSE(GetMenuState(GetMenu(hwnd()), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MenuBar, ShortcutsReachTheirCommands) {
  startForm();
  HACCEL keys = mainWindow().accelerators();
  ACCEL table[16];
  const int n = CopyAcceleratorTableA(keys, table, 16);
  std::vector<std::pair<std::string, int>> found;
  for (int i = 0; i < n; ++i) {
    std::string key = (table[i].fVirt & FCONTROL) ? "Ctrl+" : "";
    if (table[i].fVirt & FSHIFT) key += "Shift+";
    key += table[i].key == VK_F1 ? std::string("F1") : std::string(1, static_cast<char>(table[i].key));
    found.emplace_back(key, table[i].cmd);
  }
  EXPECT_EQ(found, (std::vector<std::pair<std::string, int>>{{"Ctrl+S", ID_Save_Bitmap_to_File},
                                                              {"Ctrl+C", ID_Copy_Bitmap_to_Clipboard},
                                                              {"F1", ID_View_Readme},
                                                              {"Ctrl+A", ID_About},
                                                              {"Ctrl+Z", ID_Undo},
                                                              {"Ctrl+Y", ID_Redo},
                                                              {"Ctrl+Shift+Z", ID_Redo},
                                                              {"Ctrl+P", ID_Print}}));
}

}  // namespace
}  // namespace tastrix::testing
