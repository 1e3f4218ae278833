#include "app/program_options.h"

#include <windows.h>

#include "app/menu_ids.h"
#include "app/window_placement.h"

namespace tastrix {
namespace {

// The start-up's placing of the window, during which a dpi change keeps its size.
class Placing {
 public:
  explicit Placing(IPictureWindow& window) : window_(window) { window_.setPlacing(true); }
  ~Placing() { window_.setPlacing(false); }
  Placing(const Placing&) = delete;
  Placing& operator=(const Placing&) = delete;

 private:
  IPictureWindow& window_;
};

}  // namespace

bool ProgramOptions::checked(int commandId) const {
  return (commandId == ID_Always_On_Top && alwaysOnTop_) || (commandId == ID_Auto_Run && autoRun_);
}

void ProgramOptions::setAlwaysOnTop(bool onTop) {
  alwaysOnTop_ = onTop;
  SetWindowPos(window_.handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}


// One move to the final place and size: the frame around the client area
// stays as it is unless the scroll bar comes or goes, which setClientSize
// then corrects. Every move is a round trip to the display. The sizes are
// the window's own pixels as they were stored: a monitor of another scale
// lays the picture out anew but scales none of them.
void ProgramOptions::place(const Settings& settings) {
  const HWND hwnd = window_.handle();
  const Placing placing(window_);
  RECT window;
  GetWindowRect(hwnd, &window);
  const int outerHeight = (window.bottom - window.top) + (settings.height - window_.clientHeight());
  SetWindowPos(hwnd, nullptr, settings.left, settings.top, settings.width, outerHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  window_.setClientSize(window_.clientWidth(), settings.height);
  GetWindowRect(hwnd, &window);
  const RECT visible = keepOnSomeMonitor(window);
  if (!EqualRect(&visible, &window))
    SetWindowPos(hwnd, nullptr, visible.left, visible.top, visible.right - visible.left, visible.bottom - visible.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ProgramOptions::applyStartupShowState() {
  // The launcher's wish is for the first show only: a start-up sequence run
  // again by the factory-defaults restore must not minimize the window anew.
  if (startupShowStateApplied_) return;
  startupShowStateApplied_ = true;
  STARTUPINFOA info{};
  info.cb = sizeof info;
  GetStartupInfoA(&info);
  if (info.dwFlags & STARTF_USESHOWWINDOW) ShowWindow(window_.handle(), info.wShowWindow);
}

void ProgramOptions::maximize() {
  const HWND hwnd = window_.handle();
  if (!IsIconic(hwnd)) {
    ShowWindow(hwnd, SW_MAXIMIZE);
    return;
  }
  // Launched minimized: stay an icon, and come back maximized when restored.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(hwnd, &placement);
  placement.flags |= WPF_RESTORETOMAXIMIZED;
  placement.showCmd = SW_SHOWMINNOACTIVE;
  SetWindowPlacement(hwnd, &placement);
}

void ProgramOptions::readPlacement(Settings& settings) {
  const HWND hwnd = window_.handle();
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(hwnd, &placement);
  const bool minimized = IsIconic(hwnd) != FALSE;
  // A window minimized from maximized comes back maximized: it counts as maximized.
  settings.maximized = IsZoomed(hwnd) != FALSE || (minimized && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
  if (settings.maximized && !minimized) ShowWindow(hwnd, SW_RESTORE);

  RECT window;
  if (minimized) {
    // A minimized window's rectangle is the icon's: store the normal one.
    window = placement.rcNormalPosition;
  } else {
    GetWindowRect(hwnd, &window);
  }
  settings.top = window.top;
  settings.left = window.left;
  settings.width = window.right - window.left;
  settings.height = minimized ? window_.normalClientHeight() : window_.clientHeight();
}

}  // namespace tastrix
