#pragma once
#include <cstddef>
#include <vector>

#include "model/key_catalogue.h"

namespace tastrix {

// The selected targets for which an item of the context menu shows.
enum class ShownFor { Always, FunctionKeys, MainKeyboard, CursorControl, NumericKeypad, KeyGroups, MapTitle, AnyTarget };

// As the context menu opens: with a group recorded, every item that depends on it shows
// exactly when it fits the group; with none recorded, the items keep what the
// last run gave them (all of them before the first).
void UpdatePopupVisibility(const std::vector<ShownFor>& items, PressGroup recorded, std::vector<bool>& visible);

// The rows a menu draws: the visible items in order, each with a separator
// before it when a visible separator stands between it and the previous one,
// so that no separator is drawn first, last or twice in a row.
struct DrawnRow {
  size_t row;
  bool separatorBefore;
};
std::vector<DrawnRow> DrawnPopupRows(const std::vector<bool>& separator, const std::vector<bool>& visible);

}  // namespace tastrix
