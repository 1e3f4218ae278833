// The label input box: a modal dialog whose layout stands here beside its
// procedure; its texts are set after creation.
#include "platform/dialog_template.h"
#include "platform/wide_text.h"
#include "platform/win32_dialogs.h"
#include "platform/window_text.h"

namespace tastrix {
namespace {

enum InputBoxControl : WORD { kPromptId = 100, kFieldId = 101 };
// What a user may type into the box; a label list line holds far more.
constexpr int kLongestTypedLabel = 255;

struct InputBoxState {
  const std::string& caption;
  const std::string& prompt;
  std::string& text;
};

void centreOnScreen(HWND dialog) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& screen = monitor.rcWork;
  RECT box;
  GetWindowRect(dialog, &box);
  const int width = box.right - box.left, height = box.bottom - box.top;
  SetWindowPos(dialog, nullptr, screen.left + (screen.right - screen.left - width) / 2,
               screen.top + (screen.bottom - screen.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR CALLBACK inputBoxProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      auto* state = reinterpret_cast<InputBoxState*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetWindowTextUtf8(dialog, state->caption);
      SetWindowTextUtf8(GetDlgItem(dialog, kPromptId), state->prompt);
      HWND field = GetDlgItem(dialog, kFieldId);
      SendMessageW(field, EM_LIMITTEXT, kLongestTypedLabel, 0);
      SetWindowTextUtf8(field, Utf8FromAnsi(state->text));
      SendMessageW(field, EM_SETSEL, 0, -1);
      centreOnScreen(dialog);
      SetFocus(field);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
        state->text = AnsiFromUtf8(WindowText(GetDlgItem(dialog, kFieldId)));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {  // also Escape and the close box
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

bool Win32Dialogs::showInputBox(const std::string& caption, const std::string& prompt, std::string& text) {
  DialogTemplate box(DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 62, L"MS Shell Dlg", 8);
  box.addItem(SS_LEFT | SS_NOPREFIX, 7, 7, 186, 9, kPromptId, kStaticClass);
  box.addItem(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 18, 186, 12, kFieldId, kEditClass);
  box.addItem(BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 40, 50, 14, IDOK, kButtonClass, L"OK");
  box.addItem(BS_PUSHBUTTON | WS_TABSTOP, 143, 40, 50, 14, IDCANCEL, kButtonClass, L"Cancel");
  InputBoxState state{caption, prompt, text};
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), box.get(), owner_, &inputBoxProc,
                                                 reinterpret_cast<LPARAM>(&state));
  return result == IDOK;
}

}  // namespace tastrix
