// The smallest window program of the same toolkit and link options as the
// program: the benchmark's floor for memory. Command 1 shows the system's
// open file dialog, whose library is loaded only then.
#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

namespace {

void showOpenFileDialog(HWND owner) {
  const HMODULE library = LoadLibraryA("comdlg32.dll");
  const auto show = reinterpret_cast<decltype(&GetOpenFileNameA)>(
      reinterpret_cast<void*>(library ? GetProcAddress(library, "GetOpenFileNameA") : nullptr));
  if (!show) return;
  char file[MAX_PATH] = "";
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  show(&ofn);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(hwnd, &paint);
      FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == 1) showOpenFileDialog(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "TastrixBareWindow";
  if (!RegisterClassExA(&wc)) return 1;
  const HWND window = CreateWindowExA(0, wc.lpszClassName, "bare", WS_OVERLAPPEDWINDOW | WS_HSCROLL, 20, 20, 762, 520,
                                      nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
