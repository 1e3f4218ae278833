// Start-up sequence, settings file and close question of the main window.
#include "app/main_form.h"
#include "app/window_placement.h"
#include "desktop/auto_run.h"
#include "model/tag_walks.h"
#include "platform/app_paths.h"
#include "platform/profile_file.h"

namespace tastrix {
namespace {

const char* const kSection = "tastrix";

const char* const kCloseQuestion =
    "Warning: You are about exit the program \"Tastrix - v1.0f\" but you have not saved the changes to the "
    "current Keyboard Map.\r\n\r\nAre you sure that you want to exit the program and lose all changes to the "
    "current Keyboard Map ?";

}  // namespace

void TMainForm1::FormShow() {
  setScrollPosition(0);

  // Placement and options from the settings file, applied as read.
  const ProfileFile settings(settingsFilePath());
  const Rect& keypad = model_[model_.groupBox(kNumericKeypad)].bounds;
  RECT window;
  GetWindowRect(hwnd_, &window);
  const int top = settings.readInt(kSection, "window_top_posn", 20);
  const int left = settings.readInt(kSection, "window_left_posn", 20);
  const int width = settings.readInt(kSection, "window_Width", (keypad.left + keypad.width) / 2);
  const int height = settings.readInt(kSection, "window_Height", keypad.top + keypad.height);
  setMenuChecked(ID_Always_On_Top, settings.readBool(kSection, "Always_on_Top_Option", false));
  setMenuChecked(ID_Auto_Run, settings.readBool(kSection, "Auto_Run_at_Windows_Startup_Option", false));
  const bool maximized = settings.readBool(kSection, "WindowState_wsMaximized", false);
  model_.currentMapPath = settings.readString(kSection, "Current_Keyboard_Layout_File_Name_Edit", "");

  SetWindowPos(hwnd_, nullptr, left, top, width, window.bottom - window.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  setClientHeight(height);
  GetWindowRect(hwnd_, &window);
  const RECT visible = keepOnSomeMonitor(window);
  if (!EqualRect(&visible, &window))
    SetWindowPos(hwnd_, nullptr, visible.left, visible.top, visible.right - visible.left,
                 visible.bottom - visible.top, SWP_NOZORDER | SWP_NOACTIVATE);

  SetWindowTextA(hwnd_, kAppTitle);
  ApplyStartupShowState();
  if (maximized) maximize();
  setMenuChecked(ID_Always_On_Top, !isMenuChecked(ID_Always_On_Top));
  ToggleAlwaysOnTop();
  setMenuChecked(ID_Auto_Run, CheckAutoRunPath(dialogs_));

  model_[model_.notice].caption = std::string(kAppTitle) + "      " + kNoticeSecondText;
  SetLabelsTransparent(model_, true);
  AssignLabelClickHandler(model_, model_.label0, 1, kMapTitleTag);
  SetLabelTexts(model_, "Key Label", 1, 50);
  model_[model_.mapTitle].caption = "Untitled keyboard Map";
  // Run as a command: a map that cannot be read is reported and the window
  // still opens, as for no map, so that a Save asks for a name instead of
  // writing the defaults over the map that failed to load.
  runCommand([this] {
    try {
      LoadKeyboardMap(false);
    } catch (...) {
      model_.currentMapPath.clear();
      LoadKeyboardMap(false);
      throw;
    }
  });
}

void TMainForm1::ApplyStartupShowState() {
  // The launcher's wish is for the first show only: a start-up sequence run
  // again by the factory-defaults restore must not minimize the window anew.
  if (startupShowStateApplied_) return;
  startupShowStateApplied_ = true;
  STARTUPINFOA info{};
  info.cb = sizeof info;
  GetStartupInfoA(&info);
  if (info.dwFlags & STARTF_USESHOWWINDOW) ShowWindow(hwnd_, info.wShowWindow);
}

void TMainForm1::maximize() {
  if (!IsIconic(hwnd_)) {
    ShowWindow(hwnd_, SW_MAXIMIZE);
    return;
  }
  // Launched minimized: stay an icon, and come back maximized when restored.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(hwnd_, &placement);
  placement.flags |= WPF_RESTORETOMAXIMIZED;
  placement.showCmd = SW_SHOWMINNOACTIVE;
  SetWindowPlacement(hwnd_, &placement);
}

void TMainForm1::ToggleAlwaysOnTop() {
  const bool onTop = !isMenuChecked(ID_Always_On_Top);
  setMenuChecked(ID_Always_On_Top, onTop);
  SetWindowPos(hwnd_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TMainForm1::Always_On_Top_OptionClick() { ToggleAlwaysOnTop(); }

void TMainForm1::AboutOptionClick() { dialogs_.about(); }

void TMainForm1::About2Click() { AboutOptionClick(); }

void TMainForm1::ExitOptionClick() { PostMessageA(hwnd_, WM_CLOSE, 0, 0); }

void TMainForm1::WriteSettings() {
  const ProfileFile settings(settingsFilePath());
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(hwnd_, &placement);
  const bool minimized = IsIconic(hwnd_) != FALSE;
  // A window minimized from maximized comes back maximized: it counts as maximized.
  const bool maximized =
      IsZoomed(hwnd_) != FALSE || (minimized && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
  settings.writeBool(kSection, "WindowState_wsMaximized", maximized);
  if (maximized && !minimized) ShowWindow(hwnd_, SW_RESTORE);

  RECT window;
  if (minimized) {
    // A minimized window's rectangle is the icon's: store the normal one.
    window = placement.rcNormalPosition;
  } else {
    GetWindowRect(hwnd_, &window);
  }
  settings.writeInt(kSection, "window_top_posn", window.top);
  settings.writeInt(kSection, "window_left_posn", window.left);
  settings.writeInt(kSection, "window_Width", window.right - window.left);
  settings.writeInt(kSection, "window_Height", minimized ? normalClientHeight_ : clientHeight());
  settings.writeBool(kSection, "Always_on_Top_Option", isMenuChecked(ID_Always_On_Top));
  settings.writeBool(kSection, "Auto_Run_at_Windows_Startup_Option", isMenuChecked(ID_Auto_Run));
  settings.writeString(kSection, "Current_Keyboard_Layout_File_Name_Edit", model_.currentMapPath);
}

bool TMainForm1::FormCloseQuery() {
  // A settings file that cannot be written is reported, but never keeps the
  // user in the program.
  runCommand([this] { WriteSettings(); });
  if (!model_.changed) return true;
  return dialogs_.message(MessageKind::Confirmation, kCloseQuestion, Buttons::YesNo) == Answer::Yes;
}

}  // namespace tastrix
