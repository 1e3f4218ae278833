// The About box: a modal dialog built in memory, like the label input box.
#include "platform/dialog_template.h"
#include "platform/win32_dialogs.h"
#include "product/product.h"

namespace tastrix {
namespace {

enum AboutControl : WORD { kProgramLineId = 100, kDescriptionId = 101 };

INT_PTR CALLBACK aboutProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowTextA(dialog, kAboutCaption);
      SetDlgItemTextA(dialog, kProgramLineId, kAppTitle);
      SetDlgItemTextA(dialog, kDescriptionId, kAboutDescription);
      return TRUE;
    case WM_COMMAND:
      // OK, Enter, Escape and the close box all end the box.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void Win32Dialogs::showAbout() {
  // Dialog units; the box is laid out for its 8-point dialog font.
  DialogTemplate box(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 220, 88,
                     L"MS Shell Dlg", 8);
  box.addItem(SS_CENTER, 10, 10, 200, 10, kProgramLineId, kStaticClass);
  box.addItem(SS_CENTER, 10, 26, 200, 34, kDescriptionId, kStaticClass);
  box.addItem(BS_DEFPUSHBUTTON | WS_TABSTOP, 85, 66, 50, 14, IDOK, kButtonClass, L"OK");
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), box.get(), owner_, &aboutProc, 0);
}

}  // namespace tastrix
