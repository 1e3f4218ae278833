#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/menu_ids.h"
#include "support/scripted_dialogs.h"

namespace tastrix::testing {

// A scratch folder that pretends to hold the executable: the settings file,
// readme and dialog start folder of the program all follow it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::string& path() const { return path_; }  // ends in "\"
  std::string file(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Paths in UTF-8, as the program holds them.
std::string readFile(const std::string& path);  // bytes; empty if missing
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
void removeTree(const std::string& path);
void setReadOnly(const std::string& path, bool readOnly);

// The label position (1..101) of the key with this legend; nth tells apart
// keys that share one ("Shift", 2 is the left Shift), in label order.
int key(const char* legend, int nth = 1);

// The settings file a first start writes when it closes.
inline const std::string kFirstStartSettings =
    "[tastrix]\r\nWindowState_wsMaximized=0\r\nwindow_top_posn=20\r\nwindow_left_posn=20\r\nwindow_Width=762\r\n"
    "window_Height=461\r\nAlways_on_Top_Option=0\r\nAuto_Run_at_Windows_Startup_Option=0\r\n"
    "Current_Keyboard_Layout_File_Name_Edit=\r\n";

// A menu as drawn: its items' texts, "-" for a separator.
std::vector<std::string> menuItems(HMENU menu);

// Drives the real main window with scripted dialogs. The executable path
// points into a fresh scratch folder for every test.
class FormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the window and runs the start-up sequence (first show), with the
  // scripted dialogs unless others are given.
  Application& startForm(IDialogs* shown = nullptr);
  // Destroys the window without the close question.
  void dropForm();
  // The window and map as the first start without a settings file shows them.
  void expectFirstStartState();

  Application& app() { return *app_; }
  MainWindow& mainWindow() { return app_->window(); }
  MapDocument& document() { return app_->document(); }
  const KeyboardMap& map() { return app_->document().map(); }
  const PictureLayout& layout() { return app_->window().layout(); }
  // Position 0 is the map title, 1 to 101 the key labels in label order.
  const std::string& label(int position) { return map().labels[static_cast<size_t>(position)]; }
  void setLabel(int position, const std::string& text) { document().setLabel(position, text); }
  HWND hwnd() { return app_->window().handle(); }

  // A menu or context-menu command as the window receives it.
  void command(int id);
  // Whether the File menu, opened now, shows a check mark at the command.
  bool menuChecked(int id);
  // Mouse presses at client coordinates: 'L', 'R' or 'M'; click = press + release.
  void press(int x, int y, char button = 'L');
  void release(int x, int y, char button = 'L');
  void click(int x, int y);
  // The centre of a piece of the picture in client coordinates (scroll applied).
  POINT centreOf(const Rect& piece);
  // Saves the picture with Save Keyboard Layout Bitmap to File into the
  // scratch folder: the file's bytes.
  std::string savedBitmap(const std::string& name);
  // Repaints and reads the window's own pixel at a client point.
  COLORREF pixel(int x, int y);
  void pump();

  std::string settingsFile() const;
  std::string inScratch(const std::string& name) const { return scratch_->file(name); }
  const std::string& scratchDir() const { return scratch_->path(); }

  ScriptedDialogs dialogs;

 private:
  std::unique_ptr<ScratchFolder> scratch_;
  std::unique_ptr<Application> app_;
};

}  // namespace tastrix::testing
