#include "platform/window_text.h"

#include "platform/wide_text.h"
#include "platform/win32_handles.h"

namespace tastrix {

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return Utf8FromWide(text);
}

void SetWindowTextUtf8(HWND window, const std::string& text) { SetWindowTextW(window, WideFromUtf8(text).c_str()); }

int ScreenDpi() {
  const WindowDC screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int WindowDpi(HWND window) {
  // Looked up, not imported: the program also starts where it is missing.
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
  return dpi != 0 ? static_cast<int>(dpi) : ScreenDpi();
}

}  // namespace tastrix
