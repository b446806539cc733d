#include "quillory/content/number_text.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

struct Percent {
  int score;
  int total;
  const char* text;
};

class PercentTextTest : public ::testing::TestWithParam<Percent> {};

TEST_P(PercentTextTest, RoundsHalvesToEvenWithoutTrailingZeros) {
  EXPECT_EQ(PercentText(GetParam().score, GetParam().total), GetParam().text)
      << GetParam().score << " of " << GetParam().total;
}

INSTANTIATE_TEST_SUITE_P(Scores, PercentTextTest,
                         ::testing::Values(Percent{5, 16, "31.2"}, Percent{2, 3, "66.7"},
                                           Percent{30, 30, "100"}, Percent{7, 8, "87.5"},
                                           Percent{0, 30, "0"}, Percent{3, 80, "3.8"},
                                           Percent{1, 80, "1.2"}, Percent{1, 3, "33.3"},
                                           Percent{71, 80, "88.8"}, Percent{1, 40, "2.5"},
                                           Percent{99, 100, "99"}, Percent{199, 200, "99.5"}));

TEST(OneDecimalText, RoundsAveragesTheSameWay) {
  EXPECT_EQ(OneDecimalText(62.5), "62.5");
  EXPECT_EQ(OneDecimalText((40.0 + 60 + 90) / 3), "63.3");
  EXPECT_EQ(OneDecimalText(0.05), "0");
  EXPECT_EQ(OneDecimalText(0.15), "0.2");
  EXPECT_EQ(OneDecimalText(99.96), "100");
}

TEST(TimeTakenText, HasNoLeadingZerosAndHoursRunToTwentyThree) {
  EXPECT_EQ(TimeTakenText(7 * 60 + 5), "0:7:5");
  EXPECT_EQ(TimeTakenText(0), "0:0:0");
  EXPECT_EQ(TimeTakenText(3600 + 61), "1:1:1");
  EXPECT_EQ(TimeTakenText(25 * 3600 + 10), "1:0:10");
  EXPECT_EQ(TimeTakenText(-5), "0:0:0");
}

TEST(ShortDateText, IsDayMonthYear) {
  EXPECT_EQ(ShortDateText(30, 12, 2005), "30/12/2005");
  EXPECT_EQ(ShortDateText(9, 1, 2026), "09/01/2026");
}

}  // namespace
}  // namespace quillory
