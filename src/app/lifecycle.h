#pragma once

namespace tastrix {

class TMainForm1;

// The window's life: the start-up sequence, the settings file, the close
// question, the options of the File menu, the About box and the restore of
// the factory defaults.
class Lifecycle {
 public:
  explicit Lifecycle(TMainForm1& form) : form_(form) {}

  void FormShow();
  // Whether the window may close: writes the settings and asks about unsaved
  // changes. When Windows ends the session, it is told why the question waits.
  enum class Closing { Window, Session };
  bool FormCloseQuery(Closing closing = Closing::Window);
  void WriteSettings();
  void ToggleAlwaysOnTop();
  void ApplyStartupShowState();
  void ExitOptionClick();
  void Always_On_Top_OptionClick();
  void AboutOptionClick();
  void Restore_Factory_Defaults_OptionClick();
  void RestoreFactoryDefaults();

 private:
  void maximize();  // a minimized window stays minimized and restores maximized

  TMainForm1& form_;
  bool startupShowStateApplied_ = false;
};

}  // namespace tastrix
