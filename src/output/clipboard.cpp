#include "output/bitmap_file.h"
#include "output/capture.h"
#include "output/output_commands.h"
#include "platform/busy_retry.h"
#include "platform/core/errors.h"

namespace tastrix {
namespace {

// The clipboard opened for a window and closed again on every path. Another
// program (clipboard history, a remote desktop, a clipboard manager) may
// hold it for a moment: it is waited for, briefly.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) {
    if (!RetryWhileBusy(kBusyClipboardWaitMs, {}, [owner] { return OpenClipboard(owner) != FALSE; }))
      throwCannotOpenClipboard(GetLastError());
  }
  ~OpenClipboardScope() { CloseClipboard(); }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

// On a palette display the picture's colours are indices into the system
// palette, so the palette goes along; other displays need none.
Palette screenPalette() {
  WindowDC screen(nullptr);
  if (!(GetDeviceCaps(screen.get(), RASTERCAPS) & RC_PALETTE)) return Palette();
  struct {
    LOGPALETTE header;
    PALETTEENTRY more[255];
  } palette{};
  palette.header.palVersion = 0x300;
  palette.header.palNumEntries = static_cast<WORD>(GetSystemPaletteEntries(screen.get(), 0, 256, palette.header.palPalEntry));
  return Palette(CreatePalette(&palette.header));
}

[[noreturn]] void cannotCopy(const char* where = __builtin_FUNCTION()) {
  throw PlatformError("Cannot copy the picture to the clipboard", GetLastError(), where);
}

// The clipboard owns what it accepted; what it refused stays ours to free.
void hand(UINT format, HANDLE data) {
  if (!SetClipboardData(format, data)) cannotCopy();
}

// The picture's pixels as CF_DIB, beside the bitmap. A bitmap belongs to the
// process that made it: Windows makes a DIB from it for a reader of the other
// bitness, but Wine cannot, and its bridge to the X clipboard is such a
// reader. Memory is handed over whole, so every reader gets these pixels.
GlobalMemory dibOf(HBITMAP picture, int dpi) {
  const PackedDib dib(picture, dpi);
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, dib.size()));
  void* into = memory.valid() ? GlobalLock(memory.get()) : nullptr;
  if (!into) cannotCopy();
  struct Unlock {  // also when the pixels cannot be read
    HGLOBAL memory;
    ~Unlock() { GlobalUnlock(memory); }
  } unlock{memory.get()};
  dib.writeTo(static_cast<char*>(into));
  return memory;
}

const char* const kCopiedMessage =
    "The current Keyboard Layout was copied to the Window's Clipboard as a Bitmap !\r\n\r\n"
    "You can now paste this into a word processor or a picture editing program and add headers / footers and "
    "other labels, as you require, and print it, or PDF it, or create a WEB page out of it, etc.";

}  // namespace

void OutputCommands::copyBitmap() {
  // Captured before the clipboard is touched: a capture that fails leaves
  // the clipboard as it was. The clipboard takes the picture itself, so no
  // second picture-sized bitmap is made.
  Bitmap picture = CaptureKeyboardPicture(window_);
  GlobalMemory dib = dibOf(picture.get(), window_.layout().dpi());
  {
    OpenClipboardScope clipboard(window_.handle());
    EmptyClipboard();
    hand(CF_BITMAP, picture.get());
    picture.release();
    hand(CF_DIB, dib.get());
    dib.release();
    Palette palette = screenPalette();
    if (palette.valid()) {
      hand(CF_PALETTE, palette.get());
      palette.release();
    }
  }
  dialogs_.message(MessageKind::Confirmation, kCopiedMessage, Buttons::Ok);
}

}  // namespace tastrix
