#pragma once
#include <windows.h>

namespace tastrix {

// The shell opens the Start menu when a lone Windows key comes up, whatever
// window has the focus. While this object lives, the Windows keys never reach
// the shell: their presses and releases are posted to the window as the key
// messages it would otherwise have had. One at a time per process.
class WindowsKeysHook {
 public:
  explicit WindowsKeysHook(HWND window);
  ~WindowsKeysHook();
  WindowsKeysHook(const WindowsKeysHook&) = delete;
  WindowsKeysHook& operator=(const WindowsKeysHook&) = delete;

 private:
  HHOOK hook_;
};

}  // namespace tastrix
