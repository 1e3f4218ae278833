// Picking a key by pressing it: after F2 the next key is no command, but the
// key to label.
#include "app/picture_keys.h"

#include "model/key_scan_codes.h"

namespace tastrix {
namespace {

constexpr const char* kPickingHint = "Press the key you want to label";

}  // namespace

void PictureKeys::startPicking() {
  endPicking();
  POINT mouse{};
  GetCursorPos(&mouse);
  pickingTip_ = std::make_unique<TrackingTip>(window_.handle(), kPickingHint, mouse);
  windowsKeys_ = std::make_unique<WindowsKeysHook>(window_.handle());
  picking_ = true;
}

void PictureKeys::endPicking() {
  picking_ = false;
  picked_ = kNoStop;
  pickSettled_ = false;
  pickingTip_.reset();
  windowsKeys_.reset();
}

// Keys that go down together before any comes up are one gesture, and the
// last to go down is the one meant: AltGr arrives as left Ctrl and right Alt,
// Shift+A as Shift and A. The pick is taken when its key comes up, so the
// label box that opens then does not receive the key's release.
void PictureKeys::onPickingKey(UINT msg, WPARAM virtualKey, LPARAM flags) {
  // The characters a typing key makes follow its press (and each repeat of
  // it) and carry its scan code: they are swallowed, never taken for its release.
  const bool down = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
  if (!down && msg != WM_KEYUP && msg != WM_SYSKEYUP) return;
  const int key = keyAtScanCode((flags >> 16) & 0xFF, ((flags >> 24) & 1) != 0);
  if (key == kNoStop) {
    // Pause, Print Screen, Scroll Lock, the extra key of European keyboards:
    // nothing on the picture to label, and not to be left waiting for.
    endPicking();
    return;
  }
  if (down) {
    // Before a pick, a repeated press is F2's own, still held. After it, the
    // flag may only say that the key's twin is down: right Shift pressed
    // while left Shift is held arrives as a repeated Shift.
    if ((isRepeat(flags) && picked_ == kNoStop) || pickSettled_) return;
    picked_ = key;
    showFocusCues();
    focusStop(key, true);
  } else if (key == picked_) {
    endPicking();
    menuKeyPicked_ = virtualKey == VK_APPS;
    editStop(key);
  } else if (picked_ != kNoStop) {
    pickSettled_ = true;  // releasing has begun: no later key joins the gesture
  }
}

}  // namespace tastrix
