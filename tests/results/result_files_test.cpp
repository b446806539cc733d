#include "quillory/results/result_files.h"

#include <gtest/gtest.h>

#include "../support/sample_package.h"
#include "../support/temp_folder.h"
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

TEST_F(ResultFilesTest, AFileThatWouldLoseAValueIsSetAsideNeverDeleted) {
  Ensure();
  const std::string damaged = "#101#>a>b>c\r\n#102#>>>>>>>>>>\r\n";
  folder_.Write(File(1, ResultFile::FirstAnswers), damaged);
  folder_.Write(File(2, ResultFile::Marks),
                "\x7F"
                "ELF garbage\r\n");
  const auto report = Ensure();
  ASSERT_EQ(report.setAside.size(), 2u);
  for (const auto& [aside, fresh] : report.setAside) {
    EXPECT_NE(aside.filename().string().find("set-aside-2026-12-09-0815"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(aside));
  }
  EXPECT_EQ(folder_.Read(report.setAside[0].first.filename().string()), damaged);
  EXPECT_EQ(folder_.Read(File(1, ResultFile::FirstAnswers)), Template(1, ResultFile::FirstAnswers));
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

}  // namespace
}  // namespace quillory
