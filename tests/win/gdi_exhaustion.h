#pragma once
#include <windows.h>

#include <vector>

namespace tastrix::testing {

// Takes every GDI handle this process may still have, so that the next GDI
// object or device context cannot be made, until it is destroyed.
class GdiExhaustion {
 public:
  GdiExhaustion() {
    while (HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3))) {
      held_.push_back(brush);
      if (held_.size() > 1000000) break;
    }
  }
  ~GdiExhaustion() {
    for (HBRUSH brush : held_) DeleteObject(brush);
  }
  GdiExhaustion(const GdiExhaustion&) = delete;
  GdiExhaustion& operator=(const GdiExhaustion&) = delete;

 private:
  std::vector<HBRUSH> held_;
};

}  // namespace tastrix::testing
