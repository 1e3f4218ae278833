#include "app/window_placement.h"

#include <algorithm>

namespace tastrix {
namespace {

struct Search {
  RECT window;
  bool touches = false;
};

BOOL CALLBACK checkMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  RECT overlap;
  if (GetMonitorInfoA(monitor, &info) && IntersectRect(&overlap, &search->window, &info.rcWork)) {
    search->touches = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

RECT keepOnSomeMonitor(const RECT& window) {
  Search search{window};
  EnumDisplayMonitors(nullptr, nullptr, &checkMonitor, reinterpret_cast<LPARAM>(&search));
  if (search.touches) return window;

  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &info);
  const RECT& work = info.rcWork;
  const LONG width = std::min(window.right - window.left, work.right - work.left);
  const LONG height = std::min(window.bottom - window.top, work.bottom - work.top);
  const LONG left = std::clamp(window.left, work.left, work.right - width);
  const LONG top = std::clamp(window.top, work.top, work.bottom - height);
  return RECT{left, top, left + width, top + height};
}

}  // namespace tastrix
