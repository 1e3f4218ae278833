#include "model/font_description.h"

#include <cstdint>

namespace tastrix {

int mulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = (c < 0 ? -c : c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -c : c);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

int pointsFromHeight(int height, int dpi) { return -mulDiv(height, 72, dpi); }

int heightFromPoints(int points, int dpi) { return -mulDiv(points, dpi, 72); }

}  // namespace tastrix
