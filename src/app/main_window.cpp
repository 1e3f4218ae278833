#include "app/main_window.h"

#include <windowsx.h>

#include <algorithm>

#include "app/menu_table.h"
#include "output/picture_painter.h"
#include "platform/core/errors.h"
#include "platform/shell_files.h"
#include "platform/wide_text.h"
#include "platform/window_text.h"
#include "product/product.h"
#include "text/mul_div.h"

namespace tastrix {
namespace {

constexpr int kScrollLine = 16;  // at 96 dpi
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_HSCROLL;

void fillPopupMenu(HMENU menu, const std::vector<bool>& visible) {
  const std::vector<MenuEntry>& entries = popupMenuTable();
  std::vector<bool> separators;
  for (const MenuEntry& e : entries) separators.push_back((e.flags & kSeparator) != 0);
  while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
  for (const DrawnRow& row : DrawnPopupRows(separators, visible)) {
    if (row.separatorBefore) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(entries[row.row].id), menuText(entries[row.row]).c_str());
  }
}

}  // namespace

MainWindow::MainWindow(IPictureCommands& commands) : commands_(commands), keys_(*this, commands) {}

MainWindow::~MainWindow() {
  if (!hwnd_) return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

void MainWindow::create(HINSTANCE instance, bool endsMessageLoop) {
  endsMessageLoop_ = endsMessageLoop;
  layout_ = PictureLayout(ScreenDpi());

  // A window of the 16-bit functions: its caption shows any file name.
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  // Whole repaints on resize: the capture copies what the window shows.
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = &MainWindow::windowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.hbrBackground = nullptr;
  wc.lpszClassName = L"TMainForm1";
  RegisterClassExW(&wc);  // a second window of the class finds it registered

  menuBar_ = buildMenuBar(mainMenuTable());
  popupMenu_.reset(CreatePopupMenu());
  popupItemVisible_.assign(popupMenuTable().size(), true);
  fillPopupMenu(popupMenu_.get(), popupItemVisible_);
  const int dpi = layout_.dpi();
  // WS_EX_ACCEPTFILES: maps dragged from Explorer open as the Load command opens them.
  hwnd_ = CreateWindowExW(WS_EX_ACCEPTFILES, L"TMainForm1", WideFromUtf8(kAppTitle).c_str(), kStyle, mulDiv(615, dpi, 96), mulDiv(33, dpi, 96),
                          mulDiv(1036, dpi, 96), mulDiv(619, dpi, 96), nullptr, menuBar_, instance, this);
  if (!hwnd_) throw PlatformError("Cannot create the main window", GetLastError());
  // The monitor's scale may differ from the one the session began with.
  if (WindowDpi(hwnd_) != layout_.dpi()) layout_ = PictureLayout(WindowDpi(hwnd_));
  std::vector<ACCEL> shortcuts = tastrix::accelerators();
  accelerators_.reset(CreateAcceleratorTableA(shortcuts.data(), static_cast<int>(shortcuts.size())));
  updateScrollBar();
}

void MainWindow::showFirstTime() {
  if (!IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* window = static_cast<MainWindow*>(create->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return window->handleMessage(msg, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      onPaint();
      return 0;
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd_, &client);
      paintPicture(reinterpret_cast<HDC>(wParam), commands_.document().map(), layout_, scrollX_, client);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_SETTINGCHANGE:
      keys_.onSettingChange(wParam);
      [[fallthrough]];
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      // System colours stand in the picture (the key borders' button face).
      picture_.invalidate();
      repaintPicture();
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
    case WM_SIZE:
      onSize();
      return 0;
    case WM_DPICHANGED:
      onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    // A capture scrolls the window itself: scrolling queued meanwhile would
    // move the view between two slices.
    case WM_HSCROLL:
      if (!capture_.running) onHScroll(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      if (!capture_.running) onMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_MOUSEHWHEEL:
      if (!capture_.running) onMouseWheel(-GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR:
    case WM_UNICHAR:
      return keys_.onKey(msg, wParam, lParam) ? 0 : DefWindowProcW(hwnd_, msg, wParam, lParam);
    case WM_KEYUP:
      if (keys_.onKey(msg, wParam, lParam)) return 0;
      // Releasing the menu key opens the context menu; not every system's
      // default handling does it.
      if (wParam != VK_APPS) return DefWindowProcW(hwnd_, msg, wParam, lParam);
      onContextMenu(-1, -1);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      keys_.onFocus(msg == WM_SETFOCUS);
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
    case WM_UPDATEUISTATE: {
      const LRESULT result = DefWindowProcW(hwnd_, msg, wParam, lParam);
      keys_.onUiState(wParam);
      return result;
    }
    case WM_GETOBJECT: {
      LRESULT result = 0;
      if (keys_.accessibility().answer(wParam, lParam, result)) return result;
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
    case PictureKeys::kEditStopMessage:
      keys_.onEditStopPosted(wParam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      keys_.onMouseDown(lParam);
      onMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), msg == WM_LBUTTONDOWN);
      return 0;
    case WM_XBUTTONDOWN:
      keys_.onMouseDown(lParam);
      onMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), false);
      return TRUE;
    case WM_MOUSEMOVE:
      keys_.onMouseMove(lParam);
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
    // A press outside the client area, or a modal loop taking the mouse, ends a pick.
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCXBUTTONDOWN:
    case WM_CANCELMODE:
      keys_.endPicking();
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
    case WM_LBUTTONUP:
      onMouseUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      pressed_.reset();
      return 0;
    case WM_CONTEXTMENU:
      if (keys_.swallowsMenuKeyRequest(lParam)) return 0;
      // The caption, frame and scroll bar keep the system's own menus.
      if (!(GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1) &&
          DefWindowProcW(hwnd_, WM_NCHITTEST, 0, lParam) != HTCLIENT)
        return DefWindowProcW(hwnd_, msg, wParam, lParam);
      onContextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) showCheckMarks(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_COMMAND:
      if (lParam == 0) onCommand(LOWORD(wParam));
      return 0;
    case WM_DROPFILES:
      onDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_CLOSE:
      onClose();
      return 0;
    case WM_QUERYENDSESSION:
      // Logging off closes the window too: the settings are written and
      // unsaved changes are asked about.
      return commands_.mayClose(Closing::Session) ? TRUE : FALSE;
    case WM_DESTROY:
      if (endsMessageLoop_) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      keys_.onWindowGone();
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }
}

void MainWindow::onPaint() {
  PaintScope paint(hwnd_);
  RECT client;
  GetClientRect(hwnd_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  picture_.show(paint.dc(), commands_.document(), layout_, scrollX_, client, paint.area());
  keys_.paintFocus(paint.dc());
}

void MainWindow::repaintPicture() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void MainWindow::onSize() {
  if (!IsIconic(hwnd_) && !IsZoomed(hwnd_)) normalClientHeight_ = clientHeight();
  updateScrollBar();
  repaintPicture();
}

// Moved to a monitor of another scale: the picture is laid out anew for its
// dpi, and the window takes the size Windows suggests, except while the
// start-up places it where the settings file says.
void MainWindow::onDpiChanged(int dpi, const RECT& suggested) {
  const int oldDpi = layout_.dpi();
  layout_ = PictureLayout(dpi);
  picture_.invalidate();
  scrollX_ = mulDiv(scrollX_, dpi, oldDpi);  // the same part of the picture stays in view
  if (!placing_)
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  updateScrollBar();
  repaintPicture();
}

void MainWindow::updateScrollBar() {
  if (!hwnd_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  const int range = layout_.scrollRange();
  const int clamped = clampedScroll(scrollX_);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = range - 1;
  si.nPage = static_cast<UINT>(std::max<LONG>(client.right, 0));
  si.nPos = clamped;
  SetScrollInfo(hwnd_, SB_HORZ, &si, TRUE);
  if (clamped != scrollX_) {
    scrollX_ = clamped;
    repaintPicture();
  }
}

int MainWindow::clampedScroll(int position) const {
  return std::min(std::max(position, 0), std::max(0, layout_.scrollRange() - clientWidth()));
}

void MainWindow::setScrollPosition(int position) {
  const int clamped = clampedScroll(position);
  if (clamped == scrollX_) return;
  scrollX_ = clamped;
  SetScrollPos(hwnd_, SB_HORZ, scrollX_, TRUE);
  repaintPicture();
}

void MainWindow::onHScroll(int request) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(hwnd_, SB_HORZ, &si);
  const int page = static_cast<int>(si.nPage);
  switch (request) {
    case SB_LINELEFT: setScrollPosition(scrollX_ - scrollLine()); break;
    case SB_LINERIGHT: setScrollPosition(scrollX_ + scrollLine()); break;
    case SB_PAGELEFT: setScrollPosition(scrollX_ - page); break;
    case SB_PAGERIGHT: setScrollPosition(scrollX_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: setScrollPosition(si.nTrackPos); break;
    case SB_LEFT: setScrollPosition(0); break;
    case SB_RIGHT: setScrollPosition(layout_.scrollRange()); break;
    default: break;
  }
}

void MainWindow::onMouseWheel(int delta) {
  // There is nothing to scroll vertically, so the wheel scrolls sideways.
  setScrollPosition(scrollX_ - delta * 3 * scrollLine() / WHEEL_DELTA);
}

int MainWindow::scrollLine() const { return mulDiv(kScrollLine, layout_.dpi(), 96); }

const PicturePiece* MainWindow::pieceAt(int x, int y) const { return layout_.pieceAt(x + scrollX_, y); }

void MainWindow::onMouseDown(int x, int y, bool left) {
  // A press queued while a capture moves the window was aimed at another view;
  // one that reaches the window while a box is open records no group.
  if (capture_.running || commands_.boxOpen()) return;
  SetFocus(hwnd_);
  const PicturePiece* hit = pieceAt(x, y);
  commands_.pressOn(hit);
  if (left) {
    if (hit) pressed_ = *hit;
    SetCapture(hwnd_);
  }
}

void MainWindow::onMouseUp(int x, int y) {
  const std::optional<PicturePiece> pressed = pressed_;
  pressed_.reset();
  if (GetCapture() == hwnd_) ReleaseCapture();
  // A click is a press and a release on the same piece.
  const PicturePiece* released = pieceAt(x, y);
  if (!pressed || !released || !released->sameAs(*pressed)) return;
  commands_.clickOn(*pressed);
}

void MainWindow::onContextMenu(int screenX, int screenY) {
  if (capture_.running) return;
  if (screenX == -1 && screenY == -1) {
    // From the keyboard: open it at the window's client origin.
    POINT origin{0, 0};
    ClientToScreen(hwnd_, &origin);
    screenX = origin.x;
    screenY = origin.y;
  }
  showContextMenu(screenX, screenY);
}

void MainWindow::updateContextMenu() {
  std::vector<ShownFor> shownFor;
  for (const MenuEntry& e : popupMenuTable()) shownFor.push_back(e.shownFor);
  UpdatePopupVisibility(shownFor, commands_.recordedGroup(), popupItemVisible_);
  fillPopupMenu(popupMenu_.get(), popupItemVisible_);
}

void MainWindow::showContextMenu(int screenX, int screenY) {
  if (commands_.boxOpen()) return;
  updateContextMenu();
  commands_.runModalLoop(
      [&] { TrackPopupMenu(popupMenu_.get(), TPM_RIGHTBUTTON, screenX, screenY, 0, hwnd_, nullptr); });
}

// Disabled items of the menu bar do nothing, even when their shortcut
// arrives; commands reached by keys only have no item to be disabled.
void MainWindow::onCommand(int id) {
  const UINT state = GetMenuState(menuBar_, static_cast<UINT>(id), MF_BYCOMMAND);
  if (id < ID_Popup_First && state != static_cast<UINT>(-1) && (state & MF_GRAYED)) return;
  commands_.menuCommand(id);
}

// The drop is let go at once, whatever becomes of it; one that reaches the
// window while a capture moves it was aimed at the view the user saw.
void MainWindow::onDropFiles(HDROP drop) {
  const std::vector<std::string> names = TakeDroppedFiles(drop);
  if (capture_.running || names.empty()) return;
  commands_.dropFiles(names);
}

HACCEL MainWindow::accelerators() const { return keys_.picking() ? nullptr : accelerators_.get(); }

std::vector<std::string> MainWindow::labelTexts() const { return keys_.accessibility().labelTexts(); }

void MainWindow::showChanges(const std::vector<std::string>& labelsBefore) {
  keys_.accessibility().announceChangedLabels(labelsBefore);
  repaintPicture();
}

void MainWindow::onClose() {
  if (commands_.boxOpen()) return;  // the box is answered first
  if (capture_.running) {
    capture_.closeRequested = true;
    return;
  }
  if (commands_.mayClose(Closing::Window)) DestroyWindow(hwnd_);
}

std::string MainWindow::caption() const { return WindowText(hwnd_); }

void MainWindow::setCaption(const std::string& text) { SetWindowTextUtf8(hwnd_, text); }

int MainWindow::clientWidth() const {
  RECT r;
  GetClientRect(hwnd_, &r);
  return r.right;
}

int MainWindow::clientHeight() const {
  RECT r;
  GetClientRect(hwnd_, &r);
  return r.bottom;
}

void MainWindow::setClientSize(int width, int height) {
  // The frame, menu bar and scroll bar lie between outer and client size, in
  // one resize; a second pass corrects a menu bar that wrapped or a scroll bar
  // that came or went.
  for (int pass = 0; pass < 2 && (clientWidth() != width || clientHeight() != height); ++pass) {
    RECT w;
    GetWindowRect(hwnd_, &w);
    SetWindowPos(hwnd_, nullptr, 0, 0, (w.right - w.left) + (width - clientWidth()),
                 (w.bottom - w.top) + (height - clientHeight()), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MainWindow::processMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// The marks show the program's state as it is when the menu opens.
void MainWindow::showCheckMarks(HMENU menu) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id != static_cast<UINT>(-1))
      CheckMenuItem(menu, id, MF_BYCOMMAND | (commands_.checked(static_cast<int>(id)) ? MF_CHECKED : MF_UNCHECKED));
  }
}

}  // namespace tastrix
