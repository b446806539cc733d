#include "quillory/marking/answer_check.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

const std::string kRight(kTick);
const std::string kWrong(kCross);

struct Single {
  const char* type;
  const char* key;
  const char* answer;
  bool right;
};

class CheckAnswerTest : public ::testing::TestWithParam<Single> {};

TEST_P(CheckAnswerTest, JudgesByTheRuleOfItsType) {
  const Single& c = GetParam();
  EXPECT_EQ(CheckAnswer(c.answer, c.key, c.type), c.right ? kRight : kWrong)
      << c.type << " key \"" << c.key << "\" answer \"" << c.answer << "\"";
}

INSTANTIATE_TEST_SUITE_P(TextRule, CheckAnswerTest,
                         ::testing::Values(Single{"T", "Derrick", "derrick", true},
                                           Single{"T", "Derrick", " Derrick ", true},
                                           Single{"T", "Derrick", "Derick", false},
                                           Single{"T", "Water droplets", "water droplets", true},
                                           Single{"T", "Water droplets", "Water  droplets", false},
                                           Single{"T", "Water droplets", "\tWater droplets", false},
                                           Single{"T", "caf\xE9", "CAF\xC9", true},
                                           Single{"Q", "3", "3", true}, Single{"Q", "3", "", false},
                                           Single{"Q", "3", "4", false},
                                           Single{"L", "a long answer", "A Long Answer", true}));

INSTANTIATE_TEST_SUITE_P(
    NumericRule, CheckAnswerTest,
    ::testing::Values(Single{"N", "487", "487", true}, Single{"N", "487", " 487 ", true},
                      Single{"N", "487", "487.0", true}, Single{"N", "487", "4.87E2", true},
                      Single{"N", "487", "487 m", false}, Single{"N", "487", "", false},
                      Single{"N", "487", "four hundred and eighty-seven", false},
                      Single{"N", "1500109", "1,500,109", true},
                      Single{"N", "15", "1,5", false},  // a decimal comma is not a separator
                      Single{"N", "0.03", "0.030", true}, Single{"N", "0.03", ".03", true},
                      Single{"N", "0.03", "0.3", false}));

INSTANTIATE_TEST_SUITE_P(
    CompactRule, CheckAnswerTest,
    ::testing::Values(Single{"X", "2 3/4", "2 3/4", true}, Single{"X", "2 3/4", "2 3 / 4", true},
                      Single{"X", "2 3/4", "2  3/4", true}, Single{"X", "2 3/4", " 2 3/4 ", true},
                      Single{"X", "2 3/4", "23/4", false},
                      Single{"X", "2 3/4", "02 3/4", false},  // the copied position holds the 2
                      Single{"F", "29/36", "29 / 36", true}, Single{"F", "5/6", "5/6 ", true},
                      Single{"F", "5/6", "5 / 6", true}, Single{"F", "5/6", "10/12", false},
                      Single{"R", "AB", "ab", false}));  // letter case counts

TEST(CheckAnswer, AnUnknownTypeGivesNoGlyph) {
  EXPECT_EQ(CheckAnswer("anything", "anything", ""), "");
  EXPECT_EQ(CheckAnswer("x", "x", "q"), "");
  EXPECT_EQ(CheckAnswer("x", "x", "TT"), "");
}

struct Multi {
  const char* name;
  std::vector<std::string> keys;
  std::vector<std::string> answers;
  std::string expected;  // one character per blank: + tick, - cross
};

class CheckAlternativesTest : public ::testing::TestWithParam<Multi> {};

TEST_P(CheckAlternativesTest, JudgesEveryBlank) {
  const Multi& c = GetParam();
  std::string judged;
  for (int i = 1; i <= static_cast<int>(c.keys.size()); ++i) {
    judged += CheckAlternatives(c.answers, c.keys, i) == kRight ? '+' : '-';
  }
  EXPECT_EQ(judged, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckAlternativesTest,
    ::testing::Values(Multi{"AnyAlternative",
                            {";CD;DC", ";CD;DC", ";CD;DC", ";CD;DC"},
                            {"dc", " CD", "Cd", "C D"},
                            "+++-"},
                      Multi{"GroupAnyOrder", {";Sand;Wood", " "}, {"Wood", "Sand"}, "++"},
                      Multi{"GroupSameTwice", {";Sand;Wood", " "}, {"Sand", "Sand"}, "+-"},
                      Multi{"GroupEmptyFirst", {";Sand;Wood", " "}, {"", "Sand"}, "-+"},
                      Multi{"GroupCaseAndSpaces", {";Sand;Wood", " "}, {"sand ", "WOOD"}, "++"},
                      Multi{"GroupEmptyLater", {";Sand;Wood", " "}, {"Sand", ""}, "+-"},
                      Multi{"ThreeGroups",
                            {";Sand;Wood", " ", ";Ink;Oil", " ", ";Wind;Hydrogen", " "},
                            {"wood", "sand", "oil", "oil", "hydrogen", "wind"},
                            "+++-++"},
                      Multi{"TwoOfThree", {";a;b;c", " "}, {"c", "a"}, "++"},
                      Multi{"NoHeadWithinReach", {" ", " "}, {"x", " "}, "--"},
                      Multi{"KeyWithoutAlternatives", {"plain"}, {"plain"}, "-"},
                      Multi{"SingleAlternative", {";only"}, {"Only"}, "+"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CheckAlternatives, AGroupHeadIsFoundAtMostTwentyBlanksBack) {
  std::vector<std::string> keys{";a;b"};
  keys.resize(22, " ");
  std::vector<std::string> answers(22, "");
  answers[20] = "a";  // blank 21: its head is exactly 20 back
  answers[21] = "b";  // blank 22: blank 2 is the nearest non-" " within 20... none: no head
  EXPECT_EQ(CheckAlternatives(answers, keys, 21), kRight);
  EXPECT_EQ(CheckAlternatives(answers, keys, 22), kWrong);
  EXPECT_EQ(CheckAlternatives(answers, keys, 0), kWrong);
  EXPECT_EQ(CheckAlternatives(answers, keys, 23), kWrong);
}

struct Expected {
  std::vector<std::string> answers;
  std::vector<std::string> shown;
};

class ExpectedGroupAnswerTest : public ::testing::TestWithParam<Expected> {};

TEST_P(ExpectedGroupAnswerTest, HandsOutTheUnansweredAlternativesInOrder) {
  const std::vector<std::string> keys{";Sand;Wood", " "};
  const Expected& c = GetParam();
  for (int i = 1; i <= 2; ++i) {
    EXPECT_EQ(ExpectedGroupAnswer(c.answers, keys, i), c.shown[static_cast<std::size_t>(i - 1)])
        << "blank " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, ExpectedGroupAnswerTest,
                         ::testing::Values(Expected{{"Iron", "Iron"}, {"Sand", "Wood"}},
                                           // a right head is never shown its share
                                           Expected{{"Sand", "Iron"}, {"Wood", "Wood"}},
                                           Expected{{"Iron", "Sand"}, {"Wood", ""}},
                                           Expected{{"", "Sand"}, {"", ""}},
                                           Expected{{"Sand", "Wood"}, {"", ""}}));

TEST(Dispatch, SendsEachTypeToItsRuleAndShowsTheRightExpectedAnswer) {
  const std::vector<std::string> keys{"2", ";CD;DC", ";Sand;Wood", " ", "2 3/4", "x"};
  const std::vector<std::string> types{"Q", "M", "G", "G", "X", ""};
  const std::vector<std::string> answers{"2", "dc", "Iron", "Iron", "2 3/4", "x"};
  EXPECT_EQ(JudgeBlank(answers, keys, types, 1), kRight);
  EXPECT_EQ(JudgeBlank(answers, keys, types, 2), kRight);
  EXPECT_EQ(JudgeBlank(answers, keys, types, 3), kWrong);
  EXPECT_EQ(JudgeBlank(answers, keys, types, 5), kRight);
  EXPECT_EQ(JudgeBlank(answers, keys, types, 6), "");  // an empty type: no glyph, no marks
  EXPECT_EQ(ExpectedAnswer(answers, keys, types, 2), "CD");
  EXPECT_EQ(ExpectedAnswer(answers, keys, types, 3), "Sand");
  EXPECT_EQ(ExpectedAnswer(answers, keys, types, 4), "Wood");
  EXPECT_EQ(ExpectedAnswer(answers, keys, types, 5), "2 3/4");
  EXPECT_EQ(ExpectedAnswer({""}, {"plain"}, {"M"}, 1), "plain");
}

}  // namespace
}  // namespace quillory
