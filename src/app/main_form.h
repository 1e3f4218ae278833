#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "app/lifecycle.h"
#include "app/open_boxes.h"
#include "app/picture_keys.h"
#include "editing/core/edit_commands.h"
#include "mapfile/core/map_commands.h"
#include "mapfile/map_files.h"
#include "output/output_commands.h"
#include "output/retained_picture.h"
#include "platform/core/app_window.h"
#include "platform/win32_handles.h"

namespace tastrix {

// The main window: one custom-painted window drawn from the component model; its
// messages map to member functions, its menus' commands to the feature modules.
class TMainForm1 : public IAppWindow {
 public:
  explicit TMainForm1(IDialogs& dialogs);
  ~TMainForm1() override;
  TMainForm1(const TMainForm1&) = delete;
  TMainForm1& operator=(const TMainForm1&) = delete;

  void create(HINSTANCE instance);  // hidden, at its design-time place, scaled to the screen's dpi
  void showFirstTime();             // runs the start-up sequence

  HWND hwnd() const { return hwnd_; }
  HACCEL accelerators() const;  // none while a key is being picked: the next key is no command
  HMENU PopupMenu1() const { return popupMenu_.get(); }
  FormModel& model() { return model_; }
  IDialogs& dialogs() { return dialogs_; }
  // A modal box or the context menu is open: nothing that could open another is acted on.
  bool boxOpen() const { return dialogs_.anyOpen(); }

  HWND__* handle() const override { return hwnd_; }
  std::string caption() const override;
  void setCaption(const std::string& text) override;
  int clientWidth() const override;
  int clientHeight() const override;
  void setClientSize(int width, int height) override;
  int scrollPosition() const override { return scrollX_; }
  void setScrollPosition(int position) override;
  void processMessages() override;
  CaptureState& captureState() override { return capture_; }
  void repaintPicture();  // after any change of the model
  bool isMenuChecked(int id) const;
  void setMenuChecked(int id, bool checked);
  int normalClientHeight() const { return normalClientHeight_; }  // kept while minimized or maximized

  // A platform error ends in the general error box. Not run while a box is open.
  void runCommand(const std::function<void()>& command);
  void onCommand(int id);  // a menu or context-menu command (disabled items do nothing)
  void PopupMenu1Popup();
  void showPopupMenu(int screenX, int screenY);  // after its popup handler
  bool quitOnDestroy = false;  // the program's own window ends the message loop
  bool placingWindow = false;  // a dpi change keeps the window's size meanwhile

 private:
  OpenBoxes dialogs_;
  FormModel model_;
  DiskMapStorage storage_;

 public:
  FileDialogRequest SaveDialog1;  // keeps the last file name (shared with the bitmap export)
  FileDialogRequest OpenDialog1;
  EditCommands editing{model_, dialogs_};
  MapCommands maps{model_, dialogs_, *this, storage_, SaveDialog1, OpenDialog1};
  OutputCommands output{model_, dialogs_, *this, storage_, SaveDialog1};
  Lifecycle lifecycle{*this};
  PictureKeys keys{*this};
  std::vector<bool> popupItemVisible;  // which context-menu items show (all until the first popup)

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void onPaint();
  void onSize();
  void onDpiChanged(int dpi, const RECT& suggested);
  void onHScroll(int request);
  int scrollLine() const;
  void onMouseWheel(int delta);
  void onMouseDown(int x, int y, bool left), onMouseUp(int x, int y);
  void onContextMenu(int screenX, int screenY);
  void onClose();
  void updateScrollBar();
  int hitTestClient(int x, int y) const;  // client point -> component, scroll applied

  HWND hwnd_ = nullptr;
  HMENU menuBar_ = nullptr;  // destroyed with the window
  UniqueMenu popupMenu_;
  UniqueAccel accelerators_;
  CaptureState capture_;
  RetainedPicture picture_;
  int scrollX_ = 0, pressedComponent_ = -1, normalClientHeight_ = 0;
};

}  // namespace tastrix
