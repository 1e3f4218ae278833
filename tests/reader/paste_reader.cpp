// Pastes the clipboard's picture as another program would, from a process of
// its own: paste_reader FILE writes the packed DIB the clipboard hands out as
// CF_DIB into FILE. Built for 32 and 64 bits beside the tests, so that they
// paste into a program of either bitness. Exit code 1: no picture.
#include <windows.h>

namespace {

// The DIB's own size: the memory block holding it may be larger.
SIZE_T dibSize(const BITMAPINFOHEADER& header, SIZE_T blockSize) {
  if (blockSize < sizeof header || header.biSize < sizeof header) return 0;
  const DWORD colours = header.biClrUsed ? header.biClrUsed : header.biBitCount <= 8 ? 1u << header.biBitCount : 0;
  const DWORD stride = ((static_cast<DWORD>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
  const DWORD rows = static_cast<DWORD>(header.biHeight < 0 ? -header.biHeight : header.biHeight);
  const SIZE_T size = header.biSize + colours * sizeof(RGBQUAD) + static_cast<SIZE_T>(stride) * rows;
  return size <= blockSize ? size : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || !OpenClipboard(nullptr)) return 2;
  int exitCode = 1;
  if (HANDLE data = GetClipboardData(CF_DIB)) {
    if (const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data))) {
      const SIZE_T size = dibSize(*header, GlobalSize(data));
      const HANDLE file = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      DWORD written = 0;
      if (size > 0 && file != INVALID_HANDLE_VALUE &&
          WriteFile(file, header, static_cast<DWORD>(size), &written, nullptr) && written == size)
        exitCode = 0;
      if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return exitCode;
}
