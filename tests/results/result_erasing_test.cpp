#include "quillory/results/result_erasing.h"

#include <gtest/gtest.h>

#include <map>

#include "../support/failing_writer.h"
#include "../support/sample_package.h"
#include "../support/temp_folder.h"
#include "quillory/results/result_file_check.h"
#include "quillory/results/result_files.h"

namespace quillory {
namespace {

using testing::FailingWriter;
using testing::SamplePackage;
using testing::TempFolder;

// Two subjects of six files each, holding work, with a marked paper. An erase writes the twelve
// copies first (writes 1 to 12), then the journal (13), then the twelve fresh files (14 to 25).
class ResultErasingTest : public ::testing::Test {
 protected:
  ResultErasingTest() : package_(SamplePackage::Members()) {
    catalogue_ = *LoadProductHeader(*package_, folder_.path());
    EnsureResultFiles(*package_, folder_.path(), catalogue_, "test");
    // Every file differs from its template, as it does once it has been written.
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
      const std::string name = entry.path().filename().string();
      folder_.Write(name, folder_.Read(name) + "\r\n");
    }
    folder_.Write("marks1QP.txt",
                  "#FSE#>75>\r\n#SSE#>>\r\n#LTM#>0:7:5>\r\n#CDD#>9/12/2026>\r\n#FST#>1>0\r\n"
                  "#SST#>0>0\r\n");
    folder_.Write("trend1QP.txt", "#TRD#>75\r\n");
  }

  std::map<std::string, std::string> Snapshot() const { return folder_.Snapshot(); }
  EraseResult Erase(const FileWriter& write = AtomicFileWriter()) {
    return EraseAllResults(*package_, folder_.path(), catalogue_, "2026-12-09-101500", write);
  }

  TempFolder folder_;
  SamplePackage package_;
  SubjectCatalogue catalogue_;
};

TEST_F(ResultErasingTest, EveryFileIsResetAndACopyKept) {
  const EraseResult erased = Erase();
  ASSERT_EQ(erased.outcome, JointWriteOutcome::Written);
  EXPECT_EQ(erased.copy, folder_ / "erased-2026-12-09-101500");
  EXPECT_EQ(folder_.Read("marks1QP.txt"), std::string(*package_->Member(30111)));
  EXPECT_EQ(folder_.Read("trend1QP.txt"), "#TRD#\r\n");
  EXPECT_EQ(folder_.Read("erased-2026-12-09-101500/trend1QP.txt"), "#TRD#>75\r\n");
  EXPECT_FALSE(std::filesystem::exists(JointWriteJournal(folder_.path())));
}

class FailedErase : public ResultErasingTest,
                    public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(FailedErase, PutsEveryFileBackAndKeepsNoCopy) {
  const auto [failing, lands] = GetParam();
  const auto before = Snapshot();
  const EraseResult erased = Erase(FailingWriter(failing, failing, lands).writer());
  EXPECT_EQ(erased.outcome, JointWriteOutcome::NothingWritten);
  EXPECT_EQ(erased.copyFailed, failing <= 12);
  EXPECT_TRUE(erased.copy.empty());
  EXPECT_NE(erased.error.message.find("No space left"), std::string::npos);
  EXPECT_EQ(Snapshot(), before);
}

// A copy, the journal, the first, a middle and the last fresh file.
INSTANTIATE_TEST_SUITE_P(AnyWrite, FailedErase,
                         ::testing::Combine(::testing::Values(5, 13, 14, 20, 25),
                                            ::testing::Bool()));

TEST_F(ResultErasingTest, AFolderWhereAResultFileShouldBeErasesNothing) {
  std::filesystem::remove(folder_ / "first2QP.txt");
  std::filesystem::create_directory(folder_ / "first2QP.txt");
  const auto before = Snapshot();
  const EraseResult erased = Erase();
  EXPECT_EQ(erased.outcome, JointWriteOutcome::NothingWritten);
  EXPECT_TRUE(erased.copyFailed);
  EXPECT_NE(erased.error.message.find("first2QP.txt\": Is a directory"), std::string::npos);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(ResultErasingTest, AnEraseKilledHalfWayIsUndoneAtTheNextStart) {
  const auto before = Snapshot();
  const EraseResult erased = Erase(FailingWriter(19).writer());  // killed after 5 fresh files
  ASSERT_EQ(erased.outcome, JointWriteOutcome::PartlyWritten);
  EXPECT_EQ(erased.copy, folder_ / "erased-2026-12-09-101500");
  ASSERT_NE(folder_.Read("marks1QP.txt"), before.at("marks1QP.txt"));

  ASSERT_TRUE(FinishJointWrite(JointWriteJournal(folder_.path()), AtomicFileWriter()).ok());
  auto after = Snapshot();
  after.erase("erased-2026-12-09-101500");  // the copy may stay: it is whole
  EXPECT_EQ(after, before);
}

TEST_F(ResultErasingTest, StartUpClearsWhatAnInterruptedEraseLeft) {
  std::filesystem::create_directories(folder_ / "erased-a.partial");
  folder_.Write("erased-a.partial/marks1QP.txt", "half");
  std::filesystem::create_directories(folder_ / "erased-b");
  folder_.Write("erased-b/marks1QP.txt", "kept");
  folder_.Write("erased-b/trend1QP.txt.quillory-tmp.Ab12Cd", "half");
  std::filesystem::create_directories(folder_ / "erased-c");
  folder_.Write("erased-c/first1QP.txt.quillory-tmp.Zz99Yy", "");
  std::filesystem::create_directories(folder_ / "erasedd");  // not a copy

  EXPECT_EQ(CleanErasedCopies(folder_.path()), 4);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "erased-a.partial"));
  EXPECT_EQ(folder_.Read("erased-b/marks1QP.txt"), "kept");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "erased-b/trend1QP.txt.quillory-tmp.Ab12Cd"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "erased-c"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "erasedd"));
}

}  // namespace
}  // namespace quillory
