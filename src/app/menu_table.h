#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app/menu_ids.h"
#include "editing/core/context_menu.h"

namespace tastrix {

class Application;
using CommandHandler = void (*)(Application&);

enum MenuFlags : unsigned {
  kItem = 0,
  kSeparator = 1u << 0,
  kDisabled = 1u << 1,
  kSubmenu = 1u << 2,  // the following deeper entries are its items
  kKeysOnly = 1u << 3,  // reached by its shortcut only: no menu shows it
};

// One entry of the menu bar or the context menu: the single source of its
// caption, shortcut and the application's method it runs.
struct MenuEntry {
  int depth;  // 0: menu-bar title, 1: its item or a context-menu item, 2: submenu item
  const char* caption;
  const char* shortcut;  // "Ctrl+S", "Ctrl+Shift+Z", "F1" or nullptr
  int id;
  CommandHandler handler;
  unsigned flags;
  ShownFor shownFor;  // context-menu items only
};

const std::vector<MenuEntry>& mainMenuTable();
// The context menu's items in order, separators included; item i has the
// id ID_Popup_First + i.
const std::vector<MenuEntry>& popupMenuTable();

// Builds the menu bar (depth 0 = titles) from its table.
HMENU buildMenuBar(const std::vector<MenuEntry>& entries);

// Accelerator entries for every shortcut in the table.
std::vector<ACCEL> accelerators(const std::vector<MenuEntry>& entries);

// The entry with this command id, or nullptr.
const MenuEntry* findMenuEntry(const std::vector<MenuEntry>& entries, int id);

// The caption as a menu shows it: caption, a tab, the shortcut.
std::string menuText(const MenuEntry& entry);

}  // namespace tastrix
