#include "app/menu_table.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace tastrix {
namespace {

using F = TMainForm1;

}  // namespace

const std::vector<MenuEntry>& mainMenuTable() {
  static const std::vector<MenuEntry> table = {
      {0, "File_Menu", "&File", nullptr, 0, nullptr, kSubmenu},
      {1, "Save_Keyboard_Layout_Option", "Save Keyboard Layout", nullptr, ID_Save_Keyboard_Layout,
       &F::Save_Keyboard_Layout_OptionClick, kItem},
      {1, "Save_Keyboard_Layout_As_Option", "Save Keyboard Layout As ...", nullptr, ID_Save_Keyboard_Layout_As,
       &F::Save_Keyboard_Layout_As_OptionClick, kItem},
      {1, nullptr, "-", nullptr, 0, nullptr, kSeparator},
      {1, "Load_Keyboard_Layout_As_Option", "Load Keyboard Layout", nullptr, ID_Load_Keyboard_Layout,
       &F::Load_Keyboard_Layout_As_OptionClick, kItem},
      {1, "LoadtheKeyFontSettingsfromAnotherKeyboardLayoutFile1",
       "Load the Key Font Settings from Another Keyboard Layout File", nullptr, ID_Load_Key_Fonts,
       &F::LoadtheKeyFontSettingsfromAnotherKeyboardLayoutFile1Click, kItem},
      {1, "LoadtheKeyLabelsfromanother1", "Load the Key Labels from Another Keyboard Layout File", nullptr,
       ID_Load_Key_Labels, &F::LoadtheKeyLabelsfromanother1Click, kItem},
      {1, "LoadtheColourSettingsfromAnotherKeyboardLayout1",
       "Load the Key Colour Settings from Another Keyboard Layout File", nullptr, ID_Load_Key_Colours,
       &F::LoadtheColourSettingsfromAnotherKeyboardLayout1Click, kItem},
      {1, nullptr, "-", nullptr, 0, nullptr, kSeparator},
      {1, "Save_Bitmap_to_File_Menu_Option", "Save Keyboard Layout Bitmap to File", "Ctrl+S",
       ID_Save_Bitmap_to_File, &F::Save_Bitmap_to_File_Menu_OptionClick, kItem},
      {1, "Copy_Bitmap_to_Windows_Clipboard_Option", "Copy Keyboard Layout Bitmap to Window's Clipboard",
       "Ctrl+C", ID_Copy_Bitmap_to_Clipboard, &F::Copy_Bitmap_to_Windows_Clipboard_OptionClick, kItem},
      {1, "Print_Keyboard_Layout_Option", "Print Keyboard Layout", nullptr, ID_Print_Keyboard_Layout,
       &F::Print_Keyboard_Layout_OptionClick, kDisabled},
      {1, nullptr, "-", nullptr, 0, nullptr, kSeparator},
      {1, "Always_On_Top_Option", "Always &On Top", nullptr, ID_Always_On_Top, &F::Always_On_Top_OptionClick,
       kCheckable},
      {1, "Auto_Run_at_Windows_Startup_Option", "&Auto-Run at Windows Startup", nullptr, ID_Auto_Run,
       &F::Auto_Run_at_Windows_Startup_OptionClick, kCheckable},
      {1, "Restore_Factory_Defaults_Option", "&Restore Factory Defaults", nullptr, ID_Restore_Factory_Defaults,
       &F::Restore_Factory_Defaults_OptionClick, kItem},
      {1, nullptr, "-", nullptr, 0, nullptr, kSeparator},
      {1, "ExitOption", "E&xit", nullptr, ID_Exit, &F::ExitOptionClick, kItem},

      {0, "Edit_Menu", "Edit", nullptr, 0, nullptr, kSubmenu},
      {1, "CopyKeyboardLayoutBitmaptoWindowsClipboard2", "Copy Keyboard Layout Bitmap to Window's Clipboard",
       "Ctrl+C", ID_Edit_Copy_Bitmap_to_Clipboard, &F::CopyKeyboardLayoutBitmaptoWindowsClipboard2Click, kItem},

      {0, "Reset_Menu", "Erase", nullptr, 0, nullptr, kSubmenu},
      {1, "Reset_Function_Key_Labels_Option", "Erase Function Key labels", nullptr, ID_Erase_Function_Keys,
       &F::Reset_Function_Key_Labels_OptionClick, kItem},
      {1, "Reset_Main_Keyboard_Labels_Option", "Erase Main Keyboard Labels", nullptr, ID_Erase_Main_Keyboard,
       &F::Reset_Main_Keyboard_Labels_OptionClick, kItem},
      {1, "Reset_Cursor_Control_Labels_Option", "Erase Cursor Control Labels", nullptr, ID_Erase_Cursor_Control,
       &F::Reset_Cursor_Control_Labels_OptionClick, kItem},
      {1, "Reset_Numeric_Keypad_Labels_Option", "Erase Numeric Keypad Labels", nullptr, ID_Erase_Numeric_Keypad,
       &F::Reset_Numeric_Keypad_Labels_OptionClick, kItem},
      {1, nullptr, "-", nullptr, 0, nullptr, kSeparator},
      {1, "Reset_All_Labels_Option", "Erase All Labels", nullptr, ID_Erase_All, &F::Reset_All_Labels_OptionClick,
       kItem},

      {0, "Set_Menu", "Set", nullptr, 0, nullptr, kSubmenu},
      {1, "Set_Function_Key_Labels_Option", "Set Function Key labels", nullptr, ID_Set_Function_Keys,
       &F::Set_Function_Key_Labels_OptionClick, kItem},
      {1, "Set_Main_Keyboard_Labels_Option", "Set Main Keyboard Labels", nullptr, ID_Set_Main_Keyboard,
       &F::Set_Main_Keyboard_Labels_OptionClick, kItem},
      {1, "Set_Cursor_Control_Labels_Option", "Set Cursor Control Labels", nullptr, ID_Set_Cursor_Control,
       &F::Set_Cursor_Control_Labels_OptionClick, kItem},
      {1, "Set_Numeric_Keypad_Labels_Option", "Set Numeric Keypad Labels", nullptr, ID_Set_Numeric_Keypad,
       &F::Set_Numeric_Keypad_Labels_OptionClick, kItem},
      {1, nullptr, "-", nullptr, 0, nullptr, kSeparator},
      {1, "Set_All_Labels_To_A_Default_Value_Option", "Set All Labels To A Default Value", nullptr, ID_Set_All,
       &F::Set_All_Labels_To_A_Default_Value_OptionClick, kItem},

      {0, "Font_Colour_Menu", "Fonts / Colours", nullptr, 0, nullptr, kSubmenu},
      {1, "Font_Keyboard_Map_Title_Option", "Keyboard Map Title Font", nullptr, ID_Font_Map_Title,
       &F::Font_Keyboard_Map_Title_OptionClick, kItem},
      {1, "Font_Group_Names_Option", "Group Names Font", nullptr, ID_Font_Group_Names,
       &F::Font_Group_Names_OptionClick, kItem},
      {1, "Font_Key_Names_Option", "Key Names Font", nullptr, ID_Font_Key_Names, &F::Font_Key_Names_OptionClick,
       kItem},
      {1, "Font_Key_Labels_Option", "Key Labels Font", nullptr, ID_Font_Key_Labels,
       &F::Font_Key_Labels_OptionClick, kItem},
      {1, nullptr, "-", nullptr, 0, nullptr, kSeparator},
      {1, "Select_Key_Colour_Option", "Select Key Colour", nullptr, ID_Key_Colour, &F::Select_Key_Colour_OptionClick,
       kItem},
      {1, "Select_Key_Colour_Border_Option", "Select Key Border Colour", nullptr, ID_Key_Border_Colour,
       &F::Select_Key_Colour_Border_OptionClick, kItem},
      {1, nullptr, "-", nullptr, 0, nullptr, kSeparator},
      {1, "Set_Key_Label_Vertical_Alignment_Menu", "Set Key Label Vertical Alignment", nullptr, 0, nullptr,
       kSubmenu},
      {2, "Set_Key_Label_Vertical_Alignment_Top_Option", "Top", nullptr, ID_Align_Top,
       &F::Set_Key_Label_Vertical_Alignment_Top_OptionClick, kItem},
      {2, "Set_Key_Label_Vertical_Alignment_Center_Option", "Center", nullptr, ID_Align_Center,
       &F::Set_Key_Label_Vertical_Alignment_Center_OptionClick, kItem},
      {2, "Set_Key_Label_Vertical_Alignment_Bottom_Option", "Bottom", nullptr, ID_Align_Bottom,
       &F::Set_Key_Label_Vertical_Alignment_Bottom_OptionClick, kItem},

      {0, "Help_Menu", "&Help", nullptr, 0, nullptr, kSubmenu},
      {1, "View_Readme_file_Option", "&View Readme file", "F1", ID_View_Readme, &F::View_Readme_file_OptionClick,
       kItem},
      {1, nullptr, "-", nullptr, 0, nullptr, kSeparator},
      {1, "AboutOption", "&About", "Ctrl+A", ID_About, &F::AboutOptionClick, kItem},
  };
  return table;
}

std::string menuText(const MenuEntry& entry) {
  std::string text = entry.caption;
  if (entry.shortcut) text += std::string("\t") + entry.shortcut;
  return text;
}

HMENU buildMenu(const std::vector<MenuEntry>& entries, bool menuBar) {
  const int topDepth = menuBar ? 0 : 1;
  HMENU root = menuBar ? CreateMenu() : CreatePopupMenu();
  // stack[d] is the menu that receives entries of depth topDepth + d.
  std::vector<HMENU> stack{root};
  for (const MenuEntry& e : entries) {
    const size_t level = static_cast<size_t>(e.depth - topDepth);
    if (e.depth < topDepth || level >= stack.size()) continue;
    stack.resize(level + 1);
    HMENU parent = stack[level];
    if (e.flags & kSeparator) {
      AppendMenuA(parent, MF_SEPARATOR, 0, nullptr);
    } else if (e.flags & kSubmenu) {
      HMENU sub = CreatePopupMenu();
      AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), e.caption);
      stack.push_back(sub);
    } else {
      UINT flags = MF_STRING;
      if (e.flags & kDisabled) flags |= MF_GRAYED;
      AppendMenuA(parent, flags, static_cast<UINT_PTR>(e.id), menuText(e).c_str());
    }
  }
  return root;
}

void appendAccelerators(const std::vector<MenuEntry>& entries, std::vector<ACCEL>& out) {
  for (const MenuEntry& e : entries) {
    if (!e.shortcut || (e.flags & kDisabled)) continue;
    ACCEL a{};
    a.fVirt = FVIRTKEY;
    a.cmd = static_cast<WORD>(e.id);
    const char* key = e.shortcut;
    if (std::strncmp(key, "Ctrl+", 5) == 0) {
      a.fVirt |= FCONTROL;
      key += 5;
    }
    if (key[0] == 'F' && key[1] >= '1' && key[1] <= '9')
      a.key = static_cast<WORD>(VK_F1 + std::atoi(key + 1) - 1);
    else
      a.key = static_cast<WORD>(key[0]);
    bool duplicate = false;
    for (const ACCEL& existing : out) duplicate |= existing.fVirt == a.fVirt && existing.key == a.key;
    if (!duplicate) out.push_back(a);
  }
}

const MenuEntry* findMenuEntry(const std::vector<MenuEntry>& entries, int id) {
  for (const MenuEntry& e : entries)
    if (id != 0 && e.id == id && e.handler) return &e;
  return nullptr;
}

}  // namespace tastrix
