#include "app/menu_table.h"


#include "app/application.h"

namespace tastrix {
namespace {

using A = Application;
constexpr ShownFor kAll = ShownFor::Always;

MenuEntry separator(int depth) { return MenuEntry{depth, "-", {}, 0, nullptr, kSeparator, kAll}; }
MenuEntry submenu(int depth, const char* caption) { return MenuEntry{depth, caption, {}, 0, nullptr, kSubmenu, kAll}; }

}  // namespace

const std::vector<MenuEntry>& mainMenuTable() {
  static const std::vector<MenuEntry> table = {
      submenu(0, "&File"),
      {1, "Save Keyboard Layout", {}, ID_Save_Keyboard_Layout,
       [](A& a) { a.maps().saveMap(); }, kItem, kAll},
      {1, "Save Keyboard Layout As ...", {}, ID_Save_Keyboard_Layout_As,
       [](A& a) { a.maps().saveMapAs(); }, kItem, kAll},
      separator(1),
      {1, "Load Keyboard Layout", {}, ID_Load_Keyboard_Layout,
       [](A& a) { a.maps().loadMap(); }, kItem, kAll},
      {1, "Load the Key Font Settings from Another Keyboard Layout File", {}, ID_Load_Key_Fonts,
       [](A& a) { a.maps().loadFontsFromAnotherMap(); }, kItem, kAll},
      {1, "Load the Key Labels from Another Keyboard Layout File", {}, ID_Load_Key_Labels,
       [](A& a) { a.maps().loadLabelsFromAnotherMap(); }, kItem, kAll},
      {1, "Load the Key Colour Settings from Another Keyboard Layout File", {}, ID_Load_Key_Colours,
       [](A& a) { a.maps().loadColoursFromAnotherMap(); }, kItem, kAll},
      separator(1),
      {1, "Save Keyboard Layout Bitmap to File", ctrl('S'), ID_Save_Bitmap_to_File,
       [](A& a) { a.output().saveBitmap(); }, kItem, kAll},
      {1, "Copy Keyboard Layout Bitmap to Window's Clipboard", ctrl('C'), ID_Copy_Bitmap_to_Clipboard,
       [](A& a) { a.output().copyBitmap(); }, kItem, kAll},
      {1, "Print Keyboard Layout", {}, ID_Print_Keyboard_Layout,
       [](A& a) { a.output().showPrinterSetup(); }, kDisabled, kAll},
      separator(1),
      {1, "Always &On Top", {}, ID_Always_On_Top, [](A& a) { a.options().toggleAlwaysOnTop(); }, kItem,
       kAll},
      {1, "&Auto-Run at Windows Startup", {}, ID_Auto_Run, [](A& a) { a.toggleAutoRun(); }, kItem, kAll},
      {1, "&Restore Factory Defaults", {}, ID_Restore_Factory_Defaults,
       [](A& a) { a.startAndClose().restoreFactoryDefaults(); }, kItem, kAll},
      separator(1),
      {1, "E&xit", {}, ID_Exit, [](A& a) { a.exit(); }, kItem, kAll},

      submenu(0, "Edit"),
      {1, "Copy Keyboard Layout Bitmap to Window's Clipboard", ctrl('C'), ID_Edit_Copy_Bitmap_to_Clipboard,
       [](A& a) { a.output().copyBitmap(); }, kItem, kAll},

      submenu(0, "Erase"),
      {1, "Erase Function Key labels", {}, ID_Erase_Function_Keys,
       [](A& a) { a.editing().eraseLabels(LabelGroup::FunctionKeys); }, kItem, kAll},
      {1, "Erase Main Keyboard Labels", {}, ID_Erase_Main_Keyboard,
       [](A& a) { a.editing().eraseLabels(LabelGroup::MainKeyboard); }, kItem, kAll},
      {1, "Erase Cursor Control Labels", {}, ID_Erase_Cursor_Control,
       [](A& a) { a.editing().eraseLabels(LabelGroup::CursorControl); }, kItem, kAll},
      {1, "Erase Numeric Keypad Labels", {}, ID_Erase_Numeric_Keypad,
       [](A& a) { a.editing().eraseLabels(LabelGroup::NumericKeypad); }, kItem, kAll},
      separator(1),
      {1, "Erase All Labels", {}, ID_Erase_All, [](A& a) { a.editing().eraseLabels(LabelGroup::AllKeys); }, kItem,
       kAll},

      submenu(0, "Set"),
      {1, "Set Function Key labels", {}, ID_Set_Function_Keys,
       [](A& a) { a.editing().setLabels(LabelGroup::FunctionKeys); }, kItem, kAll},
      {1, "Set Main Keyboard Labels", {}, ID_Set_Main_Keyboard,
       [](A& a) { a.editing().setLabels(LabelGroup::MainKeyboard); }, kItem, kAll},
      {1, "Set Cursor Control Labels", {}, ID_Set_Cursor_Control,
       [](A& a) { a.editing().setLabels(LabelGroup::CursorControl); }, kItem, kAll},
      {1, "Set Numeric Keypad Labels", {}, ID_Set_Numeric_Keypad,
       [](A& a) { a.editing().setLabels(LabelGroup::NumericKeypad); }, kItem, kAll},
      separator(1),
      {1, "Set All Labels To A Default Value", {}, ID_Set_All,
       [](A& a) { a.editing().setLabels(LabelGroup::AllKeys); }, kItem, kAll},

      submenu(0, "Fonts / Colours"),
      {1, "Keyboard Map Title Font", {}, ID_Font_Map_Title,
       [](A& a) { a.editing().chooseFont(MapFont::Title); }, kItem, kAll},
      {1, "Group Names Font", {}, ID_Font_Group_Names, [](A& a) { a.editing().chooseFont(MapFont::GroupNames); },
       kItem, kAll},
      {1, "Key Names Font", {}, ID_Font_Key_Names, [](A& a) { a.editing().chooseFont(MapFont::KeyNames); }, kItem,
       kAll},
      {1, "Key Labels Font", {}, ID_Font_Key_Labels, [](A& a) { a.editing().chooseFont(MapFont::KeyLabels); },
       kItem, kAll},
      separator(1),
      {1, "Select Key Colour", {}, ID_Key_Colour, [](A& a) { a.editing().chooseColour(MapColour::KeyFaces); },
       kItem, kAll},
      {1, "Select Key Border Colour", {}, ID_Key_Border_Colour,
       [](A& a) { a.editing().chooseColour(MapColour::KeyBorders); }, kItem, kAll},
      separator(1),
      submenu(1, "Set Key Label Vertical Alignment"),
      {2, "Top", {}, ID_Align_Top, [](A& a) { a.editing().alignLabels(kLayoutTop); },
       kItem, kAll},
      {2, "Center", {}, ID_Align_Center,
       [](A& a) { a.editing().alignLabels(kLayoutCenter); }, kItem, kAll},
      {2, "Bottom", {}, ID_Align_Bottom,
       [](A& a) { a.editing().alignLabels(kLayoutBottom); }, kItem, kAll},

      submenu(0, "&Help"),
      {1, "&View Readme file", Shortcut{Shortcut::kNone, VK_F1}, ID_View_Readme, [](A& a) { a.viewReadme(); }, kItem,
       kAll},
      separator(1),
      {1, "&About", ctrl('A'), ID_About, [](A& a) { a.showAbout(); }, kItem, kAll},
  };
  return table;
}

const std::vector<KeyCommand>& keyCommandTable() {
  static const std::vector<KeyCommand> table = {
      {ctrl('Z'), ID_Undo, [](A& a) { a.document().undo(); }},
      {ctrl('Y'), ID_Redo, [](A& a) { a.document().redo(); }},
      {Shortcut{Shortcut::kCtrl | Shortcut::kShift, 'Z'}, ID_Redo, [](A& a) { a.document().redo(); }},
      // The File menu's print item stays greyed, as it always was: printing is this key's.
      {ctrl('P'), ID_Print, [](A& a) { a.output().print(); }},
  };
  return table;
}

// Every item runs the method of an item of the menu bar.
const std::vector<MenuEntry>& popupMenuTable() {
  static const std::vector<MenuEntry> table = [] {
    const auto forward = [](int mainId, ShownFor shownFor) {
      const MenuEntry& main = *findMenuEntry(mainMenuTable(), mainId);
      return MenuEntry{1, main.caption, main.shortcut, 0, main.handler, kItem, shownFor};
    };
    const auto renamed = [&](int mainId, const char* caption, ShownFor shownFor) {
      MenuEntry entry = forward(mainId, shownFor);
      entry.caption = caption;
      return entry;
    };
    std::vector<MenuEntry> entries = {
        forward(ID_Save_Bitmap_to_File, kAll),
        forward(ID_Copy_Bitmap_to_Clipboard, kAll),
        separator(1),
        forward(ID_Erase_Function_Keys, ShownFor::FunctionKeys),
        forward(ID_Erase_Main_Keyboard, ShownFor::MainKeyboard),
        forward(ID_Erase_Cursor_Control, ShownFor::CursorControl),
        forward(ID_Erase_Numeric_Keypad, ShownFor::NumericKeypad),
        forward(ID_Erase_All, ShownFor::AnyTarget),
        separator(1),
        forward(ID_Set_Function_Keys, ShownFor::FunctionKeys),
        forward(ID_Set_Main_Keyboard, ShownFor::MainKeyboard),
        forward(ID_Set_Cursor_Control, ShownFor::CursorControl),
        forward(ID_Set_Numeric_Keypad, ShownFor::NumericKeypad),
        forward(ID_Set_All, ShownFor::AnyTarget),
        separator(1),
        forward(ID_Font_Map_Title, ShownFor::MapTitle),
        forward(ID_Font_Group_Names, ShownFor::KeyGroups),
        forward(ID_Font_Key_Names, ShownFor::KeyGroups),
        forward(ID_Font_Key_Labels, ShownFor::KeyGroups),
        separator(1),
        forward(ID_Key_Colour, ShownFor::KeyGroups),
        forward(ID_Key_Border_Colour, ShownFor::KeyGroups),
        separator(1),
        renamed(ID_Align_Top, "Set Key Label Vertical Alignment : Top", ShownFor::KeyGroups),
        renamed(ID_Align_Center, "Set Key Label Vertical Alignment : Center", ShownFor::KeyGroups),
        renamed(ID_Align_Bottom, "Set Key Label Vertical Alignment : Bottom", ShownFor::KeyGroups),
        separator(1),
        forward(ID_About, kAll),
    };
    for (size_t i = 0; i < entries.size(); ++i)
      if (!(entries[i].flags & kSeparator)) entries[i].id = ID_Popup_First + static_cast<int>(i);
    return entries;
  }();
  return table;
}

std::string Shortcut::text() const {
  std::string text;
  if (modifiers & kCtrl) text += "Ctrl+";
  if (modifiers & kShift) text += "Shift+";
  if (modifiers & kAlt) text += "Alt+";
  if (key >= VK_F1 && key <= VK_F24) return text + "F" + std::to_string(key - VK_F1 + 1);
  return text + static_cast<char>(key);  // letters and digits are their own virtual keys
}

std::string menuText(const MenuEntry& entry) {
  std::string text = entry.caption;
  if (entry.shortcut) text += "\t" + entry.shortcut.text();
  return text;
}

HMENU buildMenuBar(const std::vector<MenuEntry>& entries) {
  HMENU bar = CreateMenu();
  // stack[d] is the menu that receives entries of depth d.
  std::vector<HMENU> stack{bar};
  for (const MenuEntry& e : entries) {
    const size_t level = static_cast<size_t>(e.depth);
    if (level >= stack.size()) continue;
    stack.resize(level + 1);
    HMENU parent = stack[level];
    if (e.flags & kSeparator) {
      AppendMenuA(parent, MF_SEPARATOR, 0, nullptr);
    } else if (e.flags & kSubmenu) {
      HMENU sub = CreatePopupMenu();
      AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), e.caption);
      stack.push_back(sub);
    } else {
      AppendMenuA(parent, MF_STRING | ((e.flags & kDisabled) ? MF_GRAYED : 0u), static_cast<UINT_PTR>(e.id),
                  menuText(e).c_str());
    }
  }
  return bar;
}

std::vector<ACCEL> accelerators() {
  std::vector<ACCEL> out;
  const auto add = [&](const Shortcut& shortcut, int id) {
    BYTE virt = FVIRTKEY;
    if (shortcut.modifiers & Shortcut::kCtrl) virt |= FCONTROL;
    if (shortcut.modifiers & Shortcut::kShift) virt |= FSHIFT;
    if (shortcut.modifiers & Shortcut::kAlt) virt |= FALT;
    for (const ACCEL& existing : out)
      if (existing.fVirt == virt && existing.key == shortcut.key) return;  // the first item with a key has it
    out.push_back(ACCEL{virt, shortcut.key, static_cast<WORD>(id)});
  };
  for (const MenuEntry& e : mainMenuTable())
    if (e.shortcut && !(e.flags & kDisabled)) add(e.shortcut, e.id);
  for (const KeyCommand& k : keyCommandTable()) add(k.shortcut, k.id);
  return out;
}

CommandHandler findCommand(int id) {
  if (const MenuEntry* entry = findMenuEntry(mainMenuTable(), id)) return entry->handler;
  if (const MenuEntry* entry = findMenuEntry(popupMenuTable(), id)) return entry->handler;
  for (const KeyCommand& k : keyCommandTable())
    if (k.id == id) return k.handler;
  return nullptr;
}

const MenuEntry* findMenuEntry(const std::vector<MenuEntry>& entries, int id) {
  for (const MenuEntry& e : entries)
    if (id != 0 && e.id == id && e.handler) return &e;
  return nullptr;
}

}  // namespace tastrix
