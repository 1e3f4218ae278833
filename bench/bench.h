#pragma once
#include <functional>
#include <string>
#include <vector>

namespace tastrix::bench {

// One measured operation beside the floor it is compared with: both are run
// the same number of times in the same process and their medians reported.
struct BenchCase {
  std::string name;
  std::string floorName;
  std::function<void()> setUp;      // once, before both (may be empty)
  std::function<double()> measure;  // one run; returns milliseconds
  std::function<double()> floor;    // one run of the floor; milliseconds
  std::function<void()> tearDown;   // once, after both (may be empty)
  int runs = 21;
};

std::vector<BenchCase>& registry();

// Registers a case at static-initialisation time: `static Registration r{{...}};`
struct Registration {
  explicit Registration(BenchCase c) { registry().push_back(std::move(c)); }
};

// Milliseconds elapsed while running f once.
double timeMs(const std::function<void()>& f);

}  // namespace tastrix::bench
