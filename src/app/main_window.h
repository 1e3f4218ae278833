#pragma once
#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <vector>

#include "app/picture_commands.h"
#include "app/picture_keys.h"
#include "app/picture_window.h"
#include "output/retained_picture.h"
#include "platform/win32_handles.h"

namespace tastrix {

// The main window (window class "TMainForm1"): one custom-painted window drawn
// from the document. It maps its messages to member functions: painting,
// scrolling, the mouse, the menus, the layout for each monitor's dpi, the
// capture's window state; the keys and screen readers through PictureKeys.
// What the input asks for goes to the application's commands.
class MainWindow final : public IPictureWindow {
 public:
  explicit MainWindow(IPictureCommands& commands);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Hidden, at its design-time place, scaled to the screen's dpi. The
  // program's own window ends the message loop when it is destroyed.
  void create(HINSTANCE instance, bool endsMessageLoop);
  void showFirstTime();  // after the start-up, unless the start-up showed it
  HACCEL accelerators() const;  // none while a key is being picked: the next key is no command
  PictureKeys& keys() { return keys_; }
  // The context menu, and the choice of its items for the last press.
  HMENU contextMenu() const { return popupMenu_.get(); }
  void updateContextMenu();

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
  const PictureLayout& layout() const override { return layout_; }
  std::vector<std::string> labelTexts() const override;
  void showChanges(const std::vector<std::string>& labelsBefore) override;
  int normalClientHeight() const override { return normalClientHeight_; }
  void setPlacing(bool placing) override { placing_ = placing; }

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
  void showContextMenu(int screenX, int screenY);
  void onCommand(int id);
  void onDropFiles(HDROP drop);
  void showCheckMarks(HMENU menu);
  void onClose();
  void repaintPicture();
  void updateScrollBar();
  int clampedScroll(int position) const;  // 0 .. range - client width
  const PicturePiece* pieceAt(int x, int y) const;  // at a client point, scroll applied

  IPictureCommands& commands_;
  HWND hwnd_ = nullptr;
  HMENU menuBar_ = nullptr;  // destroyed with the window
  UniqueMenu popupMenu_;
  UniqueAccel accelerators_;
  std::vector<bool> popupItemVisible_;  // which context-menu items show (all until the first popup)
  CaptureState capture_;
  PictureLayout layout_;
  RetainedPicture picture_;
  PictureKeys keys_;
  std::optional<PicturePiece> pressed_;  // until the left button comes up
  int scrollX_ = 0, normalClientHeight_ = 0;
  bool endsMessageLoop_ = false;
  bool placing_ = false;
};

}  // namespace tastrix
