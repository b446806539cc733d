#include "quillory/marking/paper_marking.h"

#include <gtest/gtest.h>

#include "quillory/marking/answer_check.h"

namespace quillory {
namespace {

const std::string kT(kTick);
const std::string kX(kCross);

// Paper 103 of four blanks worth 16 marks; the second attempt got blanks 1 and 4 right first.
PaperAttempt Attempt(bool second) {
  PaperAttempt a;
  a.keys = {"2", "1500109", ";PQ;QP", "2 3/4"};
  a.types = {"Q", "N", "M", "X"};
  a.marks = {"5", "5", "3", "3"};
  if (second) a.firstResults = {kT, kX, kX, kT};
  return a;
}

struct Scored {
  RecordList answers;
  RecordList glyphs;
  int score;
  const char* percent;
};

class ScoreAnswersTest : public ::testing::TestWithParam<Scored> {};

TEST_P(ScoreAnswersTest, JudgesEveryBlankAndScoresTheMarksOfTheRightOnes) {
  const MarkedAttempt marked = ScoreAnswers(Attempt(false), GetParam().answers);
  EXPECT_EQ(marked.glyphs, GetParam().glyphs);
  EXPECT_EQ(marked.score, GetParam().score);
  EXPECT_EQ(marked.scoreText, std::to_string(GetParam().score));
  EXPECT_EQ(marked.percentText, GetParam().percent);
  EXPECT_EQ(marked.timeTaken, "");
}

INSTANTIATE_TEST_SUITE_P(
    Papers, ScoreAnswersTest,
    ::testing::Values(Scored{{"2", "1,500,109", "qp", "23/4"}, {kT, kT, kT, kX}, 13, "81.2"},
                      Scored{{"2", "1500109", "PQ", "2 3/4"}, {kT, kT, kT, kT}, 16, "100"},
                      Scored{{"", "", "", ""}, {kX, kX, kX, kX}, 0, "0"}));

TEST(ScoreAnswers, ABlankWithoutAKnownTypeEarnsNothing) {
  PaperAttempt attempt = Attempt(false);
  attempt.types = {"Q", "N", "", "X"};
  const MarkedAttempt marked = ScoreAnswers(attempt, {"2", "1500109", "PQ", "2 3/4"});
  EXPECT_EQ(marked.glyphs[2], "");
  EXPECT_EQ(marked.score, 13);
}

TEST(HasUnansweredBlanks, IgnoresCarriedOverBlanks) {
  EXPECT_TRUE(HasUnansweredBlanks(Attempt(false), {"2", "", "PQ", "2 3/4"}));
  EXPECT_FALSE(HasUnansweredBlanks(Attempt(false), {"2", "1", "PQ", "2 3/4"}));
  EXPECT_FALSE(HasUnansweredBlanks(Attempt(true), {"", "1", "PQ", ""}));
  EXPECT_TRUE(HasUnansweredBlanks(Attempt(true), {"2", "", "PQ", "2 3/4"}));
}

}  // namespace
}  // namespace quillory
