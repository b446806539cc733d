#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quillory::bench {

// Prints the usual table, then each measured operation as a ratio of its baseline from the same
// run, which is what we compare across machines and changes.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Pairs of (operation, baseline) benchmark names.
  explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs)
      : pairs_(std::move(pairs)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    auto& out = GetOutputStream();
    out << "\nRatios against the baseline measured in this run:\n";
    for (const auto& [operation, baseline] : pairs_) {
      if (!times_.contains(operation) || !times_.contains(baseline)) continue;
      out << "  " << operation << " / " << baseline << " = " << times_[operation] / times_[baseline]
          << "  (" << times_[operation] - times_[baseline] << " per call over the baseline)\n";
    }
  }

 private:
  std::vector<std::pair<std::string, std::string>> pairs_;
  std::map<std::string, double> times_;
};

}  // namespace quillory::bench
