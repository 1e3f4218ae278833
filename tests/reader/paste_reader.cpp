// Pastes the clipboard's picture as another program would, from a process of
// its own: paste_reader FILE writes the packed DIB the clipboard hands out as
// CF_DIB into FILE. Built for 32 and 64 bits beside the tests, so that they
// paste into a program of either bitness. Exit code 1: no picture.
#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 2 || !OpenClipboard(nullptr)) return 2;
  int exitCode = 1;
  HANDLE data = GetClipboardData(CF_DIB);
  if (const auto* header = data ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(data)) : nullptr) {
    // The DIB's own size, as its header gives it: the memory block may be larger.
    const DWORD size = header->biSize + header->biClrUsed * sizeof(RGBQUAD) + header->biSizeImage;
    const HANDLE file = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (size <= GlobalSize(data) && WriteFile(file, header, size, &written, nullptr) && written == size) exitCode = 0;
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    GlobalUnlock(data);
  }
  CloseClipboard();
  return exitCode;
}
