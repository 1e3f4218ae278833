#include "platform/message_box.h"

#include "platform/wide_text.h"

namespace tastrix {
namespace {

// The box's own window procedure, kept on the box while it is subclassed.
// Plain subclassing: the common controls' helpers would load their library
// at start-up for a box most runs never show.
const wchar_t* const kBoxProcedure = L"TastrixBoxProcedure";

WNDPROC boxProcedure(HWND box) {
  return reinterpret_cast<WNDPROC>(reinterpret_cast<void*>(GetPropW(box, kBoxProcedure)));
}

LRESULT CALLBACK noOnCancelProc(HWND box, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WNDPROC own = boxProcedure(box);
  switch (msg) {
    case WM_INITDIALOG: {
      // The box disables its close box while it sets itself up.
      const LRESULT result = CallWindowProcW(own, box, msg, wParam, lParam);
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
      SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
      RemovePropW(box, kBoxProcedure);
      break;
    default:
      break;
  }
  return CallWindowProcW(own, box, msg, wParam, lParam);
}

void subclassBox(HWND box) {
  const LONG_PTR own = GetWindowLongPtrW(box, GWLP_WNDPROC);
  if (!SetPropW(box, kBoxProcedure, reinterpret_cast<HANDLE>(own))) return;
  SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&noOnCancelProc));
}

bool isDialogClass(LPCWSTR name) {
  if (IS_INTRESOURCE(name)) return LOWORD(reinterpret_cast<ULONG_PTR>(name)) == 0x8002;
  return lstrcmpiW(name, L"#32770") == 0;
}

// Watches this thread's window creation while one box opens, and subclasses
// the box, the first top-level dialog window created. Only this thread's
// windows are seen, so other programs and threads are never touched.
class BoxWatch {
 public:
  BoxWatch() { active() = SetWindowsHookExW(WH_CBT, &BoxWatch::onCbt, nullptr, GetCurrentThreadId()); }
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
      const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
      if (!(create->style & WS_CHILD) && isDialogClass(create->lpszClass)) {
        subclassBox(reinterpret_cast<HWND>(wParam));
        UnhookWindowsHookEx(active());
        active() = nullptr;
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  const std::wstring wideText = WideFromUtf8(text), wideCaption = WideFromUtf8(caption);
  if ((type & MB_TYPEMASK) != MB_YESNO) return MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), type);
  BoxWatch watch;
  return MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), type);
}

}  // namespace tastrix
