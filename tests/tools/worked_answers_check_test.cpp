#include "worked_answers_check.h"

#include <gtest/gtest.h>

#include "choice_lengths.h"

namespace quillory::pack {
namespace {

using Keys = std::map<std::string, std::vector<std::string>>;

std::vector<std::string> ExplanationProblems(const std::string& table, const Keys& keys) {
  std::vector<std::string> problems;
  CheckExplanations(
      table, keys, [](const std::string& id) { return "question " + id; }, problems);
  return problems;
}

const Keys kKeys{{"12001", {"2"}}, {"12002", {"4", "melting"}}};

TEST(WorkedAnswersCheck, AcceptsOneTextPerBlankInIdOrder) {
  EXPECT_EQ(ExplanationProblems(
                "...\r\n#12001#>Because.\r\n#12002#>Four \xD7 one.>It melts.\r\n...", kKeys),
            std::vector<std::string>{});
}

struct TableFault {
  const char* name;
  std::string table;
  std::string expected;  // part of the problem reported
};

class WorkedAnswersFault : public ::testing::TestWithParam<TableFault> {};

TEST_P(WorkedAnswersFault, IsFoundAndNamed) {
  const auto problems = ExplanationProblems(GetParam().table, kKeys);
  ASSERT_FALSE(problems.empty());
  bool named = false;
  for (const auto& problem : problems)
    named = named || problem.find(GetParam().expected) != std::string::npos;
  EXPECT_TRUE(named) << problems.front();
}

const std::string kLong(kExplanationLimit + 1, 'a');

INSTANTIATE_TEST_SUITE_P(
    Tables, WorkedAnswersFault,
    ::testing::Values(
        TableFault{"EmptyText", "...\r\n#12001#>\r\n#12002#>a>b\r\n...",
                   "question 12001, blank 1: has no explanation"},
        TableFault{"SpacesOnly", "...\r\n#12001#>a\r\n#12002#>   >b\r\n...",
                   "question 12002, blank 1: has no explanation"},
        TableFault{"MissingQuestion", "...\r\n#12001#>a\r\n...", "question 12002: no explanation"},
        TableFault{"OneTooFew", "...\r\n#12001#>a\r\n#12002#>a\r\n...",
                   "1 explanations for 2 blanks"},
        TableFault{"UnknownQuestion", "...\r\n#12001#>a\r\n#12002#>a>b\r\n#12003#>c\r\n...",
                   "12003 has explanations but no answer key"},
        TableFault{"Unsorted", "...\r\n#12002#>a>b\r\n#12001#>a\r\n...", "sorted by question id"},
        TableFault{"OverLong", "...\r\n#12001#>" + kLong + "\r\n#12002#>a>b\r\n...",
                   "301 characters"},
        TableFault{"UndefinedByte", "...\r\n#12001#>a\x81z\r\n#12002#>a>b\r\n...", "cannot show"},
        TableFault{"ControlCharacter", "...\r\n#12001#>a\tz\r\n#12002#>a>b\r\n...", "cannot show"}),
    [](const ::testing::TestParamInfo<TableFault>& fault) {
      return std::string(fault.param.name);
    });

TEST(ChoiceLengths, ReadsEachSetOfChoicesAsShown) {
  const std::string page =
      "<p>1.</p><table class=options><tr><td class=opt><span class=optnum>(1)</span> was</td>"
      "<td class=opt><span class=optnum>(2)</span> <b>were</b></td></tr></table>\n"
      "<table class=options><tr><td class=opt><span class=optnum>(1)</span> caf&#233;</td></tr>"
      "<tr><td class=opt><span class=optnum>(2)</span> tea</td></tr></table>\n";
  const auto sets = ChoicesShown(page);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0], (std::vector<std::string>{" was", " <b>were</b>"}));
  EXPECT_EQ(sets[1], (std::vector<std::string>{" caf&#233;", " tea"}));
}

struct Longest {
  std::vector<std::string> choices;
  std::size_t right;
  bool longest;
};

class RightChoiceLongest : public ::testing::TestWithParam<Longest> {};

TEST_P(RightChoiceLongest, CountsCharactersAsThePupilSeesThem) {
  EXPECT_EQ(RightChoiceIsLongest(GetParam().choices, GetParam().right), GetParam().longest);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, RightChoiceLongest,
    ::testing::Values(Longest{{"a", "bb", "ccc"}, 2, true},
                      Longest{{"aaa", "bb", "ccc"}, 2, false},  // a tie gives nothing away
                      Longest{{"aaa", "bb", "cc"}, 1, false},
                      Longest{{"<b>a</b>", "bb"}, 0, false},     // tags take no room
                      Longest{{"caf&#233;", "cafe"}, 0, false},  // a reference is one character
                      Longest{{" two  words ", "tenletters"}, 0, false},
                      Longest{{"a", "b"}, 5, false}));

}  // namespace
}  // namespace quillory::pack
