#include <gtest/gtest.h>

#include "content_folder.h"
#include "package_builder.h"
#include "package_check.h"
#include "quillory/content/graphics_catalogue.h"

namespace quillory::pack {
namespace {

const char* kGoodPaper =
    "@paper 101\n"
    "@page 12001\n"
    "@blank Q 1 2\n"
    "@explain \"The children\" are more than one, so (2) are.\n"
    "<p class=\"q\"><b>1.</b> Choose.</p>\n"
    "@options is | are | was | were\n"
    "@page 12002\n"
    "@blank N 1 1500109\n"
    "@explain One million, five hundred thousand, one hundred and nine.\n"
    "@blank M 1 ;PQ;QP\n"
    "@explain PQ or QP: the same line read either way.\n"
    "@blank F 1 29/36\n"
    "@explain 1 - 7/36 = 29/36.\n"
    "@blank X 1 2 3/4\n"
    "@explain 11/4 = 2 3/4.\n"
    "<p>(a) (b) (c) (d)</p>\n"
    "@page 12003\n"
    "@blank G 1 ;Sand;Wood\n"
    "@explain Sand or wood, in either box.\n"
    "@blank G 1 {space}\n"
    "@explain Sand or wood, in either box.\n"
    "@blank T 2 melting\n"
    "@explain Ice turns to water by melting.\n"
    "<p>Name two solids.</p>\n";

class PackCheckTest : public ContentFolderTest {
 protected:
  std::vector<std::string> Problems() {
    std::vector<std::string> problems;
    const Members members = BuildMembers(folder_.path(), problems);
    bytes_ = ContentPackage::Build(members);
    auto package = ContentPackage::FromBytes(bytes_);
    if (!package) return {package.error().message};
    for (auto& problem : CheckPackage(*package)) problems.push_back(problem);
    return problems;
  }

  std::string bytes_;
};

TEST_F(PackCheckTest, SoundContentPassesAndGivesTemplatesThatFitIt) {
  WritePaper("101", kGoodPaper);
  EXPECT_EQ(Problems(), std::vector<std::string>{});
  std::vector<std::string> ignored;
  const Members members = BuildMembers(folder_.path(), ignored);
  EXPECT_EQ(members.at(30012), "...\r\n#101#>12001>12002>12003\r\n...");
  EXPECT_EQ(members.at(30013),
            "...\r\n#12001#>2\r\n#12002#>1500109>;PQ;QP>29/36>2 3/4\r\n#12003#>;Sand;Wood> "
            ">melting\r\n...");
  EXPECT_EQ(members.at(30112), "...\r\n#101#>>>>>>>>\r\n#102#\r\n#103#\r\n#104#\r\n#105#\r\n...");
  EXPECT_EQ(members.at(30111).substr(0, 20), "...\r\n#FSE#>>>>>\r\n#SS");
  EXPECT_EQ(members.at(30116), "#TRD#\r\n");
}

TEST_F(PackCheckTest, TellsHowOftenTheRightChoiceIsTheLongestInEachSubject) {
  WritePaper("101", std::string(kGoodPaper) +
                        "@page 12004\n@blank Q 1 1\n@explain Only (1) is a whole sentence.\n"
                        "<p>Pick.</p>\n@options The cat sat down. | sat | cat | down\n");
  std::vector<std::string> problems;
  const std::string bytes = ContentPackage::Build(BuildMembers(folder_.path(), problems));
  auto package = ContentPackage::FromBytes(bytes);
  ASSERT_TRUE(package.ok());
  std::vector<std::string> figures;
  const auto found = CheckPackage(*package, &figures);
  ASSERT_EQ(figures.size(), 1u);
  EXPECT_NE(figures[0].find("the right choice is the longest in 1 of 2 multiple-choice blanks "
                            "(50.0 %)"),
            std::string::npos)
      << figures[0];
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].find("A pupil could guess by length; at most 30 % may be."), std::string::npos)
      << found[0];
}

struct Fault {
  const char* name;
  std::string from;  // text of the good paper to replace
  std::string to;
  std::string expected;  // part of the problem reported
};

class PackCheckFault : public PackCheckTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(PackCheckFault, IsFoundAndNamed) {
  std::string paper = kGoodPaper;
  const std::size_t at = paper.find(GetParam().from);
  ASSERT_NE(at, std::string::npos);
  paper.replace(at, GetParam().from.size(), GetParam().to);
  WritePaper("101", paper);
  const auto problems = Problems();
  ASSERT_FALSE(problems.empty());
  bool named = false;
  for (const auto& problem : problems)
    named = named || problem.find(GetParam().expected) != std::string::npos;
  EXPECT_TRUE(named) << "expected \"" << GetParam().expected << "\" in: " << problems.front();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PackCheckFault,
    ::testing::Values(
        Fault{"NotANumber", "N 1 1500109", "N 1 1,5",
              "question 12002, blank 1: the key \"1,5\" is not a number"},
        Fault{"OneAlternative", ";PQ;QP", ";PQ", "blank 2: the key \";PQ\" does not list two"},
        Fault{"FractionNotLowest", "29/36", "6/8", "not a fraction in lowest terms"},
        Fault{"MixedNotProper", "2 3/4", "2 5/4", "not a mixed number"},
        Fault{"ChoiceNotShown", "@blank Q 1 2", "@blank Q 1 5", "not one of the 4 choices"},
        Fault{"UnknownType", "T 2 melting", "Z 2 melting", "unknown answer type \"Z\""},
        Fault{"FractionalMarks", "T 2 melting", "T 1.5 melting", "marks \"1.5\""},
        Fault{"HeadlessGroup", "@blank G 1 ;Sand;Wood\n", "@blank T 1 Sand\n",
              "stands behind no head"},
        Fault{"GroupTooBig", "@blank G 1 {space}\n", "@blank G 1 {space}\n@blank G 1 {space}\n",
              "the group of 3 blanks lists 2 answers"},
        Fault{"TwoSpellingsInAGroup", ";Sand;Wood", ";Sea water;Wood;seawater",
              "lists \"seawater\" twice"},
        Fault{"SixDigitId", "@page 12003", "@page 120030", "an id must be five digits"},
        Fault{"TableId", "@page 12003", "@page 30013", "not a table's id"},
        Fault{"TooBigId", "@page 12003", "@page 40000", "up to 32767"},
        Fault{"OutOfOrder", "@page 12003", "@page 12000", "in the tables' order"},
        Fault{"NoExplanation", "@explain 11/4 = 2 3/4.\n", "",
              "question 12002, blank 4: has no explanation"},
        Fault{"ExplanationTooLong", "@explain 11/4 = 2 3/4.\n",
              "@explain " + std::string(301, 'x') + "\n", "301 characters; at most 300 fit"},
        Fault{"ExplanationAwayFromItsBlank", "@explain Ice turns to water by melting.\n",
              "<p>Ice.</p>\n@explain Ice melts.\n",
              "@explain must stand on the line after its own @blank"},
        Fault{"ExplanationOutsideTheCodePage", "water by melting", "water \u2192 melting",
              "cannot be stored"},
        Fault{"ExplanationWithTheSeparator", "water by melting", "water > melting",
              "may not hold \">\""},
        Fault{"RightChoiceLongest", "@options is | are | was | were",
              "@options is | they are | was | were", "could guess by length"},
        Fault{"TooManyOnAPage", "@blank T 2 melting\n",
              "@blank T 2 melting\n" +
                  [] {
                    std::string s;
                    for (int i = 0; i < 18; ++i) s += "@blank T 1 x\n";
                    return s;
                  }(),
              "1 to 20 blanks"}),
    [](const auto& fault) { return fault.param.name; });

TEST_F(PackCheckTest, APaperWithoutMarksIsNamed) {
  WritePaper("101", "@paper 101\n@page 12001\n@blank T 0 word\n");
  const auto problems = Problems();
  ASSERT_FALSE(problems.empty());
  EXPECT_NE(problems.front().find("carries no marks"), std::string::npos) << problems.front();
}

TEST_F(PackCheckTest, AQuestionAskedAgainInTheSubjectIsNamed) {
  WritePaper("101", kGoodPaper);
  // Another number, other spacing and letter case: still the same question to a pupil.
  WritePaper("102",
             "@paper 102\n@page 12004\n@blank Q 1 3\n@explain Past.\n"
             "<p class=\"q\"><b>7.</b>  choose.</p>\n@options is | are | was | were\n");
  const auto problems = Problems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems.front().find("question 12004: repeats question 12001"), std::string::npos)
      << problems.front();
}

TEST_F(PackCheckTest, AQuestionWithOtherChoicesIsNotARepeat) {
  WritePaper("101", kGoodPaper);
  WritePaper("102",
             "@paper 102\n@page 12004\n@blank Q 1 3\n@explain Past.\n"
             "<p class=\"q\"><b>1.</b> Choose.</p>\n@options am | are | was | were\n");
  EXPECT_EQ(Problems(), std::vector<std::string>{});
}

TEST_F(PackCheckTest, APageInTwoPapersIsNamed) {
  WritePaper("101", kGoodPaper);
  WritePaper("102", "@paper 102\n@page 12003\n@blank T 1 x\n");
  bool found = false;
  for (const auto& problem : Problems())
    found = found || problem.find("is used twice") != std::string::npos;
  EXPECT_TRUE(found);
}

TEST_F(PackCheckTest, APaperBeyondEightyBlanksIsNamed) {
  std::string paper = "@paper 101\n";
  for (int page = 0; page < 5; ++page) {
    paper += "@page 1200" + std::to_string(page) + "\n";
    for (int blank = 0; blank < 17; ++blank) paper += "@blank T 1 word\n";
  }
  WritePaper("101", paper);
  const auto problems = Problems();
  ASSERT_FALSE(problems.empty());
  EXPECT_NE(problems.front().find("paper 101: 85 blanks"), std::string::npos) << problems.front();
}

TEST_F(PackCheckTest, HeaderCountsMustAgree) {
  WritePaper("101", kGoodPaper);
  WriteHeader("#TT1#>1\n#TP1#>6\n");
  const auto problems = Problems();
  ASSERT_FALSE(problems.empty());
  EXPECT_NE(problems.front().find("five papers a topic"), std::string::npos);
}

TEST_F(PackCheckTest, AMissingPictureIsNamed) {
  WritePaper("101", kGoodPaper);
  std::filesystem::remove(folder_ / "graphics/Handle.bmp");
  const auto problems = Problems();
  ASSERT_EQ(problems.size(), 2u);  // once by the builder, once by the check
  EXPECT_NE(problems.back().find("Handle.bmp"), std::string::npos);
}

TEST_F(PackCheckTest, AMalformedInstructionNamesItsLine) {
  WritePaper("101", "@paper 101\n@page 12001\n@blank Q\n");
  const auto problems = Problems();
  ASSERT_FALSE(problems.empty());
  EXPECT_NE(problems.front().find("101.paper:3: @blank needs"), std::string::npos)
      << problems.front();
}

}  // namespace
}  // namespace quillory::pack
