#include "editing/core/context_menu.h"

namespace tastrix {
namespace {

bool fits(ShownFor shownFor, PressGroup group) {
  switch (shownFor) {
    case ShownFor::Always: return true;
    case ShownFor::FunctionKeys: return group == PressGroup::FunctionKeys;
    case ShownFor::MainKeyboard: return group == PressGroup::MainKeyboard;
    case ShownFor::CursorControl: return group == PressGroup::CursorControl;
    case ShownFor::NumericKeypad: return group == PressGroup::NumericKeypad;
    case ShownFor::KeyGroups: return group != PressGroup::MapTitle && group != PressGroup::None;
    case ShownFor::MapTitle: return group == PressGroup::MapTitle;
    case ShownFor::AnyTarget: return group != PressGroup::None;
  }
  return false;
}

}  // namespace

void UpdatePopupVisibility(const std::vector<ShownFor>& items, PressGroup recorded, std::vector<bool>& visible) {
  if (recorded == PressGroup::None) return;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i] != ShownFor::Always) visible[i] = fits(items[i], recorded);
}

std::vector<DrawnRow> DrawnPopupRows(const std::vector<bool>& separator, const std::vector<bool>& visible) {
  std::vector<DrawnRow> drawn;
  bool separatorPending = false;
  for (size_t i = 0; i < separator.size(); ++i) {
    if (!visible[i]) continue;
    if (separator[i]) {
      separatorPending = !drawn.empty();
      continue;
    }
    drawn.push_back(DrawnRow{i, separatorPending});
    separatorPending = false;
  }
  return drawn;
}

}  // namespace tastrix
