#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/window_text.h"

namespace tastrix::testing {

// Runs a step on a thread timer while a modal loop (dialog box or menu) of
// this thread is open, until the step reports it is done. If it never does,
// the probe gives up after a few seconds and closes whatever is open, so a
// failing test ends instead of hanging.
class ModalProbe {
 public:
  explicit ModalProbe(std::function<bool()> step, DWORD timeoutMs = 5000) {
    active() = this;
    step_ = std::move(step);
    deadline_ = GetTickCount() + timeoutMs;
    timer_ = SetTimer(nullptr, 0, 20, &ModalProbe::tick);
  }
  ~ModalProbe() {
    if (timer_) KillTimer(nullptr, timer_);
    active() = nullptr;
  }
  ModalProbe(const ModalProbe&) = delete;
  ModalProbe& operator=(const ModalProbe&) = delete;

  bool finished() const { return done_; }
  bool timedOut() const { return timedOut_; }

 private:
  static ModalProbe*& active() {
    static ModalProbe* probe = nullptr;
    return probe;
  }
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    ModalProbe* probe = active();
    if (!probe || probe->done_ || probe->timedOut_) return;
    if (probe->step_()) {
      probe->done_ = true;
    } else if (static_cast<LONG>(GetTickCount() - probe->deadline_) > 0) {
      probe->timedOut_ = true;
      closeEverythingOpen();
    }
  }
  static BOOL CALLBACK cancelDialog(HWND window, LPARAM) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770") PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
  }
  static void closeEverythingOpen() {
    EndMenu();
    EnumThreadWindows(GetCurrentThreadId(), cancelDialog, 0);
  }

  std::function<bool()> step_;
  DWORD deadline_ = 0;
  UINT_PTR timer_ = 0;
  bool done_ = false;
  bool timedOut_ = false;
};

// The popup menu that `open` shows in this thread, closed as soon as it
// shows: the menu (none: nullptr) and where its window was.
struct ShownMenu {
  HMENU menu = nullptr;
  RECT place{};
};
inline ShownMenu menuShownBy(const std::function<void()>& open) {
  ShownMenu shown;
  ModalProbe probe([&] {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return false;
    shown.menu = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
    GetWindowRect(menu, &shown.place);
    EndMenu();
    return true;
  });
  open();
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  return shown;
}

struct DialogSearch {
  std::string caption;
  HWND found = nullptr;
};

inline BOOL CALLBACK matchDialog(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<DialogSearch*>(param);
  char name[16] = {}, text[256] = {};
  GetClassNameA(window, name, sizeof name);
  GetWindowTextA(window, text, sizeof text);
  if (std::string(name) == "#32770" && IsWindowVisible(window) && (s->caption.empty() || s->caption == text)) {
    s->found = window;
    return FALSE;
  }
  return TRUE;
}

// The visible dialog box of this thread whose caption is given (any caption
// when empty), or nullptr.
inline HWND findDialog(const std::string& caption = "") {
  DialogSearch search{caption};
  EnumThreadWindows(GetCurrentThreadId(), matchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// In UTF-8: every character the window shows.
inline std::string textOf(HWND window) { return WindowText(window); }

}  // namespace tastrix::testing
