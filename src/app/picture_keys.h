#pragma once
#include <windows.h>

#include <memory>

#include "app/picture_accessibility.h"
#include "app/picture_commands.h"
#include "model/key_navigation.h"
#include "platform/tracking_tip.h"
#include "platform/windows_keys_hook.h"

namespace tastrix {

// The picture's keys as the keyboard reaches them. One key has the focus (the
// map title counts as a key): Tab and Ctrl+arrows move it, Enter and Space
// open its label. After F2 the next key pressed picks its own key on the
// picture. The plain arrows and the paging keys scroll.
class PictureKeys {
 public:
  // Posted with a stop as wParam: opens that key's label once the caller is done.
  static constexpr UINT kEditStopMessage = WM_APP + 1;

  PictureKeys(IAppWindow& window, IPictureCommands& commands);

  // ---- What the window hands on of its messages ----
  // A key message (down, up, character); false leaves it to the window's default handling.
  bool onKey(UINT msg, WPARAM wParam, LPARAM lParam);
  // A press in the client area ends a pick and moves the focus to the key pressed.
  void onMouseDown(LPARAM point);
  void onMouseMove(LPARAM point);  // the picking hint follows the mouse
  void onFocus(bool gained);       // a pick ends with the focus
  void onSettingChange(WPARAM setting);
  void onUiState(WPARAM change);  // after the default handling has kept it
  // The system's context-menu request for the release of a Menu key that was
  // just picked asks for nothing: true when this one is it.
  bool swallowsMenuKeyRequest(LPARAM point);
  void onEditStopPosted(WPARAM stop);  // kEditStopMessage
  void onWindowGone();
  void endPicking();
  // Draws the focus over what the window painted of the picture; never while a capture runs.
  void paintFocus(HDC dc) const;

  int focusedStop() const { return focused_; }
  void focusStop(int stop, bool scrollIntoView);  // announces the move while the window has the focus
  void editStop(int stop);                        // as a click on its label: the press, then the label box
  bool picking() const { return picking_; }
  RECT shownRect(int stop) const;  // where the stop is in the client area, scroll applied
  PictureAccessibility& accessibility() { return accessibility_; }
  const PictureAccessibility& accessibility() const { return accessibility_; }

 private:
  static bool isRepeat(LPARAM flags);  // a held key's repeated press
  bool onKeyDown(WPARAM key, LPARAM flags);
  bool scrollByKey(WPARAM key);
  void onPickingKey(UINT msg, WPARAM virtualKey, LPARAM flags);
  void followKeyboardCuesSetting();
  void startPicking();
  void moveByKeyboard(int stop);
  void showFocusCues();
  void invalidateFocus() const;
  RECT focusRect() const;  // client coordinates, scroll applied

  IAppWindow& window_;
  IPictureCommands& commands_;
  PictureAccessibility accessibility_;
  int focused_ = kNoStop;
  // Hidden until the keyboard is used, as the window's UI state keeps it
  // (UISF_HIDEFOCUS), unless the user has focus rectangles shown always.
  bool focusHidden_ = true;
  bool picking_ = false;
  int picked_ = kNoStop;  // the last key pressed while picking, taken when released
  bool pickSettled_ = false;  // a key came up after the pick: the pick stays
  bool menuKeyPicked_ = false;  // until the system's context-menu request for its release
  std::unique_ptr<TrackingTip> pickingTip_;
  std::unique_ptr<WindowsKeysHook> windowsKeys_;  // only while picking
};

}  // namespace tastrix
