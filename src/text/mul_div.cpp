#include "text/mul_div.h"

#include <cstdint>

namespace tastrix {

int mulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = ((product < 0 ? -product : product) + divisor / 2) / divisor;
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace tastrix
