#include "quillory/results/joint_write.h"

#include <gtest/gtest.h>

#include "../support/failing_writer.h"
#include "../support/temp_folder.h"

namespace quillory {
namespace {

using testing::FailingWriter;
using testing::TempFolder;

// Three files changed together; the journal counts as the first write, the files follow.
class JointWriteTest : public ::testing::Test {
 protected:
  JointWriteTest() {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
      folder_.Write(name, std::string("old ") + name);
      files_.push_back({folder_ / name, std::string("old ") + name, std::string("new ") + name});
    }
  }
  std::filesystem::path Journal() const { return JointWriteJournal(folder_.path()); }
  bool AllHold(const char* age) const {
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
      if (folder_.Read(name) != std::string(age) + " " + name) return false;
    }
    return true;
  }

  TempFolder folder_;
  std::vector<FileReplacement> files_;
};

TEST_F(JointWriteTest, EveryFileGetsItsNewBytesAndNoJournalStays) {
  EXPECT_EQ(ReplaceFilesTogether(Journal(), files_, AtomicFileWriter()).outcome,
            JointWriteOutcome::Written);
  EXPECT_TRUE(AllHold("new"));
  EXPECT_FALSE(std::filesystem::exists(Journal()));
}

// Write 1 is the journal, 2 to 4 the files; a failing write may even have landed.
class FailedJointWrite : public JointWriteTest,
                         public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(FailedJointWrite, PutsBackEveryFileAndSaysWhichWriteFailed) {
  const auto [failing, lands] = GetParam();
  const FailingWriter writer(failing, failing, lands);
  const JointWriteResult result = ReplaceFilesTogether(Journal(), files_, writer.writer());
  EXPECT_EQ(result.outcome, JointWriteOutcome::NothingWritten);
  EXPECT_NE(result.error.message.find("No space left"), std::string::npos);
  EXPECT_TRUE(AllHold("old"));
  EXPECT_FALSE(std::filesystem::exists(Journal()));
}

INSTANTIATE_TEST_SUITE_P(AnyWrite, FailedJointWrite,
                         ::testing::Combine(::testing::Values(1, 2, 3, 4), ::testing::Bool()));

// Killed after k writes: nothing more reaches the disk, then the next start finishes the job.
class KilledJointWrite : public JointWriteTest, public ::testing::WithParamInterface<int> {};

TEST_P(KilledJointWrite, IsUndoneUnlessTheLastFileWasWritten) {
  const int k = GetParam();
  const FailingWriter killed(k + 1);
  const JointWriteOutcome outcome =
      ReplaceFilesTogether(Journal(), files_, killed.writer()).outcome;
  // Until a file is written, there is nothing to undo; after that, the undo fails too.
  EXPECT_EQ(outcome, k == 4  ? JointWriteOutcome::Written
                     : k < 2 ? JointWriteOutcome::NothingWritten
                             : JointWriteOutcome::PartlyWritten);

  ASSERT_TRUE(FinishJointWrite(Journal(), AtomicFileWriter()).ok());
  EXPECT_TRUE(AllHold(k == 4 ? "new" : "old"));
  EXPECT_FALSE(std::filesystem::exists(Journal()));
}

INSTANTIATE_TEST_SUITE_P(AfterEachWrite, KilledJointWrite, ::testing::Values(0, 1, 2, 3, 4));

TEST_F(JointWriteTest, AJournalLeftAfterTheLastWriteFinishesTheChange) {
  // Killed after writing a and c but not b: c, the last file, makes the change count.
  FailingWriter killed(3);
  ReplaceFilesTogether(Journal(), files_, killed.writer());
  ASSERT_TRUE(WriteFileAtomically(folder_ / "c.txt", "new c.txt").ok());
  ASSERT_TRUE(FinishJointWrite(Journal(), AtomicFileWriter()).ok());
  EXPECT_TRUE(AllHold("new"));
}

TEST_F(JointWriteTest, AnUndoThatFailsKeepsTheJournalAndRefusesTheNextChange) {
  const FailingWriter failing(3);  // b fails, and so does putting back a
  EXPECT_EQ(ReplaceFilesTogether(Journal(), files_, failing.writer()).outcome,
            JointWriteOutcome::PartlyWritten);
  EXPECT_EQ(folder_.Read("a.txt"), "new a.txt");
  ASSERT_TRUE(std::filesystem::exists(Journal()));
  EXPECT_EQ(ReplaceFilesTogether(Journal(), files_, AtomicFileWriter()).outcome,
            JointWriteOutcome::NothingWritten);
  ASSERT_TRUE(FinishJointWrite(Journal(), AtomicFileWriter()).ok());
  EXPECT_TRUE(AllHold("old"));
}

TEST_F(JointWriteTest, AFileChangedSinceIsLeftAlone) {
  const FailingWriter failing(3);
  ReplaceFilesTogether(Journal(), files_, failing.writer());
  ASSERT_TRUE(WriteFileAtomically(folder_ / "a.txt", "saved later").ok());
  ASSERT_TRUE(FinishJointWrite(Journal(), AtomicFileWriter()).ok());
  EXPECT_EQ(folder_.Read("a.txt"), "saved later");
}

TEST_F(JointWriteTest, ADamagedJournalIsSetAsideAndNoFileTouched) {
  folder_.Write("unfinished-write.journal", "quillory joint write 1\na.txt\n99 1\nold");
  ASSERT_TRUE(FinishJointWrite(Journal(), AtomicFileWriter()).ok());
  EXPECT_TRUE(AllHold("old"));
  EXPECT_FALSE(std::filesystem::exists(Journal()));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "unfinished-write.journal.damaged"));
}

TEST_F(JointWriteTest, BytesOfEveryKindComeBackFromTheJournal) {
  const std::string odd = std::string("\xFC\r\n>\0\n7 3\nquillory joint write 1\n", 33);
  folder_.Write("a.txt", odd);
  files_ = {{folder_ / "a.txt", odd, "new a.txt"}, {folder_ / "b.txt", "old b.txt", ""}};
  FailingWriter killed(3);  // the journal and a were written, b was not
  ReplaceFilesTogether(Journal(), files_, killed.writer());
  ASSERT_EQ(folder_.Read("a.txt"), "new a.txt");
  ASSERT_TRUE(FinishJointWrite(Journal(), AtomicFileWriter()).ok());
  EXPECT_EQ(folder_.Read("a.txt"), odd);
}

}  // namespace
}  // namespace quillory
