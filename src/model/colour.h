#pragma once
#include <cstdint>

namespace tastrix {

// A Windows colour value: 0x00BBGGRR for a plain colour, a negative value
// (high bit set) for a system colour whose index is in the low byte.
using Colour = std::int32_t;

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour systemColour(int index) { return static_cast<Colour>(0x80000000u | static_cast<unsigned>(index)); }
constexpr Colour kBtnFace = systemColour(15);     // -2147483633
constexpr Colour kWindowText = systemColour(8);
constexpr Colour kCaptionText = systemColour(9);
constexpr Colour kWindowColour = systemColour(5);

constexpr bool isSystemColour(Colour c) { return c < 0; }
constexpr int systemColourIndex(Colour c) { return c & 0xFF; }

}  // namespace tastrix
