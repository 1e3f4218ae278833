#pragma once
#include <windows.h>

#include <utility>

namespace tastrix {

// An owning handle, released when it goes. The traits say how to release
// one and which values hold nothing: a null handle always, and for kernel
// handles INVALID_HANDLE_VALUE too, which the file functions give on failure.
template <typename T, typename Traits>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(T h) : h_(h) {}
  UniqueResource(UniqueResource&& o) noexcept : h_(o.release()) {}
  UniqueResource& operator=(UniqueResource&& o) noexcept {
    reset(o.release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  ~UniqueResource() { reset(); }

  T get() const { return h_; }
  bool valid() const { return Traits::holds(h_); }
  T release() { return std::exchange(h_, T{}); }
  void reset(T h = T{}) {
    if (valid()) Traits::release(h_);
    h_ = h;
  }

 private:
  T h_{};
};

struct NullIsEmpty {
  template <typename T>
  static bool holds(T h) {
    return h != nullptr;
  }
};

struct KernelHandleTraits {
  static bool holds(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void release(HANDLE h) { CloseHandle(h); }
};
struct MenuTraits : NullIsEmpty {
  static void release(HMENU menu) { DestroyMenu(menu); }
};
struct AcceleratorTraits : NullIsEmpty {
  static void release(HACCEL table) { DestroyAcceleratorTable(table); }
};
struct GlobalMemoryTraits : NullIsEmpty {
  static void release(HGLOBAL memory) { GlobalFree(memory); }
};
struct EnhMetafileTraits : NullIsEmpty {
  static void release(HENHMETAFILE metafile) { DeleteEnhMetaFile(metafile); }
};
struct GdiObjectTraits : NullIsEmpty {
  static void release(HGDIOBJ object) { DeleteObject(object); }
};

// A kernel handle (file, process, thread...) closed with CloseHandle.
using UniqueHandle = UniqueResource<HANDLE, KernelHandleTraits>;
// A menu not attached to a window (a window destroys its own menu bar).
using UniqueMenu = UniqueResource<HMENU, MenuTraits>;
using UniqueAccel = UniqueResource<HACCEL, AcceleratorTraits>;
// Memory from GlobalAlloc, as the clipboard and the printer dialogs take it.
using GlobalMemory = UniqueResource<HGLOBAL, GlobalMemoryTraits>;
using EnhMetafile = UniqueResource<HENHMETAFILE, EnhMetafileTraits>;
// A GDI object (brush, font, bitmap, pen, palette, region) deleted with DeleteObject.
template <typename T>
using GdiObject = UniqueResource<T, GdiObjectTraits>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Pen = GdiObject<HPEN>;
using Palette = GdiObject<HPALETTE>;

// A window's device context from GetDC, released with ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A memory device context compatible with another, deleted with DeleteDC.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects a GDI object into a DC and puts the previous one back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() {
    if (selected()) SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  bool selected() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint / EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

}  // namespace tastrix
