#include <windows.h>

#include <optional>

#include "app/command_line_mode.h"
#include "app/main_form.h"
#include "platform/wide_text.h"
#include "platform/win32_dialogs.h"
#include "text/command_line.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Read from GetCommandLineW, not from the C runtime's argv, whose rules
  // differ between runtime versions, nor from its 8-bit copy, in which a
  // character the code page lacks turns into a look-alike ("Ωmega" into
  // "Omega", a full-width quote into a quote).
  std::vector<std::string> arguments = tastrix::SplitCommandLine(tastrix::Utf8FromWide(GetCommandLineW()));
  arguments.erase(arguments.begin());
  if (const std::optional<int> exitCode = tastrix::RunCommandLine(arguments)) return *exitCode;

  tastrix::Win32Dialogs dialogs;
  tastrix::TMainForm1 form(dialogs);
  form.create(instance);
  form.quitOnDestroy = true;
  dialogs.setOwner(form.hwnd());
  form.showFirstTime();

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(form.hwnd(), form.accelerators(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
