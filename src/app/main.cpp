#include <windows.h>

#include <optional>

#include "app/command_line_mode.h"
#include "app/main_form.h"
#include "platform/win32_dialogs.h"
#include "text/command_line.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Read from GetCommandLineA, not from the C runtime's argv, whose rules
  // differ between runtime versions.
  std::vector<std::string> arguments = tastrix::SplitCommandLine(GetCommandLineA());
  arguments.erase(arguments.begin());
  if (const std::optional<int> exitCode = tastrix::RunCommandLine(arguments)) return *exitCode;

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
