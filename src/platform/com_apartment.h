#pragma once
#include <objbase.h>

namespace tastrix {

// Keeps the calling thread in a single-threaded COM apartment while it lives;
// a thread that already chose a model keeps it.
class ComApartment {
 public:
  ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (joined_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool joined_;
};

}  // namespace tastrix
