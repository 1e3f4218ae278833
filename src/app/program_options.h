#pragma once
#include "app/picture_window.h"
#include "app/settings_file.h"

namespace tastrix {

// The program's options as the File menu shows them (always on top, auto-run
// at Windows start-up), and the window's place on the screen as the settings
// file keeps it (the show state the launcher asks for, maximized).
class ProgramOptions {
 public:
  explicit ProgramOptions(IPictureWindow& window) : window_(window) {}

  bool alwaysOnTop() const { return alwaysOnTop_; }
  void setAlwaysOnTop(bool onTop);  // and the window's z-order
  void toggleAlwaysOnTop() { setAlwaysOnTop(!alwaysOnTop_); }
  // Whether the program starts with Windows, as the registry was last found or made.
  bool autoRun() const { return autoRun_; }
  void setAutoRun(bool on) { autoRun_ = on; }
  // The check mark of a menu item, shown as its menu opens.
  bool checked(int commandId) const;

  // Moves and sizes the window as the settings say, onto some monitor.
  void place(const Settings& settings);
  // The launcher's show state (minimized, say), for the first show only.
  void applyStartupShowState();
  void maximize();  // a minimized window stays minimized and restores maximized
  // The window's place as the settings keep it. A maximized window is
  // restored to read its normal place.
  void readPlacement(Settings& settings);

 private:
  IPictureWindow& window_;
  bool alwaysOnTop_ = false, autoRun_ = false;
  bool startupShowStateApplied_ = false;
};

}  // namespace tastrix
