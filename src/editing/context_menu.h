#pragma once
#include <vector>

#include "app/menu_table.h"

namespace tastrix {

// The context menu's items in order (depth 1 entries; separators included).
const std::vector<MenuEntry>& popupMenuTable();

}  // namespace tastrix
