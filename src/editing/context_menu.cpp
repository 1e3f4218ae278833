// The context menu: its items, and which of them each recorded group shows.
#include "editing/context_menu.h"

#include <string>

namespace tastrix {
namespace {

using F = TMainForm1;

struct PopupRow {
  const char* name;  // nullptr for a separator
  const char* caption;
  const char* shortcut;
  CommandHandler handler;
  const char* shownFor;  // the recorded groups (digits) that show it; nullptr: always shown
};

const char* const kKeyGroups = "0123";
const char* const kAnyGroup = "01234";

const PopupRow kRows[] = {
    {"SaveKeyboardLayoutBitmaptoFile1", "Save Keyboard Layout Bitmap to File", "Ctrl+S",
     &F::Save_Bitmap_to_File_Menu_OptionClick, nullptr},
    {"CopyKeyboardLayoutBitmaptoWindowsClipboard1", "Copy Keyboard Layout Bitmap to Window's Clipboard", "Ctrl+C",
     &F::Copy_Bitmap_to_Windows_Clipboard_OptionClick, nullptr},
    {nullptr, "-", nullptr, nullptr, nullptr},
    {"Erase1", "Erase Function Key labels", nullptr, &F::Reset_Function_Key_Labels_OptionClick, "0"},
    {"EraseMainKeyboardLabels1", "Erase Main Keyboard Labels", nullptr, &F::Reset_Main_Keyboard_Labels_OptionClick,
     "1"},
    {"EraseCursorControlLabels1", "Erase Cursor Control Labels", nullptr,
     &F::Reset_Cursor_Control_Labels_OptionClick, "2"},
    {"EraseNumericKeypadLabels1", "Erase Numeric Keypad Labels", nullptr,
     &F::Reset_Numeric_Keypad_Labels_OptionClick, "3"},
    {"EraseAllLabels1", "Erase All Labels", nullptr, &F::Reset_All_Labels_OptionClick, kAnyGroup},
    {nullptr, "-", nullptr, nullptr, nullptr},
    {"SetFunctionKeylabels1", "Set Function Key labels", nullptr, &F::Set_Function_Key_Labels_OptionClick, "0"},
    {"SetMainKeyboardLabels1", "Set Main Keyboard Labels", nullptr, &F::Set_Main_Keyboard_Labels_OptionClick, "1"},
    {"SetCursorControlLabels1", "Set Cursor Control Labels", nullptr, &F::Set_Cursor_Control_Labels_OptionClick,
     "2"},
    {"SetNumericKeypadLabels1", "Set Numeric Keypad Labels", nullptr, &F::Set_Numeric_Keypad_Labels_OptionClick,
     "3"},
    {"SetAllLabelsToADefaultValue1", "Set All Labels To A Default Value", nullptr,
     &F::Set_All_Labels_To_A_Default_Value_OptionClick, kAnyGroup},
    {nullptr, "-", nullptr, nullptr, nullptr},
    {"KeyboardMapTitleFont1", "Keyboard Map Title Font", nullptr, &F::Font_Keyboard_Map_Title_OptionClick, "4"},
    {"GroupNamesFont1", "Group Names Font", nullptr, &F::Font_Group_Names_OptionClick, kKeyGroups},
    {"KeyNamesFont1", "Key Names Font", nullptr, &F::Font_Key_Names_OptionClick, kKeyGroups},
    {"KeyLabelsFont1", "Key Labels Font", nullptr, &F::Font_Key_Labels_OptionClick, kKeyGroups},
    {nullptr, "-", nullptr, nullptr, nullptr},
    {"SelectKeyColour1", "Select Key Colour", nullptr, &F::Select_Key_Colour_OptionClick, kKeyGroups},
    {"SelectKeyBorderColour1", "Select Key Border Colour", nullptr, &F::Select_Key_Colour_Border_OptionClick,
     kKeyGroups},
    {nullptr, "-", nullptr, nullptr, nullptr},
    {"SetKeyLabelVerticalAlignmentTop1", "Set Key Label Vertical Alignment : Top", nullptr,
     &F::Set_Key_Label_Vertical_Alignment_Top_OptionClick, kKeyGroups},
    {"SetKeyLabelVerticalAlignmentCenter1", "Set Key Label Vertical Alignment : Center", nullptr,
     &F::Set_Key_Label_Vertical_Alignment_Center_OptionClick, kKeyGroups},
    {"SetKeyLabelVerticalAlignmentBottom1", "Set Key Label Vertical Alignment : Bottom", nullptr,
     &F::Set_Key_Label_Vertical_Alignment_Bottom_OptionClick, kKeyGroups},
    {nullptr, "-", nullptr, nullptr, nullptr},
    {"About2", "&About", "Ctrl+A", &F::About2Click, nullptr},
};

constexpr size_t kRowCount = sizeof kRows / sizeof kRows[0];

bool isSeparator(const MenuEntry& entry) { return (entry.flags & kSeparator) != 0; }

// Appends the visible items; a separator is drawn only between two of them.
void fillPopupMenu(HMENU menu, const std::vector<MenuEntry>& entries, const std::vector<bool>& visible) {
  bool itemShown = false, separatorPending = false;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (!visible[i]) continue;
    if (isSeparator(entries[i])) {
      separatorPending = itemShown;
      continue;
    }
    if (separatorPending) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(entries[i].id), menuText(entries[i]).c_str());
    itemShown = true;
    separatorPending = false;
  }
}

}  // namespace

const std::vector<MenuEntry>& popupMenuTable() {
  static const std::vector<MenuEntry> table = [] {
    std::vector<MenuEntry> entries;
    for (size_t i = 0; i < kRowCount; ++i) {
      const PopupRow& row = kRows[i];
      const int id = ID_Popup_First + static_cast<int>(i);
      if (row.name)
        entries.push_back({1, row.name, row.caption, row.shortcut, id, row.handler, kItem});
      else
        entries.push_back({1, nullptr, row.caption, nullptr, 0, nullptr, kSeparator});
    }
    return entries;
  }();
  return table;
}

void TMainForm1::PopupMenu1Popup() {
  const int group = model_.recordedGroup;
  if (group < 0 || group > 4) return;
  const char digit = static_cast<char>('0' + group);
  for (size_t i = 0; i < kRowCount; ++i)
    if (kRows[i].shownFor) popupItemVisible[i] = std::string(kRows[i].shownFor).find(digit) != std::string::npos;
  while (GetMenuItemCount(popupMenu_) > 0) DeleteMenu(popupMenu_, 0, MF_BYPOSITION);
  fillPopupMenu(popupMenu_, popupMenuTable(), popupItemVisible);
}

void TMainForm1::showPopupMenu(int screenX, int screenY) {
  PopupMenu1Popup();
  TrackPopupMenu(popupMenu_, TPM_RIGHTBUTTON, screenX, screenY, 0, hwnd_, nullptr);
}

}  // namespace tastrix
