// Picking a key by pressing it: after F2 the next key is no command, but the
// key to label.
#include "app/picture_keys.h"

#include "app/main_form.h"
#include "model/key_scan_codes.h"

namespace tastrix {
namespace {

constexpr const char* kPickingHint = "Press the key you want to label";

}  // namespace

void PictureKeys::startPicking() {
  endPicking();
  POINT mouse{};
  GetCursorPos(&mouse);
  pickingTip_ = std::make_unique<TrackingTip>(form_.hwnd(), kPickingHint, mouse);
  picking_ = true;
}

void PictureKeys::endPicking() {
  picking_ = false;
  picked_ = kNoStop;
  pickingTip_.reset();
}

// A key is picked when it goes down and taken when it comes up, so the label
// box that opens then does not receive the key's release.
void PictureKeys::onPickingKey(UINT msg, WPARAM virtualKey, LPARAM flags) {
  const int key = keyAtScanCode((flags >> 16) & 0xFF, ((flags >> 24) & 1) != 0);
  if (key == kNoStop) return;  // not on the picture: Pause, Print Screen...
  if ((msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) && picked_ == kNoStop) {
    picked_ = key;
    showFocusCues();
    focusStop(key, true);
  } else if ((msg == WM_KEYUP || msg == WM_SYSKEYUP) && key == picked_) {
    endPicking();
    menuKeyPicked_ = virtualKey == VK_APPS;
    editStop(key);
  }
}

}  // namespace tastrix
