#include <windows.h>

#include <optional>

#include "app/command_line_mode.h"
#include "app/application.h"
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
  const tastrix::CommandLineRequest request = tastrix::ReadCommandLine(arguments);
  if (const std::optional<int> exitCode = tastrix::RunCommandLine(request)) return *exitCode;

  tastrix::Win32Dialogs dialogs;
  tastrix::Application application(dialogs);
  application.create(instance, true);
  tastrix::MainWindow& window = application.window();
  dialogs.setOwner(window.handle());
  application.start(request.maps);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(window.handle(), window.accelerators(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
