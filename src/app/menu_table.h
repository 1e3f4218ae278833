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
};

// A key with its modifiers, as the accelerator table takes it and a menu
// item shows it ("Ctrl+Shift+Z").
struct Shortcut {
  enum Modifiers : unsigned char { kNone = 0, kCtrl = 1, kShift = 2, kAlt = 4 };
  unsigned char modifiers = kNone;
  unsigned short key = 0;  // a virtual key; 0: none

  explicit operator bool() const { return key != 0; }
  std::string text() const;
};
constexpr Shortcut ctrl(unsigned short key) { return Shortcut{Shortcut::kCtrl, key}; }

// One entry of the menu bar or the context menu: the single source of its
// caption, shortcut and the application's method it runs.
struct MenuEntry {
  int depth;  // 0: menu-bar title, 1: its item or a context-menu item, 2: submenu item
  const char* caption;
  Shortcut shortcut;
  int id;
  CommandHandler handler;
  unsigned flags;
  ShownFor shownFor;  // context-menu items only
};

// A command reached by its shortcut only: no menu shows it.
struct KeyCommand {
  Shortcut shortcut;
  int id;
  CommandHandler handler;
};

const std::vector<MenuEntry>& mainMenuTable();
const std::vector<KeyCommand>& keyCommandTable();
// The context menu's items in order, separators included; item i has the
// id ID_Popup_First + i.
const std::vector<MenuEntry>& popupMenuTable();

// Builds the menu bar (depth 0 = titles) from its table.
HMENU buildMenuBar(const std::vector<MenuEntry>& entries);

// Accelerator entries for every shortcut of the menu bar's enabled items and
// of the commands reached by keys only.
std::vector<ACCEL> accelerators();

// The handler of the command with this id, from any of the tables; nullptr for none.
CommandHandler findCommand(int id);
// The entry with this command id, or nullptr.
const MenuEntry* findMenuEntry(const std::vector<MenuEntry>& entries, int id);

// The caption as a menu shows it: caption, a tab, the shortcut.
std::string menuText(const MenuEntry& entry);

}  // namespace tastrix
