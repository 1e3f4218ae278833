#include "app/picture_keys.h"

#include <windowsx.h>

#include <algorithm>


namespace tastrix {
namespace {

// The keys that scroll, as the scroll bar's own requests.
constexpr struct {
  WPARAM key;
  int request;
} kScrollKeys[] = {{VK_LEFT, SB_LINELEFT}, {VK_RIGHT, SB_LINERIGHT}, {VK_PRIOR, SB_PAGELEFT},
                   {VK_NEXT, SB_PAGERIGHT}, {VK_HOME, SB_LEFT},      {VK_END, SB_RIGHT}};

bool held(int key) { return GetKeyState(key) < 0; }

Direction directionOf(WPARAM arrow) {
  switch (arrow) {
    case VK_LEFT: return Direction::Left;
    case VK_RIGHT: return Direction::Right;
    case VK_UP: return Direction::Up;
    default: return Direction::Down;
  }
}

}  // namespace

bool PictureKeys::isRepeat(LPARAM flags) { return (flags & (1 << 30)) != 0; }

PictureKeys::PictureKeys(IAppWindow& window, IPictureCommands& commands)
    : window_(window), commands_(commands), accessibility_(window, commands, *this) {
  followKeyboardCuesSetting();
}

bool PictureKeys::onKey(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) menuKeyPicked_ = false;
  // Keys queued while a capture moves the window were meant for the view the
  // user saw; keys posted to the window while a box is open are not the user's.
  if (msg == WM_KEYDOWN && window_.captureState().running) return true;
  if (commands_.boxOpen()) return true;
  // While picking, the whole keystroke is the pick's: not a command, not a
  // character, and Alt or F10 never reach the default handling that opens the menu.
  if (picking_) {
    onPickingKey(msg, wParam, lParam);
    return true;
  }
  return msg == WM_KEYDOWN && onKeyDown(wParam, lParam);
}

// The system answers the release of the Menu key with a context-menu request
// of its own (Wine posts it as the key comes up).
bool PictureKeys::swallowsMenuKeyRequest(LPARAM point) {
  if (!menuKeyPicked_ || GET_X_LPARAM(point) != -1 || GET_Y_LPARAM(point) != -1) return false;
  menuKeyPicked_ = false;
  return true;
}

void PictureKeys::onMouseDown(LPARAM point) {
  menuKeyPicked_ = false;
  endPicking();
  if (window_.captureState().running) return;
  const int stop =
      stopOf(window_.layout().pieceAt(GET_X_LPARAM(point) + window_.scrollPosition(), GET_Y_LPARAM(point)));
  // No scrolling under the mouse: the release must land on what was pressed.
  if (stop != kNoStop) focusStop(stop, false);
}

void PictureKeys::onMouseMove(LPARAM point) {
  if (!pickingTip_) return;
  POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  ClientToScreen(window_.handle(), &at);
  pickingTip_->moveTo(at);
}

void PictureKeys::onFocus(bool gained) {
  if (!gained) endPicking();
  invalidateFocus();
  // The system announces the window; the key inside it is ours to announce.
  if (gained && focused_ != kNoStop) accessibility_.focusMoved(focused_);
}

void PictureKeys::onSettingChange(WPARAM setting) {
  if (setting == SPI_SETKEYBOARDCUES) followKeyboardCuesSetting();
}

void PictureKeys::onEditStopPosted(WPARAM stop) {
  if (stop >= static_cast<WPARAM>(kStopCount)) return;
  focusStop(static_cast<int>(stop), true);
  editStop(static_cast<int>(stop));
}

void PictureKeys::onWindowGone() {
  endPicking();
  accessibility_.disconnect();
}

bool PictureKeys::onKeyDown(WPARAM key, LPARAM flags) {
  switch (key) {
    case VK_TAB:
      if (held(VK_CONTROL)) return false;
      moveByKeyboard(nextStop(focused_, held(VK_SHIFT)));
      return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      if (!held(VK_CONTROL)) return scrollByKey(key);
      moveByKeyboard(nearestStop(window_.layout(), focused_, directionOf(key)));
      return true;
    case VK_RETURN:
    case VK_SPACE:
      if (focused_ == kNoStop) return false;
      // A held key repeats: the box it opened takes the repeats, not another box.
      if (!isRepeat(flags)) {
        showFocusCues();
        editStop(focused_);
      }
      return true;
    case VK_F2:
      // Only the user's own F2: one posted while another program has the
      // focus would take the Windows keys pressed there.
      if (GetFocus() == window_.handle()) startPicking();
      return true;
    default:
      return scrollByKey(key);
  }
}

bool PictureKeys::scrollByKey(WPARAM key) {
  for (const auto& scroll : kScrollKeys)
    if (scroll.key == key) {
      SendMessageA(window_.handle(), WM_HSCROLL, MAKEWPARAM(scroll.request, 0), 0);
      return true;
    }
  return false;  // the menu key and the rest go to the default handling
}

void PictureKeys::moveByKeyboard(int stop) {
  showFocusCues();
  focusStop(stop, true);
}

void PictureKeys::focusStop(int stop, bool scrollIntoView) {
  if (stop < 0 || stop >= kStopCount) return;
  invalidateFocus();
  const bool moved = stop != focused_;
  focused_ = stop;
  if (scrollIntoView) {
    const Rect r = stopRect(window_.layout(), stop);
    const int scroll = window_.scrollPosition(), width = window_.clientWidth();
    if (r.left < scroll)
      window_.setScrollPosition(r.left);
    else if (r.right() > scroll + width)
      window_.setScrollPosition(std::min(r.left, r.right() - width));
  }
  invalidateFocus();
  // After the scrolling: a screen reader asks for the key's place at once.
  if (moved && GetFocus() == window_.handle()) accessibility_.focusMoved(stop);
}

void PictureKeys::editStop(int stop) {
  if (commands_.boxOpen()) return;
  const PicturePiece& label = window_.layout().labelPiece(stop);
  commands_.pressOn(&label);
  commands_.clickOn(label);
}

}  // namespace tastrix
