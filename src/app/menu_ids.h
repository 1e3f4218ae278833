#pragma once

namespace tastrix {

// Command identifiers of the menu bar; context-menu items follow from
// ID_Popup_First in the order of their table.
enum MenuId : int {
  // File
  ID_Save_Keyboard_Layout = 100,
  ID_Save_Keyboard_Layout_As,
  ID_Load_Keyboard_Layout,
  ID_Load_Key_Fonts,
  ID_Load_Key_Labels,
  ID_Load_Key_Colours,
  ID_Save_Bitmap_to_File,
  ID_Copy_Bitmap_to_Clipboard,
  ID_Print_Keyboard_Layout,
  ID_Always_On_Top,
  ID_Auto_Run,
  ID_Restore_Factory_Defaults,
  ID_Exit,
  // Edit
  ID_Edit_Copy_Bitmap_to_Clipboard,
  // Erase
  ID_Erase_Function_Keys,
  ID_Erase_Main_Keyboard,
  ID_Erase_Cursor_Control,
  ID_Erase_Numeric_Keypad,
  ID_Erase_All,
  // Set
  ID_Set_Function_Keys,
  ID_Set_Main_Keyboard,
  ID_Set_Cursor_Control,
  ID_Set_Numeric_Keypad,
  ID_Set_All,
  // Fonts / Colours
  ID_Font_Map_Title,
  ID_Font_Group_Names,
  ID_Font_Key_Names,
  ID_Font_Key_Labels,
  ID_Key_Colour,
  ID_Key_Border_Colour,
  ID_Align_Top,
  ID_Align_Center,
  ID_Align_Bottom,
  // Help
  ID_View_Readme,
  ID_About,
  // Keys only
  ID_Undo,
  ID_Redo,
  ID_Print,
  ID_Popup_First = 300,
};

}  // namespace tastrix
