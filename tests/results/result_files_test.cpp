#include "quillory/results/result_files.h"

#include <gtest/gtest.h>

#include "../support/sample_package.h"
#include "../support/temp_folder.h"
#include "quillory/content/record_file.h"
#include "quillory/results/result_file_check.h"

namespace quillory {
namespace {

using testing::SamplePackage;
using testing::TempFolder;

class ResultFilesTest : public ::testing::Test {
 protected:
  ResultFilesTest() : package_(SamplePackage::Members()) {
    catalogue_ = *LoadProductHeader(*package_, folder_.path());
  }
  std::string File(int s, ResultFile file) const {
    return ResultFilePath(folder_.path(), s, file, "QP").filename().string();
  }
  std::string Template(int s, ResultFile file) const {
    return std::string(
        *package_->Member(static_cast<std::uint16_t>(30100 + 10 * s + static_cast<int>(file))));
  }
  ResultFilesReport Ensure() {
    return EnsureResultFiles(*package_, folder_.path(), catalogue_, "2026-12-09-0815");
  }

  TempFolder folder_;
  SamplePackage package_;
  SubjectCatalogue catalogue_;
};

TEST_F(ResultFilesTest, NamesFollowStemSubjectAndCode) {
  EXPECT_EQ(File(2, ResultFile::Marks), "marks2QP.txt");
  EXPECT_EQ(File(1, ResultFile::SecondResults), "sresults1QP.txt");
  EXPECT_EQ(File(3, ResultFile::Trend), "trend3QP.txt");
}

TEST_F(ResultFilesTest, ResetWritesEveryTemplateOfEveryPresentSubject) {
  folder_.Write(File(1, ResultFile::Marks), "#FSE#>75>80\r\n");
  EXPECT_TRUE(ResetResults(*package_, folder_.path(), catalogue_).empty());
  for (int s : {1, 2}) {
    for (ResultFile file : kResultFiles) EXPECT_EQ(folder_.Read(File(s, file)), Template(s, file));
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ / File(3, ResultFile::Marks)));
}

TEST_F(ResultFilesTest, ResetReportsWhatItCouldNotWrite) {
  auto failures = ResetResults(*package_, folder_ / "gone", catalogue_);
  EXPECT_EQ(failures.size(), 12u);
}

TEST_F(ResultFilesTest, AFreshFolderGetsEveryFileFromItsTemplate) {
  const auto report = Ensure();
  EXPECT_EQ(report.created.size(), 12u);
  EXPECT_TRUE(report.repaired.empty() && report.setAside.empty() && report.failures.empty());
  EXPECT_EQ(folder_.Read(File(2, ResultFile::Trend)), "#TRD#\r\n");
  EXPECT_EQ(Ensure().created.size(), 0u);  // a second start touches nothing
}

TEST_F(ResultFilesTest, AMissingFileIsMadeAloneAndStoredWorkStays) {
  Ensure();
  const std::string marks =
      "#FSE#>75>\r\n#SSE#>>\r\n#LTM#>0:7:5>\r\n#CDD#>9/12/2026>\r\n#FST#>1>0\r\n#SST#>0>0\r\n";
  folder_.Write(File(1, ResultFile::Marks), marks);
  std::filesystem::remove(folder_ / File(2, ResultFile::Trend));
  const auto report = Ensure();
  ASSERT_EQ(report.created.size(), 1u);
  EXPECT_EQ(report.created[0].filename(), File(2, ResultFile::Trend));
  EXPECT_EQ(folder_.Read(File(1, ResultFile::Marks)), marks);
}

TEST_F(ResultFilesTest, ShortLinesAndMissingLinesAreRepairedWithoutLosingAValue) {
  Ensure();
  folder_.Write(File(1, ResultFile::FirstAnswers), "#102#>in>on\r\n#101#>3\r\n");
  folder_.Write(File(1, ResultFile::Marks), "#FSE#>66.7\r\n#FST#>1\r\n");
  const auto report = Ensure();
  EXPECT_EQ(report.repaired.size(), 2u);
  EXPECT_EQ(folder_.Read(File(1, ResultFile::FirstAnswers)), "#101#>3>\r\n#102#>in>on>>>>>>>>\r\n");
  EXPECT_EQ(folder_.Read(File(1, ResultFile::Marks)),
            "#FSE#>66.7>\r\n#SSE#>>\r\n#LTM#>>\r\n#CDD#>>\r\n#FST#>1>0\r\n#SST#>0>0\r\n");
  EXPECT_TRUE(Ensure().repaired.empty());
}

TEST_F(ResultFilesTest, TrailingEmptyValuesAndUnknownKeysAreKeptSafely) {
  Ensure();
  folder_.Write(File(1, ResultFile::FirstResults),
                "#101#>\xFC>\xFB>>\r\n#102#>>>>>>>>>>\r\n#199#>x\r\n");
  const auto report = Ensure();
  EXPECT_EQ(report.repaired.size(), 1u);
  EXPECT_EQ(folder_.Read(File(1, ResultFile::FirstResults)),
            "#101#>\xFC>\xFB\r\n#102#>>>>>>>>>>\r\n#199#>x\r\n");
}

TEST_F(ResultFilesTest, AMendedFileKeepsACopyOfItselfAsItWas) {
  Ensure();
  const std::string damaged = "#101#>a>b>c>d>e\r\n#102#>in>on>>>>>>>>\r\n";
  folder_.Write(File(1, ResultFile::FirstAnswers), damaged);
  const auto report = Ensure();
  ASSERT_EQ(report.repaired.size(), 1u);
  EXPECT_TRUE(report.setAside.empty() && report.failures.empty());
  const KeptCopy& kept = report.repaired[0];
  EXPECT_EQ(kept.file.filename(), File(1, ResultFile::FirstAnswers));
  EXPECT_EQ(kept.copy.filename(), "first1QP.set-aside-2026-12-09-0815.txt");
  EXPECT_EQ(folder_.Read(kept.copy.filename().string()), damaged);
  // Only the damaged line changed; the other paper's answers are all there.
  EXPECT_EQ(folder_.Read(File(1, ResultFile::FirstAnswers)),
            "#101#>a>b\r\n#102#>in>on>>>>>>>>\r\n");
  EXPECT_TRUE(Ensure().repaired.empty());  // told once
}

TEST_F(ResultFilesTest, AFileThatHoldsNothingOfItsKindIsSetAsideNeverDeleted) {
  Ensure();
  const std::string damaged =
      "\x7F"
      "ELF garbage\r\n";
  folder_.Write(File(2, ResultFile::Marks), damaged);
  const auto report = Ensure();
  ASSERT_EQ(report.setAside.size(), 1u);
  const KeptCopy& aside = report.setAside[0];
  EXPECT_EQ(aside.copy.filename(), "marks2QP.set-aside-2026-12-09-0815.txt");
  EXPECT_TRUE(aside.unreadable.empty());
  EXPECT_EQ(folder_.Read(aside.copy.filename().string()), damaged);
  EXPECT_EQ(folder_.Read(File(2, ResultFile::Marks)), Template(2, ResultFile::Marks));
  EXPECT_TRUE(Ensure().setAside.empty());
}

// A folder where a result file should be cannot be read; left in place, it would stop every
// start. It is moved aside whole and the file made anew.
TEST_F(ResultFilesTest, AFileThatCannotBeReadIsSetAsideAndMadeAnew) {
  Ensure();
  const auto path = folder_ / File(1, ResultFile::SecondResults);
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  folder_.Write(File(1, ResultFile::SecondResults) + "/inside.txt", "kept");
  const auto report = Ensure();
  ASSERT_TRUE(report.failures.empty()) << report.failures.front().message;
  ASSERT_EQ(report.setAside.size(), 1u);
  const KeptCopy& aside = report.setAside[0];
  EXPECT_EQ(aside.file, path);
  EXPECT_EQ(aside.unreadable, "Is a directory");
  EXPECT_EQ(folder_.Read(aside.copy.filename().string() + "/inside.txt"), "kept");
  EXPECT_EQ(folder_.Read(File(1, ResultFile::SecondResults)),
            Template(1, ResultFile::SecondResults));
  EXPECT_TRUE(Ensure().setAside.empty());
}

TEST_F(ResultFilesTest, TrendValuesAreOpenEnded) {
  Ensure();
  folder_.Write(File(1, ResultFile::Trend), "#TRD#>75>80>100\r\n");
  const auto report = Ensure();
  EXPECT_TRUE(report.repaired.empty() && report.setAside.empty());
  EXPECT_EQ(folder_.Read(File(1, ResultFile::Trend)), "#TRD#>75>80>100\r\n");
}

TEST(FitResultFile, TemplatesFitThemselves) {
  const std::string marks =
      "...\r\n#FSE#>>\r\n#SSE#>>\r\n#LTM#>>\r\n#CDD#>>\r\n#FST#>0>0\r\n#SST#>0>0\r\n...";
  std::string repaired;
  EXPECT_EQ(FitResultFile(marks, ShapeOfTemplate(marks), repaired), FitOutcome::Fits);
  const std::string papers = "...\r\n#101#>>\r\n#102#\r\n...";
  EXPECT_EQ(FitResultFile(papers, ShapeOfTemplate(papers), repaired), FitOutcome::Fits);
  EXPECT_EQ(FitResultFile("#101#>>\r\n#102#\r\n", ShapeOfTemplate(papers), repaired),
            FitOutcome::Fits);
}

// A marks template of `papers` papers, as the content carries it.
std::string MarksTemplate(int papers) {
  const std::string empty(static_cast<std::size_t>(papers), '>');
  std::string zeros;
  for (int i = 0; i < papers; ++i) zeros += ">0";
  return "...\r\n#FSE#" + empty + "\r\n#SSE#" + empty + "\r\n#LTM#" + empty + "\r\n#CDD#" + empty +
         "\r\n#FST#" + zeros + "\r\n#SST#" + zeros + "\r\n...";
}

struct FitCase {
  const char* name;
  ResultFile file;
  std::string templateBytes;
  std::string damaged;
  std::string mended;
};

class FitDamagedFile : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitDamagedFile, KeepsEveryWholeValueAndDropsTheDamage) {
  const FitCase& c = GetParam();
  std::string repaired;
  ASSERT_EQ(FitResultFile(c.damaged, ShapeOfResultFile(c.file, c.templateBytes), repaired),
            FitOutcome::Repaired);
  EXPECT_EQ(repaired, c.mended);
  EXPECT_EQ(FitResultFile(repaired, ShapeOfResultFile(c.file, c.templateBytes), repaired),
            FitOutcome::Fits);
}

const std::string kAnswers = "...\r\n#101#>>\r\n#102#>>>\r\n#103#>>\r\n...";
// Three papers marked, then the file ends 150 bytes in, inside the date of the first paper.
const std::string kMarksCut150 = "#FSE#>75>100>66.7" + std::string(27, '>') + "\r\n#SSE#" +
                                 std::string(30, '>') + "\r\n#LTM#>0:7:5>0:12:30>0:3:1" +
                                 std::string(27, '>') + "\r\n#CDD#>09/12/2";
const std::string kMarksMended = "#FSE#>75>100>66.7" + std::string(27, '>') + "\r\n#SSE#" +
                                 std::string(30, '>') + "\r\n#LTM#>0:7:5>0:12:30>0:3:1" +
                                 std::string(27, '>') + "\r\n#CDD#" + std::string(30, '>') +
                                 "\r\n#FST#>1>1>1" +
                                 [] {
                                   std::string zeros;
                                   for (int i = 0; i < 27; ++i) zeros += ">0";
                                   return zeros;
                                 }() +
                                 "\r\n#SST#" +
                                 [] {
                                   std::string zeros;
                                   for (int i = 0; i < 30; ++i) zeros += ">0";
                                   return zeros;
                                 }() +
                                 "\r\n";

INSTANTIATE_TEST_SUITE_P(
    Damage, FitDamagedFile,
    ::testing::Values(
        // A marked paper stays marked: its score proves it, whatever its status says.
        FitCase{"MarksCutInsideADate", ResultFile::Marks, MarksTemplate(30), kMarksCut150,
                kMarksMended},
        FitCase{"ScoreWithoutItsStatus", ResultFile::Marks, MarksTemplate(2),
                "#FSE#>75>\r\n#SSE#>80>\r\n#LTM#>0:7:5>\r\n#CDD#>9/12/2026>\r\n#FST#>0>0\r\n"
                "#SST#>0>0\r\n",
                "#FSE#>75>\r\n#SSE#>80>\r\n#LTM#>0:7:5>\r\n#CDD#>9/12/2026>\r\n#FST#>1>0\r\n"
                "#SST#>1>0\r\n"},
        FitCase{"ThreeExtraValuesOnOneLine", ResultFile::FirstAnswers, kAnswers,
                "#101#>a>b>x>y>z\r\n#102#>in>on>at\r\n#103#>3>4\r\n",
                "#101#>a>b\r\n#102#>in>on>at\r\n#103#>3>4\r\n"},
        FitCase{"CutInsideAnAnswer", ResultFile::FirstAnswers, kAnswers, "#101#>a>b\r\n#102#>in>o",
                "#101#>a>b\r\n#102#>in>>\r\n#103#>>\r\n"},
        FitCase{"CutInsideAKey", ResultFile::FirstAnswers, kAnswers, "#101#>a>b\r\n#10",
                "#101#>a>b\r\n#102#>>>\r\n#103#>>\r\n"},
        FitCase{"CutInsideATrendValue", ResultFile::Trend, "#TRD#\r\n", "#TRD#>75>80>6",
                "#TRD#>75>80\r\n"},
        FitCase{"CutRightAfterAKey", ResultFile::Marks, MarksTemplate(1),
                "#FSE#>75\r\n#SSE#>\r\n#LTM#>0:7:5\r\n#CDD#>9/12/2026\r\n#FST#",
                "#FSE#>75\r\n#SSE#>\r\n#LTM#>0:7:5\r\n#CDD#>9/12/2026\r\n#FST#>1\r\n"
                "#SST#>0\r\n"},
        FitCase{"AStrayLineBetweenPapers", ResultFile::FirstResults, kAnswers,
                "#101#>\xFC>\xFB\r\n\x01\x02garbage\r\n#102#>\xFC>>\r\n#103#>>\r\n",
                "#101#>\xFC>\xFB\r\n#102#>\xFC>>\r\n#103#>>\r\n"}),
    [](const ::testing::TestParamInfo<FitCase>& param) { return std::string(param.param.name); });

// Wherever a marks file is cut, the mended file holds only values that were written whole, each
// at its own place, and every paper with a score is marked.
TEST(FitResultFile, ACutAnywhereKeepsOnlyWholeValues) {
  const int papers = 30;
  const auto shape = ShapeOfResultFile(ResultFile::Marks, MarksTemplate(papers));
  std::array<RecordList, 6> whole;
  for (auto& list : whole) list.assign(static_cast<std::size_t>(papers), "");
  for (std::size_t i = 0; i < 6; ++i) {
    whole[0][i] = std::to_string(50 + 7 * i) + ".5";
    whole[2][i] = "0:" + std::to_string(10 + i) + ":5";
    whole[3][i] = std::to_string(10 + i) + "/12/2026";
  }
  whole[1][0] = "100";
  for (int i = 0; i < papers; ++i) {
    whole[4][static_cast<std::size_t>(i)] = i < 6 ? "1" : "0";
    whole[5][static_cast<std::size_t>(i)] = i < 1 ? "1" : "0";
  }
  std::string file;
  for (std::size_t k = 0; k < 6; ++k) {
    file += MakeRecordLine(shape.lines[k].key, whole[k], static_cast<std::size_t>(papers)) + "\r\n";
  }
  for (std::size_t cut = 0; cut < file.size(); ++cut) {
    std::string repaired;
    const FitOutcome outcome = FitResultFile(file.substr(0, cut), shape, repaired);
    if (outcome == FitOutcome::Unrepairable) {
      ASSERT_LT(cut, 5u) << "only a file cut inside its first key holds nothing of a marks file";
      continue;
    }
    if (outcome == FitOutcome::Fits) {
      ASSERT_EQ(cut, file.size() - 1) << "only the last line break may go without harm";
      continue;
    }
    std::string again;
    ASSERT_EQ(FitResultFile(repaired, shape, again), FitOutcome::Fits) << cut;
    const auto lines = SplitLines(repaired);
    ASSERT_EQ(lines.size(), 6u) << cut;
    std::array<RecordList, 6> mended;
    for (std::size_t k = 0; k < 6; ++k) {
      auto values = SplitRecordLine(lines[k], papers, kPaperCapacity);
      ASSERT_TRUE(values.ok()) << cut;
      mended[k] = *values;
      for (std::size_t i = 0; i < mended[k].size(); ++i) {
        const std::string& value = mended[k][i];
        EXPECT_TRUE(value == whole[k][i] || value == shape.lines[k].fill)
            << "cut at " << cut << ": " << shape.lines[k].key << " " << i + 1 << " is " << value;
      }
    }
    for (std::size_t i = 0; i < mended[0].size(); ++i) {
      if (!mended[0][i].empty()) {
        EXPECT_EQ(mended[4][i], "1") << "cut at " << cut;
      }
    }
  }
}

TEST(FitResultFile, AFileWithNoLineOfItsKindCannotBeMended) {
  std::string repaired;
  for (const std::string bytes : {"",
                                  "\x7F"
                                  "ELF\r\n",
                                  "#FSE#>75\r\n#FST#>1\r\n"}) {
    EXPECT_EQ(FitResultFile(bytes, ShapeOfResultFile(ResultFile::FirstAnswers, kAnswers), repaired),
              FitOutcome::Unrepairable)
        << bytes;
  }
}

}  // namespace
}  // namespace quillory
