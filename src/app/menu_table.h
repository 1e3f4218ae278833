#pragma once
#include <windows.h>

#include <vector>

#include "app/main_form.h"

namespace tastrix {

enum MenuFlags : unsigned {
  kItem = 0,
  kSeparator = 1u << 0,
  kCheckable = 1u << 1,
  kDisabled = 1u << 2,
  kSubmenu = 1u << 3,  // the following deeper entries are its items
};

// One entry of a menu built from a table.
struct MenuEntry {
  int depth;  // 0: menu-bar title, 1: its item, 2: submenu item
  const char* name;
  const char* caption;
  const char* shortcut;  // "Ctrl+S", "F1" or nullptr
  int id;
  CommandHandler handler;
  unsigned flags;
};

const std::vector<MenuEntry>& mainMenuTable();

// Builds a menu bar (depth 0 = titles) or a popup (depth 1 = items) from entries.
HMENU buildMenu(const std::vector<MenuEntry>& entries, bool menuBar);

// Accelerator entries for every shortcut in the table.
void appendAccelerators(const std::vector<MenuEntry>& entries, std::vector<ACCEL>& out);

// The entry with this command id, or nullptr.
const MenuEntry* findMenuEntry(const std::vector<MenuEntry>& entries, int id);

// The caption as a menu shows it: caption, a tab, the shortcut.
std::string menuText(const MenuEntry& entry);

}  // namespace tastrix
