#pragma once
// Benchmarks here compare a piece of the program against a baseline measured in the same run.
// This reporter keeps the median of each benchmark (or its only run) so main() can print the
// ratios: wall time, which includes the file system, and CPU time, steadier on a loaded machine.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace kc::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  struct Times {
    double real = 0, cpu = 0;
  };
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const std::string name = run.run_name.function_name;
      if (run.error_occurred) continue;
      const Times t{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        median[name] = t;
      else if (run.run_type == Run::RT_Iteration && !median.count(name))
        single[name] = t;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  Times times(const std::string& name) const {
    if (auto it = median.find(name); it != median.end()) return it->second;
    if (auto it = single.find(name); it != single.end()) return it->second;
    return {};
  }
  std::map<std::string, Times> median, single;
};

inline void printRatio(const char* label, RatioReporter::Times a, RatioReporter::Times b,
                       const char* target) {
  if (a.real <= 0 || b.real <= 0) return;
  std::printf("  ratio %-30s = %.3f wall, %.3f CPU%s\n", label, a.real / b.real, a.cpu / b.cpu,
              target);
}

}  // namespace kc::bench
