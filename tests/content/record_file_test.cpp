#include "quillory/content/record_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "../support/temp_folder.h"

namespace quillory {
namespace {

using testing::TempFolder;

class RecordFileTest : public ::testing::Test {
 protected:
  std::filesystem::path File(const std::string& bytes) { return folder_.Write("table.txt", bytes); }
  TempFolder folder_;
};

TEST_F(RecordFileTest, ReadsHeaderValuesUnsplitAndIgnoresOtherLines) {
  const auto path = File("...\r\n#NME#>Practice > Papers\r\n-------\r\n#NMX#\r\n#TRD#\r\n...");
  EXPECT_EQ(*ReadRecordValue(path, "NME"), "Practice > Papers");
  EXPECT_EQ(*ReadRecordValue(path, "TRD"), "");
  EXPECT_EQ(*ReadRecordLine(path, "TRD"), "#TRD#");
  EXPECT_EQ(*ReadRecordValue(path, "XYZ"), "");
  EXPECT_EQ(*ReadRecordLine(path, "XYZ"), "");
}

TEST_F(RecordFileTest, OneEmptyValueReadsAsEmpty) {
  const auto path = File("#NME#>\r\n");
  EXPECT_EQ(*ReadRecordValue(path, "NME"), "");
  EXPECT_EQ(*ReadRecordList(path, "NME", 1, kTopicCapacity), RecordList{""});
}

TEST_F(RecordFileTest, KeySearchIgnoresLetterCase) {
  const auto path = File("#fse#>1\r\n");
  EXPECT_EQ(*ReadRecordList(path, "FSE", 1, kPaperCapacity), RecordList{"1"});
}

struct SplitCase {
  std::string line;
  int n;
  RecordList expected;
};

class SplitRecordLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitRecordLineTest, CutsByThePositionChain) {
  const auto& c = GetParam();
  auto values = SplitRecordLine(c.line, c.n, kBlankCapacity);
  ASSERT_TRUE(values.ok()) << values.error().message;
  EXPECT_EQ(*values, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitRecordLineTest,
    ::testing::Values(SplitCase{"#ABC#>a>b>c", 2, {"a", "b>c"}},  // the last value absorbs the rest
                      SplitCase{"#ABC#>a>b>c", 3, {"a", "b", "c"}},
                      SplitCase{"#FSE#>88.8>>75", 3, {"88.8", "", "75"}},
                      SplitCase{"#101#>>>", 3, {"", "", ""}},
                      SplitCase{"#101#>\xFC>\xFB", 2, {"\xFC", "\xFB"}},
                      SplitCase{"#TRD#", 0, {}}));

TEST(SplitRecordLine, RefusesMoreValuesThanTheLineHoldsOrFit) {
  EXPECT_FALSE(SplitRecordLine("#ABC#>a>b", 3, kBlankCapacity).ok());
  EXPECT_FALSE(SplitRecordLine("#TRD#", 1, kTrendCapacity).ok());
  EXPECT_FALSE(
      SplitRecordLine(std::string("#ABC#") + std::string(81, '>'), 81, kBlankCapacity).ok());
  EXPECT_FALSE(SplitRecordLine("#ABC#>a", -1, kBlankCapacity).ok());
}

TEST_F(RecordFileTest, ListReadersReportMissingKeysAndFiles) {
  const auto path = File("#ABC#>a\r\n");
  EXPECT_FALSE(ReadRecordList(path, "XYZ", 1, kPaperCapacity).ok());
  EXPECT_FALSE(ReadWholeRecordList(path, "XYZ").ok());
  const auto missing = folder_ / "missing.txt";
  EXPECT_FALSE(ReadRecordValue(missing, "ABC").ok());
  EXPECT_FALSE(ReadRecordList(missing, "ABC", 1, kPaperCapacity).ok());
  EXPECT_FALSE(ReadNumberedLines(missing, 3).ok());
  EXPECT_FALSE(CountRecordValues(missing, {"12001"}).ok());
  EXPECT_FALSE(ReadJoinedLists(missing, {"12001"}).ok());
  EXPECT_FALSE(ReadRecordList(path, "ABC", 11, kTopicCapacity).ok());
}

TEST_F(RecordFileTest, WholeListHasOneValuePerMarker) {
  const auto path = File("...\r\n#101#>12001>12002>12003\r\n#111#>12301>12302>12303\r\n...");
  EXPECT_EQ(*ReadWholeRecordList(path, "111"), (RecordList{"12301", "12302", "12303"}));
  File("#106#\r\n");
  EXPECT_TRUE(ReadWholeRecordList(folder_ / "table.txt", "106")->empty());
}

TEST_F(RecordFileTest, NumberedLinesStopAtTheFirstMissingNumber) {
  const auto path = File("...\r\n#101#>a\r\n#102#>b\r\n#104#>d\r\n...");
  EXPECT_EQ(*ReadNumberedLines(path, 4), (RecordList{"#101#>a", "#102#>b", "", ""}));
}

TEST_F(RecordFileTest, NumberedLinesMustAscend) {
  const auto path = File("#102#>b\r\n#101#>a\r\n#103#>c\r\n");
  EXPECT_EQ(*ReadNumberedLines(path, 3), (RecordList{"#101#>a", "", ""}));
}

TEST_F(RecordFileTest, AValueHoldingAKeyMatchesItsOwnLine) {
  const auto path = File("#100#>#101#\r\n#101#>real\r\n");
  EXPECT_EQ(*ReadRecordLine(path, "101"), "#100#>#101#");
}

TEST_F(RecordFileTest, JoinedListsAndCountsFollowTheKeysInOnePass) {
  const auto path =
      File("...\r\n#12001#>2\r\n#12301#>a>in>have\r\n#18064#>;Sand;Wood> >;Ink;Oil> \r\n...");
  const std::vector<std::string> keys{"12001", "12301", "18064"};
  EXPECT_EQ(*CountRecordValues(path, keys), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(*ReadJoinedLists(path, keys),
            (RecordList{"2", "a", "in", "have", ";Sand;Wood", " ", ";Ink;Oil", " "}));
  // Keys given out of file order are not found going back: that is an error, not a wrong list.
  EXPECT_FALSE(ReadJoinedLists(path, {"12301", "12001"}).ok());
  EXPECT_FALSE(CountRecordValues(path, {"12002"}).ok());
}

TEST_F(RecordFileTest, ReplacingALineRewritesTheWholeFileFromTheCallersLines) {
  const auto path = File("...\r\n#101#>>\r\n#102#>>\r\n...");
  RecordList lines = *ReadNumberedLines(path, 2);
  ASSERT_TRUE(ReplaceRecordLine(lines, {"x", "y"}, 2, "102", 2, 2, path).ok());
  EXPECT_EQ(folder_.Read("table.txt"), "#101#>>\r\n#102#>x>y\r\n");
  EXPECT_EQ(lines[1], "#102#>x>y");
}

TEST_F(RecordFileTest, AValueHoldingAMarkerReadsBackAsTwo) {
  const auto path = File("#101#>>>\r\n");
  RecordList lines = *ReadNumberedLines(path, 1);
  ASSERT_TRUE(ReplaceRecordLine(lines, {"3>4", "5", "6"}, 1, "101", 1, 3, path).ok());
  EXPECT_EQ(*SplitRecordLine(*ReadRecordLine(path, "101"), 4, kBlankCapacity),
            (RecordList{"3", "4", "5", "6"}));
}

TEST_F(RecordFileTest, ReplacingWithNoValuesLeavesOneMarker) {
  const auto path = File("#101#\r\n");
  RecordList lines{"#101#"};
  ASSERT_TRUE(ReplaceRecordLine(lines, {}, 1, "101", 1, 0, path).ok());
  EXPECT_EQ(folder_.Read("table.txt"), "#101#>\r\n");
}

TEST_F(RecordFileTest, ReplaceRefusesRowsOutsideTheLines) {
  const auto path = File("#101#>\r\n");
  RecordList lines{"#101#>"};
  EXPECT_FALSE(ReplaceRecordLine(lines, {"a"}, 2, "102", 1, 1, path).ok());
  EXPECT_FALSE(ReplaceRecordLine(lines, {"a"}, 1, "101", 2, 1, path).ok());
  EXPECT_FALSE(ReplaceRecordLine(lines, {"a"}, 1, "101", 1, 2, path).ok());
  EXPECT_EQ(folder_.Read("table.txt"), "#101#>\r\n");
}

TEST_F(RecordFileTest, WritesSixListsInTheOrderGiven) {
  const auto path = folder_ / "marks.txt";
  std::array<RecordList, 6> lists{RecordList{"75", ""},    RecordList{"", ""},
                                  RecordList{"0:7:5", ""}, RecordList{"30/12/2005", ""},
                                  RecordList{"1", "0"},    RecordList{"0", "0"}};
  ASSERT_TRUE(WriteRecordLists(lists, {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}, 2, path).ok());
  EXPECT_EQ(
      folder_.Read("marks.txt"),
      "#FSE#>75>\r\n#SSE#>>\r\n#LTM#>0:7:5>\r\n#CDD#>30/12/2005>\r\n#FST#>1>0\r\n#SST#>0>0\r\n");
  EXPECT_FALSE(WriteRecordLists(lists, {"FSE", "SSE", "LTM", "CDD", "FST", "SST"}, 3, path).ok());
}

// A folder where a record file should be cannot be read: every operation that reads the file
// says so, with the reason, and none throws.
TEST_F(RecordFileTest, AFileThatCannotBeReadIsAnErrorForEveryReader) {
  const auto path = folder_ / "marks1QP.txt";
  std::filesystem::create_directory(path);
  const std::vector<std::string> keys{"12001"};
  RecordList lines{"#101#>"};
  const std::vector<std::pair<const char*, std::function<Error()>>> operations{
      {"ReadRecordValue", [&] { return ReadRecordValue(path, "NME").error(); }},
      {"ReadRecordLine", [&] { return ReadRecordLine(path, "TRD").error(); }},
      {"ReadRecordList", [&] { return ReadRecordList(path, "FSE", 1, kPaperCapacity).error(); }},
      {"ReadWholeRecordList", [&] { return ReadWholeRecordList(path, "101").error(); }},
      {"ReadNumberedLines", [&] { return ReadNumberedLines(path, 1).error(); }},
      {"CountRecordValues", [&] { return CountRecordValues(path, keys).error(); }},
      {"ReadJoinedLists", [&] { return ReadJoinedLists(path, keys).error(); }},
      {"UpdateRecordLine", [&] { return UpdateRecordLine(path, "FSE", {"75"}, 1).error(); }},
      {"ReadWholeFile", [&] { return ReadWholeFile(path).error(); }},
  };
  for (const auto& [name, operation] : operations) {
    Error error;
    ASSERT_NO_THROW(error = operation()) << name;
    EXPECT_EQ(error.code, EISDIR) << name;
    EXPECT_NE(error.message.find("marks1QP.txt"), std::string::npos)
        << name << ": " << error.message;
    EXPECT_NE(error.message.find("Is a directory"), std::string::npos)
        << name << ": " << error.message;
  }
}

TEST(SplitLines, AcceptsALastLineWithoutLineBreak) {
  EXPECT_EQ(SplitLines("a\r\nb\r\n..."), (std::vector<std::string_view>{"a", "b", "..."}));
  EXPECT_EQ(SplitLines("#TRD#\r\n"), (std::vector<std::string_view>{"#TRD#"}));
}

}  // namespace
}  // namespace quillory
