#include <vector>

#include "platform/win32_dialogs.h"

namespace tastrix {
namespace {

constexpr const char* kAboutCaption = "About Tastrix";
constexpr const char* kProgramLine = "Tastrix - v1.0f";
constexpr const char* kDescription =
    "Tastrix documents keyboard bindings: write your own label on every key of a picture of a 101-key PC "
    "keyboard, save the keyboard map and export the picture as a bitmap file or to the clipboard.";

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;

struct Item {
  WORD windowClass;
  DWORD style;
  short x, y, cx, cy;
  WORD id;
  const char* text;
};

// Dialog units; the box is laid out for its 8-point dialog font.
const Item kItems[] = {
    {kStaticClass, SS_CENTER, 10, 10, 200, 10, 100, kProgramLine},
    {kStaticClass, SS_CENTER, 10, 26, 200, 34, 101, kDescription},
    {kButtonClass, BS_DEFPUSHBUTTON | WS_TABSTOP, 85, 66, 50, 14, IDOK, "OK"},
};
constexpr short kWidth = 220, kHeight = 88;

// Builds an in-memory dialog template: a header followed by its items, each
// DWORD-aligned, with texts in UTF-16 as the template format demands.
class TemplateWriter {
 public:
  void word(WORD w) { words_.push_back(w); }
  void dword(DWORD d) {
    word(LOWORD(d));
    word(HIWORD(d));
  }
  void text(const char* s) {
    const int length = MultiByteToWideChar(CP_ACP, 0, s, -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    MultiByteToWideChar(CP_ACP, 0, s, -1, wide.data(), length);
    for (wchar_t c : wide) word(static_cast<WORD>(c));
  }
  void alignToDword() {
    if (words_.size() % 2) word(0);
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

TemplateWriter aboutTemplate() {
  TemplateWriter t;
  t.dword(DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  t.dword(0);  // extended style
  t.word(static_cast<WORD>(sizeof kItems / sizeof kItems[0]));
  t.word(0);
  t.word(0);
  t.word(static_cast<WORD>(kWidth));
  t.word(static_cast<WORD>(kHeight));
  t.word(0);  // no menu
  t.word(0);  // the standard dialog class
  t.text(kAboutCaption);
  t.word(8);
  t.text("MS Shell Dlg");
  for (const Item& item : kItems) {
    t.alignToDword();
    t.dword(WS_CHILD | WS_VISIBLE | item.style);
    t.dword(0);
    t.word(static_cast<WORD>(item.x));
    t.word(static_cast<WORD>(item.y));
    t.word(static_cast<WORD>(item.cx));
    t.word(static_cast<WORD>(item.cy));
    t.word(item.id);
    t.word(0xFFFF);
    t.word(item.windowClass);
    t.text(item.text);
    t.word(0);  // no creation data
  }
  return t;
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      // OK, Enter, Escape and the close box all end the box.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

void Win32Dialogs::about() {
  const TemplateWriter box = aboutTemplate();
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), box.get(), owner_, &aboutProc, 0);
}

}  // namespace tastrix
