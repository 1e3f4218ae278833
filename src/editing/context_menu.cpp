#include "editing/context_menu.h"

namespace tastrix {

const std::vector<MenuEntry>& popupMenuTable() {
  static const std::vector<MenuEntry> table;
  return table;
}

void TMainForm1::PopupMenu1Popup() {}
void TMainForm1::showPopupMenu(int, int) {}

}  // namespace tastrix
