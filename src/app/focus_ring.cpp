// The focus rectangle: drawn over the picture inside the focused key, shown
// once the keyboard is used, as the window's UI state says.
#include "app/picture_keys.h"

#include "text/mul_div.h"

namespace tastrix {
namespace {

constexpr int kFocusInset = 2;  // inside the key's face, at 96 dpi

RECT toRECT(const Rect& r, int scroll) { return RECT{r.left - scroll, r.top, r.right() - scroll, r.bottom()}; }

}  // namespace

// The user's setting to show focus rectangles and access keys always, which
// standard controls follow too.
void PictureKeys::followKeyboardCuesSetting() {
  BOOL always = FALSE;
  if (!SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &always, 0) || !always) return;
  focusHidden_ = false;
  invalidateFocus();
}

void PictureKeys::onUiState(WPARAM change) {
  if (!(HIWORD(change) & UISF_HIDEFOCUS)) return;
  switch (LOWORD(change)) {
    case UIS_SET: focusHidden_ = true; break;
    case UIS_CLEAR: focusHidden_ = false; break;
    case UIS_INITIALIZE:
      focusHidden_ = (SendMessageA(window_.handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
      break;
    default: break;
  }
  invalidateFocus();
}

// Keyboard use shows the focus, as in dialogs. The top-level window's default
// handling answers with WM_UPDATEUISTATE on Windows; Wine keeps no UI state and
// answers nothing, so the window's own copy is cleared here as well.
void PictureKeys::showFocusCues() {
  if (!focusHidden_) return;
  SendMessageA(GetAncestor(window_.handle(), GA_ROOT), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  focusHidden_ = false;
  invalidateFocus();
}

RECT PictureKeys::focusRect() const {
  const PictureLayout& layout = window_.layout();
  const Rect inside = focused_ == 0 ? layout.title() : layout.keyFace(focused_);
  RECT r = toRECT(inside, window_.scrollPosition());
  const int inset = mulDiv(kFocusInset, layout.dpi(), 96);
  InflateRect(&r, -inset, -inset);
  return r;
}

RECT PictureKeys::shownRect(int stop) const { return toRECT(stopRect(window_.layout(), stop), window_.scrollPosition()); }

void PictureKeys::invalidateFocus() const {
  if (focused_ == kNoStop || !window_.handle()) return;
  const RECT r = shownRect(focused_);
  InvalidateRect(window_.handle(), &r, FALSE);
}

void PictureKeys::paintFocus(HDC dc) const {
  if (focused_ == kNoStop || focusHidden_ || window_.captureState().running || GetFocus() != window_.handle()) return;
  const RECT r = focusRect();
  DrawFocusRect(dc, &r);
}

}  // namespace tastrix
