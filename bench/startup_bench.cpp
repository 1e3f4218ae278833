#include <windows.h>

#include <memory>
#include <string>

#include "app/application.h"
#include "bench.h"
#include "platform/app_paths.h"
#include "platform/win32_dialogs.h"

namespace tastrix::bench {
namespace {

constexpr const char* kBareClass = "TastrixBenchBareWindow";

void pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// A folder that stands in for the executable's, so no settings file is
// read from or written beside the benchmark.
class TempHome {
 public:
  TempHome() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    dir_ = std::string(temp) + "tastrix-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir_.c_str(), nullptr);
    overrideExecutablePath(dir_ + "tastrix.exe");
  }
  ~TempHome() {
    overrideExecutablePath("");
    DeleteFileA((dir_ + "tastrix.ini").c_str());
    RemoveDirectoryA(dir_.c_str());
  }
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

 private:
  std::string dir_;
};

// A main window with the real dialogs; nothing is shown at start-up.
struct RealWindow {
  Win32Dialogs dialogs;
  Application form{dialogs};
};

LRESULT CALLBACK bareProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PaintScope paint(hwnd);
    FillRect(paint.dc(), &paint.area(), static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void registerBareClass() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = bareProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kBareClass;
  RegisterClassExA(&wc);
}

std::unique_ptr<TempHome> home;

const Registration startUp{{
    "start-up (create, start-up sequence, first paint)",
    "bare window create+show+paint",
    [] {
      home = std::make_unique<TempHome>();
      registerBareClass();
    },
    [] {
      auto window = std::make_unique<RealWindow>();
      const double ms = timeMs([&] {
        window->form.create(GetModuleHandleA(nullptr));
        window->dialogs.setOwner(window->form.window().handle());
        window->form.start();
      });
      window.reset();
      pump();
      return ms;
    },
    [] {
      HWND bare = nullptr;
      const double ms = timeMs([&] {
        bare = CreateWindowExA(0, kBareClass, "bare", WS_OVERLAPPEDWINDOW | WS_HSCROLL, 20, 20, 762, 520, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
        ShowWindow(bare, SW_SHOWNORMAL);
        UpdateWindow(bare);
      });
      DestroyWindow(bare);
      pump();
      return ms;
    },
    [] { home.reset(); },
}, Target::ratio(1.5)};

std::unique_ptr<RealWindow> shown;

RECT pictureArea() {
  const PictureLayout& layout = shown->form.window().layout();
  return RECT{0, 0, layout.pictureWidth(), layout.pictureHeight()};
}

const Registration fullRepaint{{
    "full repaint of the picture",
    "FillRect of the same area",
    [] {
      home = std::make_unique<TempHome>();
      shown = std::make_unique<RealWindow>();
      shown->form.create(GetModuleHandleA(nullptr));
      shown->form.start();
      SetWindowPos(shown->form.window().handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      shown->form.window().setClientSize(shown->form.window().layout().pictureWidth(),
                                         shown->form.window().layout().pictureHeight());
      pump();
    },
    [] {
      return timeMs([] { RedrawWindow(shown->form.window().handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); });
    },
    [] {
      const RECT area = pictureArea();
      return timeMs([&] {
        WindowDC dc(shown->form.window().handle());
        FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        GdiFlush();
      });
    },
    [] {
      shown.reset();
      pump();
      home.reset();
    },
}, Target::milliseconds(2)};

}  // namespace
}  // namespace tastrix::bench
