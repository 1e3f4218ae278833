#include "app/main_form.h"

#include <windowsx.h>

#include <algorithm>

#include "app/menu_table.h"
#include "output/picture_painter.h"
#include "platform/core/errors.h"
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

TMainForm1::TMainForm1(IDialogs& dialogs) : dialogs_(dialogs) {}

TMainForm1::~TMainForm1() {
  if (!hwnd_) return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

void TMainForm1::create(HINSTANCE instance) {
  model_.layOutFor(ScreenDpi());

  // A window of the 16-bit functions: its caption shows any file name.
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  // Whole repaints on resize: the capture copies what the window shows.
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = &TMainForm1::windowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.hbrBackground = nullptr;
  wc.lpszClassName = L"TMainForm1";
  RegisterClassExW(&wc);  // a second window of the class finds it registered

  menuBar_ = buildMenuBar(mainMenuTable());
  popupMenu_.reset(CreatePopupMenu());
  popupItemVisible.assign(popupMenuTable().size(), true);
  fillPopupMenu(popupMenu_.get(), popupItemVisible);
  const int dpi = model_.dpi();
  hwnd_ = CreateWindowExW(0, L"TMainForm1", WideFromUtf8(kAppTitle).c_str(), kStyle, mulDiv(615, dpi, 96), mulDiv(33, dpi, 96),
                          mulDiv(1036, dpi, 96), mulDiv(619, dpi, 96), nullptr, menuBar_, instance, this);
  if (!hwnd_) throw PlatformError("Cannot create the main window");
  // The monitor's scale may differ from the one the session began with.
  if (WindowDpi(hwnd_) != model_.dpi()) model_.layOutFor(WindowDpi(hwnd_));
  std::vector<ACCEL> keys = tastrix::accelerators(mainMenuTable());
  accelerators_.reset(CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
  updateScrollBar();
}

void TMainForm1::showFirstTime() {
  lifecycle.FormShow();
  if (!IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

LRESULT CALLBACK TMainForm1::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* form = static_cast<TMainForm1*>(create->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<TMainForm1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return form->handleMessage(msg, wParam, lParam);
}

LRESULT TMainForm1::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT answered = 0;
  if (keys.handle(msg, wParam, lParam, answered)) return answered;
  switch (msg) {
    case WM_PAINT:
      onPaint();
      return 0;
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd_, &client);
      paintPicture(reinterpret_cast<HDC>(wParam), model_, scrollX_, client);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
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
    case WM_KEYUP:
      // Releasing the menu key opens the context menu; not every system's
      // default handling does it.
      if (wParam != VK_APPS) return DefWindowProcW(hwnd_, msg, wParam, lParam);
      onContextMenu(-1, -1);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      onMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), msg == WM_LBUTTONDOWN);
      return 0;
    case WM_XBUTTONDOWN:
      onMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), false);
      return TRUE;
    case WM_LBUTTONUP:
      onMouseUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      pressedComponent_ = -1;
      return 0;
    case WM_CONTEXTMENU:
      // The caption, frame and scroll bar keep the system's own menus.
      if (!(GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1) &&
          DefWindowProcW(hwnd_, WM_NCHITTEST, 0, lParam) != HTCLIENT)
        return DefWindowProcW(hwnd_, msg, wParam, lParam);
      onContextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_COMMAND:
      if (lParam == 0) onCommand(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      onClose();
      return 0;
    case WM_QUERYENDSESSION:
      // Logging off closes the window too: the settings are written and
      // unsaved changes are asked about.
      return lifecycle.FormCloseQuery(Lifecycle::Closing::Session) ? TRUE : FALSE;
    case WM_DESTROY:
      if (quitOnDestroy) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }
}

void TMainForm1::onPaint() {
  PaintScope paint(hwnd_);
  RECT client;
  GetClientRect(hwnd_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  picture_.show(paint.dc(), model_, scrollX_, client, paint.area());
  keys.paintFocus(paint.dc());
}

void TMainForm1::repaintPicture() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void TMainForm1::onSize() {
  if (!IsIconic(hwnd_) && !IsZoomed(hwnd_)) normalClientHeight_ = clientHeight();
  updateScrollBar();
  repaintPicture();
}

// Moved to a monitor of another scale: the picture is laid out anew for its
// dpi, and the window takes the size Windows suggests, except while the
// start-up places it where the settings file says.
void TMainForm1::onDpiChanged(int dpi, const RECT& suggested) {
  const int oldDpi = model_.dpi();
  model_.layOutFor(dpi);
  picture_.invalidate();
  scrollX_ = mulDiv(scrollX_, dpi, oldDpi);  // the same part of the picture stays in view
  if (!placingWindow)
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  updateScrollBar();
  repaintPicture();
}

void TMainForm1::updateScrollBar() {
  if (!hwnd_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  const int range = model_.scrollRange();
  const int maxPos = std::max(0, range - static_cast<int>(client.right));
  const int clamped = std::min(std::max(scrollX_, 0), maxPos);
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

void TMainForm1::setScrollPosition(int position) {
  RECT client;
  GetClientRect(hwnd_, &client);
  const int maxPos = std::max(0, model_.scrollRange() - static_cast<int>(client.right));
  const int clamped = std::min(std::max(position, 0), maxPos);
  if (clamped == scrollX_) return;
  scrollX_ = clamped;
  SetScrollPos(hwnd_, SB_HORZ, scrollX_, TRUE);
  repaintPicture();
}

void TMainForm1::onHScroll(int request) {
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
    case SB_RIGHT: setScrollPosition(model_.scrollRange()); break;
    default: break;
  }
}

void TMainForm1::onMouseWheel(int delta) {
  // There is nothing to scroll vertically, so the wheel scrolls sideways.
  setScrollPosition(scrollX_ - delta * 3 * scrollLine() / WHEEL_DELTA);
}

int TMainForm1::scrollLine() const { return mulDiv(kScrollLine, model_.dpi(), 96); }

int TMainForm1::hitTestClient(int x, int y) const { return model_.hitTest(x + scrollX_, y); }

void TMainForm1::onMouseDown(int x, int y, bool left) {
  // A press queued while a capture moves the window was aimed at another view;
  // one that reaches the window while a box is open records no group.
  if (capture_.running || boxOpen()) return;
  SetFocus(hwnd_);
  const int hit = hitTestClient(x, y);
  editing.pressOn(hit);
  if (left) {
    pressedComponent_ = hit;
    SetCapture(hwnd_);
  }
}

void TMainForm1::onMouseUp(int x, int y) {
  const int pressed = pressedComponent_;
  pressedComponent_ = -1;
  if (GetCapture() == hwnd_) ReleaseCapture();
  // A click is a press and a release on the same label.
  if (pressed < 0 || hitTestClient(x, y) != pressed) return;
  runCommand([this, pressed] { editing.clickOn(pressed); });
}

void TMainForm1::onContextMenu(int screenX, int screenY) {
  if (capture_.running) return;
  if (screenX == -1 && screenY == -1) {
    // From the keyboard: open it at the window's client origin.
    POINT origin{0, 0};
    ClientToScreen(hwnd_, &origin);
    screenX = origin.x;
    screenY = origin.y;
  }
  showPopupMenu(screenX, screenY);
}

void TMainForm1::PopupMenu1Popup() {
  std::vector<ShownFor> shownFor;
  for (const MenuEntry& e : popupMenuTable()) shownFor.push_back(e.shownFor);
  UpdatePopupVisibility(shownFor, model_.recordedGroup, popupItemVisible);
  fillPopupMenu(popupMenu_.get(), popupItemVisible);
}

void TMainForm1::showPopupMenu(int screenX, int screenY) {
  if (boxOpen()) return;
  PopupMenu1Popup();
  const OpenBoxes::Scope menu(dialogs_);
  TrackPopupMenu(popupMenu_.get(), TPM_RIGHTBUTTON, screenX, screenY, 0, hwnd_, nullptr);
}

void TMainForm1::onCommand(int id) {
  const MenuEntry* entry = findMenuEntry(mainMenuTable(), id);
  if (!entry) entry = findMenuEntry(popupMenuTable(), id);
  if (!entry) return;
  if (!(entry->flags & kKeysOnly) && id < ID_Popup_First &&
      (GetMenuState(menuBar_, static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED))
    return;
  runCommand([this, entry] { entry->handler(*this); });
}

HACCEL TMainForm1::accelerators() const { return keys.picking() ? nullptr : accelerators_.get(); }

void TMainForm1::runCommand(const std::function<void()>& command) {
  // Posted messages, and calls of screen readers, reach the window through
  // the open box's message loop: acting on them would stack box on box.
  if (boxOpen()) return;
  const std::vector<std::string> labelsBefore = keys.accessibility().labelTexts();
  const FormModel::CommandScope oneStep(model_);
  try {
    command();
  } catch (const std::exception& e) {  // platform errors above all
    dialogs_.generalError(withFullStop(e.what()));
  }
  keys.accessibility().announceChangedLabels(labelsBefore);
  // Commands change the model; the picture follows after every one.
  repaintPicture();
}

void TMainForm1::onClose() {
  if (boxOpen()) return;  // the box is answered first
  if (capture_.running) {
    capture_.closeRequested = true;
    return;
  }
  if (lifecycle.FormCloseQuery()) DestroyWindow(hwnd_);
}

std::string TMainForm1::caption() const { return WindowText(hwnd_); }

void TMainForm1::setCaption(const std::string& text) { SetWindowTextUtf8(hwnd_, text); }

int TMainForm1::clientWidth() const {
  RECT r;
  GetClientRect(hwnd_, &r);
  return r.right;
}

int TMainForm1::clientHeight() const {
  RECT r;
  GetClientRect(hwnd_, &r);
  return r.bottom;
}

void TMainForm1::setClientSize(int width, int height) {
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

void TMainForm1::processMessages() {
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

bool TMainForm1::isMenuChecked(int id) const {
  return (GetMenuState(menuBar_, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void TMainForm1::setMenuChecked(int id, bool checked) {
  CheckMenuItem(menuBar_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace tastrix
