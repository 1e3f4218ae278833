#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/menu_ids.h"
#include "model/form_model.h"
#include "platform/dialogs.h"
#include "platform/win32_handles.h"

namespace tastrix {

class TMainForm1;
using CommandHandler = void (TMainForm1::*)();

// The main window: one custom-painted window drawn from the component model.
// Event handlers are named after their component and event.
class TMainForm1 {
 public:
  static constexpr const char* kClassName = "TMainForm1";
  static constexpr const char* kAppTitle = "Tastrix - v1.0f";
  static constexpr const char* kCaptionPrefix = "Tastrix - v1.0f  - ";

  explicit TMainForm1(IDialogs& dialogs);
  ~TMainForm1();
  TMainForm1(const TMainForm1&) = delete;
  TMainForm1& operator=(const TMainForm1&) = delete;

  // Creates the window (hidden, at its design-time place) with its menus,
  // scaled to the screen's dpi.
  void create(HINSTANCE instance);
  // Shows the window for the first time: the start-up sequence runs.
  void showFirstTime();

  HWND hwnd() const { return hwnd_; }
  HACCEL accelerators() const { return accelerators_.get(); }
  FormModel& model() { return model_; }
  const FormModel& model() const { return model_; }
  IDialogs& dialogs() { return dialogs_; }

  // Window operations other parts use.
  std::string caption() const;
  void setCaption(const std::string& text);
  int clientWidth() const;
  int clientHeight() const;  // without the horizontal scroll bar
  void setClientWidth(int width);
  void setClientHeight(int height);
  int scrollPosition() const { return scrollX_; }
  void setScrollPosition(int position);  // clamped to 0 .. range - client width
  void processMessages();
  void repaintPicture();  // after any change of the model
  bool isMenuChecked(int id) const;
  void setMenuChecked(int id, bool checked);
  HMENU menuBar() const { return menuBar_; }

  // Runs a command; a platform error ends it in the general error box.
  void runCommand(const std::function<void()>& command);
  void runCommand(CommandHandler handler) { runCommand([this, handler] { (this->*handler)(); }); }
  // Dispatches a menu or context-menu command id (disabled items do nothing).
  void onCommand(int id);
  // Ends the message loop when the window is destroyed (the program's own window).
  bool quitOnDestroy = false;
  // The general error box for a platform error's text.
  void showGeneralError(const std::string& text);

  // ---- Main window lifecycle and settings file ----
  void FormShow();
  bool FormCloseQuery();
  void ExitOptionClick();
  void Always_On_Top_OptionClick();
  void AboutOptionClick();
  void About2Click();
  void WriteSettings();
  void ToggleAlwaysOnTop();
  void ApplyStartupShowState();
  void maximize();  // a minimized window stays minimized and restores maximized
  static constexpr const char* kNoticeSecondText = "Keyboard map made with Tastrix";

  // ---- Restore factory defaults ----
  void Restore_Factory_Defaults_OptionClick();
  void RestoreFactoryDefaults();

  // ---- Keyboard map files: save and load commands ----
  void Save_Keyboard_Layout_OptionClick();
  void Save_Keyboard_Layout_As_OptionClick();
  void Load_Keyboard_Layout_As_OptionClick();
  void LoadKeyboardMap(bool checkFolder);
  void LoadtheKeyFontSettingsfromAnotherKeyboardLayoutFile1Click();
  void LoadtheKeyLabelsfromanother1Click();
  void LoadtheColourSettingsfromAnotherKeyboardLayout1Click();
  FileDialogRequest SaveDialog1;  // keeps the last file name (shared with the bitmap export)
  FileDialogRequest OpenDialog1;

  // ---- Label editing and the recorded group ----
  void Label_0Click(int label);  // the label clicked
  void Function_Keys_GroupBoxMouseDown();
  void Main_Keyboard_Area_GroupBoxMouseDown();
  void Cursor_Control_GroupBoxMouseDown();
  void Numeric_Keypad_GroupBoxMouseDown();
  void Keyboard_Map_Title_LabelMouseDown();
  void FormMouseDown();

  // ---- Erase and set ----
  void Reset_Function_Key_Labels_OptionClick();
  void Reset_Main_Keyboard_Labels_OptionClick();
  void Reset_Cursor_Control_Labels_OptionClick();
  void Reset_Numeric_Keypad_Labels_OptionClick();
  void Reset_All_Labels_OptionClick();
  void Set_Function_Key_Labels_OptionClick();
  void Set_Main_Keyboard_Labels_OptionClick();
  void Set_Cursor_Control_Labels_OptionClick();
  void Set_Numeric_Keypad_Labels_OptionClick();
  void Set_All_Labels_To_A_Default_Value_OptionClick();

  // ---- Fonts, colours, alignment ----
  void Font_Keyboard_Map_Title_OptionClick();
  void Font_Group_Names_OptionClick();
  void Font_Key_Names_OptionClick();
  void Font_Key_Labels_OptionClick();
  void Select_Key_Colour_OptionClick();
  void Select_Key_Colour_Border_OptionClick();
  void Set_Key_Label_Vertical_Alignment_Top_OptionClick();
  void Set_Key_Label_Vertical_Alignment_Center_OptionClick();
  void Set_Key_Label_Vertical_Alignment_Bottom_OptionClick();

  // ---- Context menu ----
  HMENU PopupMenu1() const { return popupMenu_; }
  void PopupMenu1Popup();
  // Opens the context menu at a screen point (after its popup handler).
  void showPopupMenu(int screenX, int screenY);

  // ---- Picture output ----
  Bitmap CaptureKeyboardPicture();
  void Save_Bitmap_to_File_Menu_OptionClick();
  void Copy_Bitmap_to_Windows_Clipboard_OptionClick();
  void CopyKeyboardLayoutBitmaptoWindowsClipboard2Click();
  void Print_Keyboard_Layout_OptionClick();
  // A close requested while a capture has the window resized waits until the
  // window is back as it was, so the settings keep its own size; mouse presses
  // and the context menu meanwhile are ignored.
  bool captureRunning = false;
  bool closeAfterCapture = false;

  // ---- Desktop integration ----
  void Auto_Run_at_Windows_Startup_OptionClick();
  void View_Readme_file_OptionClick();
  void SpareMenuClick();

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  void onPaint();
  void onSize();
  void onHScroll(int request);
  void onMouseWheel(int delta);
  bool onKeyDown(WPARAM key);
  void onMouseDown(int x, int y, bool left);
  void onMouseUp(int x, int y);
  void onContextMenu(int screenX, int screenY);
  void onClose();

  void buildMenus();
  void updateScrollBar();
  int hitTestClient(int x, int y) const;  // client point -> component, scroll applied
  void recordPress(int component);

  IDialogs& dialogs_;
  FormModel model_;
  HWND hwnd_ = nullptr;
  HMENU menuBar_ = nullptr;
  HMENU popupMenu_ = nullptr;
  struct Accelerators {
    HACCEL h = nullptr;
    HACCEL get() const { return h; }
    ~Accelerators() {
      if (h) DestroyAcceleratorTable(h);
    }
  } accelerators_;
  int scrollX_ = 0;
  int pressedComponent_ = -1;
  int normalClientHeight_ = 0;  // of the normal window, kept while minimized or maximized
  bool startupShowStateApplied_ = false;

 public:
  // Context menu state: which of its items show (all until the first popup run).
  std::vector<bool> popupItemVisible;
};

}  // namespace tastrix
