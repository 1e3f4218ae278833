#include "platform/tracking_tip.h"

#include <commctrl.h>

namespace tastrix {
namespace {

// Below right of the point, clear of the mouse pointer.
constexpr int kOffsetX = 16, kOffsetY = 20;

// The tool of the tip. TTTOOLINFOA_V2_SIZE is understood by the common
// controls of every version; the full size is refused by version 5.
TTTOOLINFOA toolOf(HWND owner) {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = owner;
  tool.uId = 1;
  return tool;
}

HWND createTip(HWND owner) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  return CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

TrackingTip::TrackingTip(HWND owner, const char* text, POINT at) : owner_(owner), tip_(createTip(owner)) {
  if (!tip_) return;  // the tip is a help, not a condition
  TTTOOLINFOA tool = toolOf(owner_);
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.lpszText = const_cast<char*>(text);
  SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  moveTo(at);
  SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

TrackingTip::~TrackingTip() {
  // An owned window goes with its owner: a tip whose owner was destroyed first is gone already.
  if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

void TrackingTip::moveTo(POINT at) {
  if (tip_) SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x + kOffsetX, at.y + kOffsetY));
}

}  // namespace tastrix
