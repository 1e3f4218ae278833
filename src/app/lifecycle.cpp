// Start-up sequence, settings file and close question of the main window.
#include "app/lifecycle.h"

#include <optional>

#include "app/main_form.h"
#include "app/menu_ids.h"
#include "app/settings_file.h"
#include "app/startup_model.h"
#include "app/window_placement.h"
#include "desktop/auto_run.h"
#include "platform/shutdown_reason.h"
#include "product/product.h"

namespace tastrix {
namespace {

const char* const kUnsavedMapReason = "Unsaved keyboard map";

std::string closeQuestion() {
  return std::string("Warning: You are about exit the program \"") + kAppTitle +
         "\" but you have not saved the changes to the current Keyboard Map.\r\n\r\n"
         "Are you sure that you want to exit the program and lose all changes to the current Keyboard Map ?";
}

// The start-up's placing of the window, during which a dpi change keeps its size.
class Placing {
 public:
  explicit Placing(TMainForm1& form) : form_(form) { form_.placingWindow = true; }
  ~Placing() { form_.placingWindow = false; }
  Placing(const Placing&) = delete;
  Placing& operator=(const Placing&) = delete;

 private:
  TMainForm1& form_;
};

}  // namespace

void Lifecycle::FormShow() {
  FormModel& model = form_.model();
  const HWND hwnd = form_.hwnd();
  form_.setScrollPosition(0);

  // Placement and options from the settings file, applied as read.
  const Rect& keypad = model[model.groupBox(kNumericKeypad)].bounds;
  RECT window;
  GetWindowRect(hwnd, &window);
  Settings defaults;
  defaults.top = defaults.left = 20;
  defaults.width = (keypad.left + keypad.width) / 2;
  defaults.height = keypad.top + keypad.height;
  const Settings settings = ReadSettingsFile(defaults);
  form_.setMenuChecked(ID_Always_On_Top, settings.alwaysOnTop);
  form_.setMenuChecked(ID_Auto_Run, settings.autoRun);
  model.setMapPath(settings.mapPath);

  // One move to the final place and size: the frame around the client area
  // stays as it is unless the scroll bar comes or goes, which setClientSize
  // then corrects. Every move is a round trip to the display. The sizes are
  // the window's own pixels as they were stored: a monitor of another scale
  // lays the picture out anew but scales none of them.
  {
    const Placing placing(form_);
    const int outerHeight = (window.bottom - window.top) + (settings.height - form_.clientHeight());
    SetWindowPos(hwnd, nullptr, settings.left, settings.top, settings.width, outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    form_.setClientSize(form_.clientWidth(), settings.height);
    GetWindowRect(hwnd, &window);
    const RECT visible = keepOnSomeMonitor(window);
    if (!EqualRect(&visible, &window))
      SetWindowPos(hwnd, nullptr, visible.left, visible.top, visible.right - visible.left,
                   visible.bottom - visible.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  form_.setCaption(kAppTitle);
  ApplyStartupShowState();
  if (settings.maximized) maximize();
  form_.setMenuChecked(ID_Always_On_Top, !form_.isMenuChecked(ID_Always_On_Top));
  ToggleAlwaysOnTop();
  form_.setMenuChecked(ID_Auto_Run, CheckAutoRunPath(form_.dialogs()));

  PrepareStartupModel(model);
  // Run as a command: a map that cannot be read is reported and the window still opens.
  form_.runCommand([this] { form_.maps.LoadAtStartUp(); });
}

void Lifecycle::ApplyStartupShowState() {
  // The launcher's wish is for the first show only: a start-up sequence run
  // again by the factory-defaults restore must not minimize the window anew.
  if (startupShowStateApplied_) return;
  startupShowStateApplied_ = true;
  STARTUPINFOA info{};
  info.cb = sizeof info;
  GetStartupInfoA(&info);
  if (info.dwFlags & STARTF_USESHOWWINDOW) ShowWindow(form_.hwnd(), info.wShowWindow);
}

void Lifecycle::maximize() {
  if (!IsIconic(form_.hwnd())) {
    ShowWindow(form_.hwnd(), SW_MAXIMIZE);
    return;
  }
  // Launched minimized: stay an icon, and come back maximized when restored.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(form_.hwnd(), &placement);
  placement.flags |= WPF_RESTORETOMAXIMIZED;
  placement.showCmd = SW_SHOWMINNOACTIVE;
  SetWindowPlacement(form_.hwnd(), &placement);
}

void Lifecycle::ToggleAlwaysOnTop() {
  const bool onTop = !form_.isMenuChecked(ID_Always_On_Top);
  form_.setMenuChecked(ID_Always_On_Top, onTop);
  SetWindowPos(form_.hwnd(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void Lifecycle::Always_On_Top_OptionClick() { ToggleAlwaysOnTop(); }

// Also About2Click of the context menu, which only forwards here.
void Lifecycle::AboutOptionClick() { form_.dialogs().about(); }

void Lifecycle::ExitOptionClick() { PostMessageA(form_.hwnd(), WM_CLOSE, 0, 0); }

void Lifecycle::WriteSettings() {
  const HWND hwnd = form_.hwnd();
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(hwnd, &placement);
  const bool minimized = IsIconic(hwnd) != FALSE;
  Settings settings;
  // A window minimized from maximized comes back maximized: it counts as maximized.
  settings.maximized = IsZoomed(hwnd) != FALSE || (minimized && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
  if (settings.maximized && !minimized) ShowWindow(hwnd, SW_RESTORE);

  RECT window;
  if (minimized) {
    // A minimized window's rectangle is the icon's: store the normal one.
    window = placement.rcNormalPosition;
  } else {
    GetWindowRect(hwnd, &window);
  }
  settings.top = window.top;
  settings.left = window.left;
  settings.width = window.right - window.left;
  settings.height = minimized ? form_.normalClientHeight() : form_.clientHeight();
  settings.alwaysOnTop = form_.isMenuChecked(ID_Always_On_Top);
  settings.autoRun = form_.isMenuChecked(ID_Auto_Run);
  settings.mapPath = form_.model().mapPath();
  WriteSettingsFile(settings);
}

bool Lifecycle::FormCloseQuery(Closing closing) {
  // A settings file that cannot be written is reported, but never keeps the
  // user in the program.
  form_.runCommand([this] { WriteSettings(); });
  if (!form_.model().changed()) return true;
  // Windows ends the session while a box is open: that box is answered first.
  if (form_.boxOpen()) return false;
  std::optional<ShutdownBlockReason> reason;
  if (closing == Closing::Session) reason.emplace(form_.hwnd(), kUnsavedMapReason);
  return form_.dialogs().message(MessageKind::Confirmation, closeQuestion(), Buttons::YesNo) == Answer::Yes;
}

}  // namespace tastrix
