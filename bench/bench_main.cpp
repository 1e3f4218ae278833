#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "bench.h"

namespace tastrix::bench {

std::vector<BenchCase>& registry() {
  static std::vector<BenchCase> cases;
  return cases;
}

double timeMs(const std::function<void()>& f) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  f();
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

namespace {

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace
}  // namespace tastrix::bench

int main() {
  using namespace tastrix::bench;
  SetProcessDPIAware();
  std::printf("%-40s %12s   %-40s %12s %8s\n", "operation", "median ms", "floor", "median ms", "ratio");
  for (BenchCase& c : registry()) {
    if (c.setUp) c.setUp();
    std::vector<double> measured, floors;
    for (int i = 0; i < c.runs; ++i) {
      measured.push_back(c.measure());
      floors.push_back(c.floor());
    }
    if (c.tearDown) c.tearDown();
    const double m = median(measured), f = median(floors);
    std::printf("%-40s %12.3f   %-40s %12.3f %8.1f\n", c.name.c_str(), m, c.floorName.c_str(), f,
                f > 0 ? m / f : 0.0);
  }
  return 0;
}
