#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/main_form.h"

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
Pixels renderedPicture(TMainForm1& form);

// The first pixel where two pictures differ, as "x,y: a != b"; empty when equal.
std::string firstDifference(const Pixels& a, const Pixels& b);

constexpr uint32_t kWhitePixel = 0xFFFFFF;

// The window state a capture must leave as it found it.
struct ViewState {
  int clientWidth, clientHeight, scroll;
  RECT window;
  bool zoomed;
};
ViewState viewOf(TMainForm1& form);
bool operator==(const ViewState& a, const ViewState& b);
std::ostream& operator<<(std::ostream& out, const ViewState& v);

}  // namespace tastrix::testing
