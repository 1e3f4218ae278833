#include <windows.h>

#include "app/main_form.h"
#include "platform/win32_dialogs.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  tastrix::Win32Dialogs dialogs;
  tastrix::TMainForm1 form(dialogs);
  form.create(instance);
  form.quitOnDestroy = true;
  dialogs.setOwner(form.hwnd());
  form.showFirstTime();

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorA(form.hwnd(), form.accelerators(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
