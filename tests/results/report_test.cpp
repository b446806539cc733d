#include "quillory/results/report.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

const std::array<std::string, 10> kTopics{"Whole Numbers", "Angles", "Fractions",
                                          "Mock Examination"};

// FSE and SSE lists of a 20-paper subject with the given scores at the given papers (1-based).
RecordList Scores(std::initializer_list<std::pair<int, const char*>> at) {
  RecordList list(20);
  for (const auto& [paper, score] : at) list[static_cast<std::size_t>(paper - 1)] = score;
  return list;
}

ReportFigures Report(const RecordList& first, const RecordList& second = RecordList(20),
                     const std::string& trend = "#TRD#") {
  return BuildReport(kTopics, 4, 20, first, second, trend);
}

TEST(BuildReport, WithoutAttemptsShowsDashesAndEmptyRows) {
  const ReportFigures report = Report(RecordList(20));
  EXPECT_EQ(report.firstAverage, "-");
  EXPECT_EQ(report.secondAverage, "-");
  EXPECT_EQ(report.papersCompleted, "0 / 20");
  EXPECT_EQ(report.weakestTopic, "-");
  EXPECT_EQ(report.strongestTopic, "-");
  EXPECT_TRUE(report.trend.empty());
  for (int t = 0; t < 4; ++t) {
    EXPECT_TRUE(report.topics[t].visible);
    EXPECT_EQ(report.topics[t].firstText, "");
    EXPECT_EQ(report.topics[t].firstFraction, 0);
  }
  EXPECT_FALSE(report.topics[4].visible);
}

TEST(BuildReport, OneTopicGivesAveragesButNoRanking) {
  const ReportFigures report = Report(Scores({{1, "50"}, {2, "75"}}));
  EXPECT_EQ(report.firstAverage, "62.5%");
  EXPECT_EQ(report.topics[0].firstText, "62.5%");
  EXPECT_DOUBLE_EQ(report.topics[0].firstFraction, 0.625);
  EXPECT_EQ(report.papersCompleted, "2 / 20");
  EXPECT_EQ(report.weakestTopic, "-");
  EXPECT_EQ(report.strongestTopic, "-");
}

TEST(BuildReport, TiesGoToTheLaterTopic) {
  const ReportFigures report = Report(Scores({{1, "60"}, {6, "60"}}));
  EXPECT_EQ(report.weakestTopic, " Angles");
  EXPECT_EQ(report.strongestTopic, " Angles");
}

TEST(BuildReport, UnattemptedTopicsAreNotRanked) {
  const ReportFigures report = Report(Scores({{6, "40"}, {11, "80"}}));
  EXPECT_EQ(report.weakestTopic, " Angles");
  EXPECT_EQ(report.strongestTopic, " Fractions");
}

TEST(BuildReport, TheMockExaminationCountsButIsNeverRanked) {
  const ReportFigures report = Report(Scores({{6, "40"}, {16, "95"}}));
  EXPECT_EQ(report.weakestTopic, " Angles");
  EXPECT_EQ(report.strongestTopic, " Angles");
  EXPECT_EQ(report.firstAverage, "67.5%");
}

TEST(BuildReport, SecondAttemptsJoinTheCombinedAverage) {
  const ReportFigures report =
      Report(Scores({{1, "40"}, {2, "60"}, {6, "64"}}), Scores({{1, "90"}}));
  EXPECT_EQ(report.topics[0].firstText, "50%");
  EXPECT_EQ(report.topics[0].secondText, "90%");
  EXPECT_EQ(report.secondAverage, "90%");
  // Whole Numbers combines to (40 + 60 + 90) / 3 = 63.3, just below Angles at 64.
  EXPECT_EQ(report.weakestTopic, " Whole Numbers");
  EXPECT_EQ(report.strongestTopic, " Angles");
}

TEST(BuildReport, AZeroScoreCounts) {
  const ReportFigures report = Report(Scores({{1, "0"}}));
  EXPECT_EQ(report.firstAverage, "0%");
  EXPECT_EQ(report.papersCompleted, "1 / 20");
}

TEST(BuildReport, TheTrendShowsTheNewestTwenty) {
  std::string line = "#TRD#";
  for (int v = 1; v <= 25; ++v) line += ">" + std::to_string(v);
  const ReportFigures report = Report(RecordList(20), RecordList(20), line);
  ASSERT_EQ(report.trend.size(), 20u);
  EXPECT_EQ(report.trend.front(), 6);
  EXPECT_EQ(report.trend.back(), 25);
}

TEST(BuildReport, TheTrendKeepsItsLastValuesBeyondFiftyAndIgnoresATrailingMarker) {
  std::string line = "#TRD#";
  for (int v = 1; v <= 60; ++v) line += ">" + std::to_string(v);
  EXPECT_EQ(Report(RecordList(20), RecordList(20), line).trend.back(), 60);
  EXPECT_EQ(Report(RecordList(20), RecordList(20), "#TRD#>66.7>").trend, std::vector<double>{66.7});
  EXPECT_EQ(Report(RecordList(20), RecordList(20), "#TRD#>100>0").trend,
            (std::vector<double>{100, 0}));
}

}  // namespace
}  // namespace quillory
