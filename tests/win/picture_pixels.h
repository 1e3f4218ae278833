#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"

namespace tastrix::testing {

// A picture's pixels as 0x00RRGGBB values, top row first.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> values;
  uint32_t at(int x, int y) const { return values[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
};

Pixels pixelsOf(HBITMAP bitmap);

// The window's own rendering of the picture area at scroll 0, through
// WM_PRINTCLIENT while the window is wide enough to show it whole.
Pixels renderedPicture(MainWindow& form);

// The client-area points where the window, repainted, shows something other
// than its rendering of the picture at the same view: what it draws over it.
std::vector<POINT> drawnOverThePicture(MainWindow& form);

// A BMP file read back by hand: the headers and, for 32 bits per pixel, the
// pixels, top row first.
struct BmpFile {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  Pixels pixels;
};
BmpFile parseBmp(const std::string& bytes);

// The first pixel where two pictures differ, as "x,y: a != b"; empty when equal.
std::string firstDifference(const Pixels& a, const Pixels& b);

constexpr uint32_t kWhitePixel = 0xFFFFFF;

// Every pixel of the pattern has its own colour, and none is white, so a slice
// copied to the wrong place or a pixel copied from the wrong one shows.
uint32_t patternAt(int x, int y);

// Makes the window paint the pattern instead of the keyboard, scrolled like
// the keyboard: what the capture copies can then be checked pixel by pixel.
class PatternWindow {
 public:
  static constexpr int kWidth = 4096, kHeight = 1200;
  explicit PatternWindow(MainWindow& form);
  ~PatternWindow();
  PatternWindow(const PatternWindow&) = delete;
  PatternWindow& operator=(const PatternWindow&) = delete;

 private:
  static LRESULT CALLBACK paint(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
  void drawOn(HDC dc);

  MainWindow& form_;
  MemoryDC canvas_;
  Bitmap surface_;
  std::unique_ptr<Selection> selection_;
};

// The whole pattern from the unscrolled client origin, white right of the
// scroll range, which no view of the window reaches.
uint32_t expectedPatternPicture(int scrollRange, int x, int y);

// The window state a capture must leave as it found it.
struct ViewState {
  int clientWidth, clientHeight, scroll;
  RECT window;
  bool zoomed;
};
ViewState viewOf(MainWindow& form);
bool operator==(const ViewState& a, const ViewState& b);
std::ostream& operator<<(std::ostream& out, const ViewState& v);

}  // namespace tastrix::testing
