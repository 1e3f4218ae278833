// The label input box: a modal dialog whose layout stands here beside its
// procedure; its texts are set after creation.
#include <algorithm>
#include <cstddef>

#include "platform/dialog_template.h"
#include "platform/wide_text.h"
#include "platform/win32_dialogs.h"
#include "platform/window_text.h"

namespace tastrix {
namespace {

enum InputBoxControl : WORD { kPromptId = 100, kFieldId = 101 };
// The characters a user may type into the box; a label list line holds far more.
constexpr std::size_t kLongestTypedLabel = 255;

struct InputBoxState {
  const std::string& caption;
  const std::string& prompt;
  std::string& text;
  // A label longer already may be shortened, never lengthened.
  std::size_t longest = kLongestTypedLabel;
};

bool highSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool lowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Where the character that ends at `end` begins: a character beyond the
// first 65536 takes two 16-bit units.
std::size_t characterStart(const std::wstring& text, std::size_t end) {
  return end >= 2 && lowSurrogate(text[end - 1]) && highSurrogate(text[end - 2]) ? end - 2 : end - 1;
}

std::size_t charactersIn(const std::wstring& text) {
  std::size_t count = 0;
  for (std::size_t end = text.size(); end > 0; end = characterStart(text, end)) ++count;
  return count;
}

std::wstring fieldText(HWND field) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The field counts 16-bit units; the limit counts characters. What an edit
// brought beyond it goes again: the characters just before the caret, which
// it typed or pasted last, as a field that reaches its limit takes no more.
void keepToTheLimit(HWND field, InputBoxState& state) {
  const std::wstring text = fieldText(field);
  std::size_t count = charactersIn(text);
  DWORD caret = 0;
  SendMessageW(field, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  std::size_t from = std::min<std::size_t>(caret, text.size());
  const std::size_t to = from;
  for (; count > state.longest && from > 0; --count) from = characterStart(text, from);
  if (from == to) {
    state.longest = std::max(kLongestTypedLabel, count);
    return;
  }
  SendMessageW(field, EM_SETSEL, from, to);
  SendMessageW(field, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
}

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
      // Two 16-bit units make a character at most.
      SendMessageW(field, EM_LIMITTEXT, 2 * kLongestTypedLabel, 0);
      state->longest = std::max(kLongestTypedLabel, charactersIn(WideFromUtf8(state->text)));
      SetWindowTextUtf8(field, state->text);
      SendMessageW(field, EM_SETSEL, 0, -1);
      centreOnScreen(dialog);
      SetFocus(field);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
      auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
      if (LOWORD(wParam) == kFieldId && HIWORD(wParam) == EN_CHANGE && state) {
        keepToTheLimit(reinterpret_cast<HWND>(lParam), *state);
        return TRUE;
      }
      if (LOWORD(wParam) == IDOK) {
        state->text = WindowText(GetDlgItem(dialog, kFieldId));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {  // also Escape and the close box
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
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
