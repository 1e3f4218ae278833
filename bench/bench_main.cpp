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

std::string Target::describe() const {
  char text[32] = "-";
  if (maxMs > 0)
    std::snprintf(text, sizeof text, "<= %g ms", maxMs);
  else if (maxRatio > 0)
    std::snprintf(text, sizeof text, "<= %g x floor", maxRatio);
  return text;
}

const char* Verdicts::record(const Target& target, double ms, double ratio) {
  if (!target.any()) return "";
  if (target.met(ms, ratio)) {
    ++met;
    return "met";
  }
  ++missed;
  return "MISSED";
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
  Verdicts verdicts;
  std::printf("%-40s %10s   %-36s %10s %7s   %-16s %s\n", "operation", "median ms", "floor", "median ms", "ratio",
              "target", "");
  for (BenchCase& c : registry()) {
    if (c.setUp) c.setUp();
    std::vector<double> measured, floors;
    for (int i = 0; i < c.runs; ++i) {
      measured.push_back(c.measure());
      floors.push_back(c.floor());
    }
    if (c.tearDown) c.tearDown();
    const double m = median(measured), f = median(floors), ratio = f > 0 ? m / f : 0.0;
    std::printf("%-40s %10.3f   %-36s %10.3f %7.1f   %-16s %s\n", c.name.c_str(), m, c.floorName.c_str(), f, ratio,
                c.target.describe().c_str(), verdicts.record(c.target, m, ratio));
    std::fflush(stdout);
  }
  std::printf("\n");
  ReportMemory(verdicts);
  std::printf("\ntargets: %d met, %d missed\n", verdicts.met, verdicts.missed);
  return 0;
}
