#pragma once
#include <functional>
#include <string>
#include <vector>

namespace tastrix::bench {

// What an operation must reach: at most maxMs milliseconds, or at most
// maxRatio times its floor (0: no limit of that kind).
struct Target {
  double maxMs = 0;
  double maxRatio = 0;

  static Target milliseconds(double ms) { return Target{ms, 0}; }
  static Target ratio(double r) { return Target{0, r}; }
  bool any() const { return maxMs > 0 || maxRatio > 0; }
  bool met(double ms, double measuredRatio) const {
    return (maxMs <= 0 || ms <= maxMs) && (maxRatio <= 0 || measuredRatio <= maxRatio);
  }
  std::string describe() const;
};

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
  Target target = Target{};
};

std::vector<BenchCase>& registry();

// Registers a case at static-initialisation time: `static Registration r{{...}, target};`
struct Registration {
  explicit Registration(BenchCase c, Target target = Target{}) {
    c.target = target;
    registry().push_back(std::move(c));
  }
};

// Milliseconds elapsed while running f once.
double timeMs(const std::function<void()>& f);

// Counts the targets met and missed over the whole run, and prints the
// verdict column.
struct Verdicts {
  int met = 0, missed = 0;
  const char* record(const Target& target, double ms, double ratio);
};

// Measures the memory of the real program beside a bare window process,
// prints its table and adds its target to the verdicts.
void ReportMemory(Verdicts& verdicts);

}  // namespace tastrix::bench
