#pragma once
#include <windows.h>

namespace tastrix {

// A one-line tooltip beside a point of the screen, shown while the object
// lives and moved with the point (the mouse, as a rule). It belongs to the
// owner window and never takes the focus.
class TrackingTip {
 public:
  TrackingTip(HWND owner, const char* text, POINT at);
  ~TrackingTip();
  TrackingTip(const TrackingTip&) = delete;
  TrackingTip& operator=(const TrackingTip&) = delete;

  void moveTo(POINT at);

 private:
  HWND owner_;
  HWND tip_;
};

}  // namespace tastrix
