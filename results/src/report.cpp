#include "quillory/results/report.h"

#include <algorithm>
#include <charconv>

#include "quillory/content/number_text.h"

namespace quillory {
namespace {

constexpr int kPapersPerTopic = 5;
constexpr std::string_view kMockTopic = "Mock Examination";

// A stored percentage as a number; anything unreadable counts as 0, as a leading-number reading
// of the text would.
double NumberOf(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return 0;
  double value = 0;
  std::from_chars(text.data() + first, text.data() + text.size(), value);
  return value;
}

std::string Average(double sum, double count) {
  return count < 1 ? "-" : OneDecimalText(sum / count) + "%";
}

std::vector<double> TrendValues(const std::string& line) {
  // The last character is left out of the count, so a line ending in ">" has no empty last value.
  const int count =
      line.empty() ? 0 : static_cast<int>(std::count(line.begin(), line.end() - 1, '>'));
  std::vector<std::string> values;
  std::size_t at = 6;  // just after the ">" that ends "#TRD#>"
  for (int i = 1; i <= count && at <= line.size(); ++i) {
    const std::size_t next = i == count ? std::string::npos : line.find('>', at);
    values.push_back(line.substr(at, next == std::string::npos ? std::string::npos : next - at));
    at = next == std::string::npos ? line.size() + 1 : next + 1;
  }
  // Only the newest values are drawn, however many the file holds.
  const std::size_t first = values.size() > static_cast<std::size_t>(kTrendPoints)
                                ? values.size() - static_cast<std::size_t>(kTrendPoints)
                                : 0;
  std::vector<double> trend;
  for (std::size_t i = first; i < values.size(); ++i) trend.push_back(NumberOf(values[i]));
  return trend;
}

}  // namespace

ReportFigures BuildReport(const std::array<std::string, 10>& topicNames, int topicCount,
                          int paperCount, const RecordList& firstScores,
                          const RecordList& secondScores, const std::string& trendLine) {
  ReportFigures report;
  topicCount = std::clamp(topicCount, 0, 10);
  double countA = 0, sumA = 0, countB = 0, sumB = 0;
  for (int t = 1; t <= 10; ++t) {
    TopicFigures& row = report.topics[static_cast<std::size_t>(t - 1)];
    row.name = topicNames[static_cast<std::size_t>(t - 1)];
    row.visible = t <= topicCount;
    if (t > topicCount) continue;
    for (int p = 1; p <= kPapersPerTopic; ++p) {
      const std::size_t i = static_cast<std::size_t>(kPapersPerTopic * (t - 1) + p - 1);
      if (i < firstScores.size() && !firstScores[i].empty()) {
        row.countA += 1;
        row.sumA += NumberOf(firstScores[i]);
      }
      if (i < secondScores.size() && !secondScores[i].empty()) {
        row.countB += 1;
        row.sumB += NumberOf(secondScores[i]);
      }
    }
    if (row.countA > 0) {
      row.firstText = OneDecimalText(row.sumA / row.countA) + "%";
      row.firstFraction = row.sumA / row.countA / 100.0;
    }
    if (row.countB > 0) {
      row.secondText = OneDecimalText(row.sumB / row.countB) + "%";
      row.secondFraction = row.sumB / row.countB / 100.0;
    }
    countA += row.countA;
    sumA += row.sumA;
    countB += row.countB;
    sumB += row.sumB;
  }
  report.firstAverage = Average(sumA, countA);
  report.secondAverage = Average(sumB, countB);
  report.papersCompleted =
      std::to_string(static_cast<long long>(countA)) + " / " + std::to_string(paperCount);

  int attempted = 0;
  const TopicFigures* weakest = nullptr;
  const TopicFigures* strongest = nullptr;
  double lowest = 0, highest = 0;
  for (int t = 1; t <= topicCount; ++t) {
    const TopicFigures& row = report.topics[static_cast<std::size_t>(t - 1)];
    if (row.countA <= 0) continue;
    ++attempted;
    if (row.name == kMockTopic) continue;
    const double combined =
        row.countB > 0 ? (row.sumA + row.sumB) / (row.countA + row.countB) : row.sumA / row.countA;
    // Ties go to the later topic.
    if (weakest == nullptr || combined <= lowest) {
      weakest = &row;
      lowest = combined;
    }
    if (strongest == nullptr || combined >= highest) {
      strongest = &row;
      highest = combined;
    }
  }
  const bool ranked = attempted >= 2 && weakest != nullptr;
  report.weakestTopic = ranked ? " " + weakest->name : "-";
  report.strongestTopic = ranked ? " " + strongest->name : "-";
  report.trend = TrendValues(trendLine);
  return report;
}

}  // namespace quillory
