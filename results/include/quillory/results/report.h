#pragma once

#include <array>
#include <string>
#include <vector>

#include "quillory/content/record_file.h"

namespace quillory {

inline constexpr int kTrendPoints = 20;

// One topic's row of the report.
struct TopicFigures {
  std::string name;
  double countA = 0, sumA = 0;  // first attempts marked, and their percentages added up
  double countB = 0, sumB = 0;  // the same for second attempts
  std::string firstText;        // "62.5%", or empty without attempts
  std::string secondText;
  double firstFraction = 0;  // bar length as a share of its background, 0 to 1, unrounded
  double secondFraction = 0;
  bool visible = false;
};

// Everything the report page shows of one subject.
struct ReportFigures {
  std::array<TopicFigures, 10> topics;
  std::string firstAverage;  // "66.7%" or "-"
  std::string secondAverage;
  std::string papersCompleted;  // "12 / 30"
  std::string weakestTopic;     // " Fractions" (a space, then the name) or "-"
  std::string strongestTopic;
  std::vector<double> trend;  // the plotted percentages, oldest first, at most 20
};

// Computes the report from a subject's topics, its marks-file lists FSE and SSE (value i for
// paper i) and its trend line. The "Mock Examination" topic counts towards the averages but is
// never the weakest or strongest topic.
ReportFigures BuildReport(const std::array<std::string, 10>& topicNames, int topicCount,
                          int paperCount, const RecordList& firstScores,
                          const RecordList& secondScores, const std::string& trendLine);

}  // namespace quillory
