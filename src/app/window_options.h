#pragma once
#include "app/picture_window.h"
#include "app/settings_file.h"

namespace tastrix {

// The window's own options: always on top, and its place on the screen as the
// settings file keeps it (the show state the launcher asks for, maximized).
class WindowOptions {
 public:
  explicit WindowOptions(IPictureWindow& window) : window_(window) {}

  bool alwaysOnTop() const;
  void setAlwaysOnTop(bool onTop);  // the menu's check mark and the window's z-order
  void toggleAlwaysOnTop();

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
  bool startupShowStateApplied_ = false;
};

}  // namespace tastrix
