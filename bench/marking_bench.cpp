#include <benchmark/benchmark.h>

#include "quillory/marking/paper_marking.h"
#include "quillory/results/report.h"
#include "ratio_reporter.h"

namespace {

using namespace quillory;

// An 80-blank paper that uses every answer type, answered half right.
struct Paper {
  PaperAttempt attempt;
  RecordList answers;
  Paper() {
    const std::vector<std::array<std::string, 4>> blanks{
        {"Q", "3", "3", "2"},
        {"T", "Water droplets", "water droplets", "water"},
        {"N", "1500109", "1,500,109", "1,5"},
        {"F", "29/36", "29 / 36", "29/37"},
        {"X", "2 3/4", "2  3/4", "23/4"},
        {"M", ";PQ;QP", "qp", "PR"},
        {"G", ";Sand;Wood", "Wood", "Iron"},
        {"G", " ", "Sand", "Wood"}};
    for (int i = 0; i < 80; ++i) {
      const auto& blank = blanks[static_cast<std::size_t>(i) % blanks.size()];
      attempt.types.push_back(blank[0]);
      attempt.keys.push_back(blank[1]);
      attempt.marks.push_back("1");
      answers.push_back(blank[i % 16 < 8 ? 2 : 3]);
    }
  }
};

void BM_ScoreEightyBlankPaper(benchmark::State& state) {
  const Paper paper;
  for (auto _ : state) benchmark::DoNotOptimize(ScoreAnswers(paper.attempt, paper.answers));
}

// Copies the same strings the marking reads: the price of touching the paper at all.
void BM_CopyPaperBaseline(benchmark::State& state) {
  const Paper paper;
  for (auto _ : state) {
    PaperAttempt copy = paper.attempt;
    RecordList answers = paper.answers;
    benchmark::DoNotOptimize(copy);
    benchmark::DoNotOptimize(answers);
  }
}

struct Subject {
  std::array<std::string, 10> topics{"A", "B", "C", "D", "E",
                                     "F", "G", "H", "I", "Mock Examination"};
  RecordList first, second;
  std::string trend = "#TRD#";
  Subject() {
    for (int i = 0; i < 50; ++i) {
      first.push_back(std::to_string(40 + i));
      second.push_back(i % 3 == 0 ? std::to_string(60 + i / 2) : "");
      trend += ">" + std::to_string(30 + i) + ".5";
    }
  }
};

void BM_BuildFiftyPaperReport(benchmark::State& state) {
  const Subject subject;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        BuildReport(subject.topics, 10, 50, subject.first, subject.second, subject.trend));
  }
}

void BM_CopySubjectBaseline(benchmark::State& state) {
  const Subject subject;
  for (auto _ : state) {
    Subject copy = subject;
    benchmark::DoNotOptimize(copy);
  }
}

}  // namespace

BENCHMARK(BM_ScoreEightyBlankPaper);
BENCHMARK(BM_CopyPaperBaseline);
BENCHMARK(BM_BuildFiftyPaperReport);
BENCHMARK(BM_CopySubjectBaseline);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  quillory::bench::RatioReporter reporter({{"BM_ScoreEightyBlankPaper", "BM_CopyPaperBaseline"},
                                           {"BM_BuildFiftyPaperReport", "BM_CopySubjectBaseline"}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
