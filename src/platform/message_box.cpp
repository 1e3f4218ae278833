#include "platform/message_box.h"

#include <commctrl.h>

namespace tastrix {
namespace {

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK noOnCancelProc(HWND box, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (msg) {
    case WM_INITDIALOG: {
      // The box disables its close box while it sets itself up.
      const LRESULT result = DefSubclassProc(box, msg, wParam, lParam);
      EnableMenuItem(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
      SetWindowPos(box, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
      return result;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) break;  // Escape
      EndDialog(box, IDNO);
      return 0;
    case WM_CLOSE:  // the close box and Alt+F4
      EndDialog(box, IDNO);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, &noOnCancelProc, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(box, msg, wParam, lParam);
}

bool isDialogClass(LPCSTR name) {
  if (IS_INTRESOURCE(name)) return LOWORD(reinterpret_cast<ULONG_PTR>(name)) == 0x8002;
  return lstrcmpiA(name, "#32770") == 0;
}

// Watches this thread's window creation while one box opens, and subclasses
// the box, the first top-level dialog window created. Only this thread's
// windows are seen, so other programs and threads are never touched.
class BoxWatch {
 public:
  BoxWatch() { active() = SetWindowsHookExA(WH_CBT, &BoxWatch::onCbt, nullptr, GetCurrentThreadId()); }
  ~BoxWatch() {
    if (active()) UnhookWindowsHookEx(active());
    active() = nullptr;
  }
  BoxWatch(const BoxWatch&) = delete;
  BoxWatch& operator=(const BoxWatch&) = delete;

 private:
  static HHOOK& active() {
    thread_local HHOOK hook = nullptr;
    return hook;
  }
  static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
      if (!(create->style & WS_CHILD) && isDialogClass(create->lpszClass)) {
        SetWindowSubclass(reinterpret_cast<HWND>(wParam), &noOnCancelProc, kSubclassId, 0);
        UnhookWindowsHookEx(active());
        active() = nullptr;
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  if ((type & MB_TYPEMASK) != MB_YESNO) return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
  BoxWatch watch;
  return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

}  // namespace tastrix
