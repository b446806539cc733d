#include "quillory/session/attempt_marking.h"

#include <gtest/gtest.h>

#include <map>

#include "../support/failing_writer.h"
#include "../support/temp_folder.h"
#include "quillory/marking/answer_check.h"

namespace quillory {
namespace {

using testing::FailingWriter;
using testing::TempFolder;

const std::string kT(kTick);
const std::string kX(kCross);

// The result files of a five-paper subject fresh from their templates, and paper 103 of four
// blanks worth 16 marks open in a practice window.
class AttemptMarkingTest : public ::testing::Test {
 protected:
  AttemptMarkingTest() {
    const std::string papers = "...\r\n#101#>>\r\n#102#>>\r\n#103#>>>>\r\n#104#>\r\n#105#>\r\n...";
    for (const char* name :
         {"first2QP.txt", "second2QP.txt", "fresults2QP.txt", "sresults2QP.txt"}) {
      folder_.Write(name, papers);
    }
    folder_.Write(
        "marks2QP.txt",
        "...\r\n#FSE#>>>>>\r\n#SSE#>>>>>\r\n#LTM#>>>>>\r\n#CDD#>>>>>\r\n#FST#>0>0>0>0>0\r\n"
        "#SST#>0>0>0>0>0\r\n...");
    folder_.Write("trend2QP.txt", "#TRD#\r\n");
    first_ = Attempt(1);
    second_ = Attempt(2);
    second_.attempt.firstResults = {kT, kX, kX, kT};
  }

  OpenPaper Attempt(int attempt) const {
    OpenPaper a;
    a.choice = {2, "QP", 5, 1, "Whole Numbers", PaperKey::AtIndex(3), attempt};
    a.attempt.keys = {"2", "1500109", ";PQ;QP", "2 3/4"};
    a.attempt.types = {"Q", "N", "M", "X"};
    a.attempt.marks = {"5", "5", "3", "3"};
    a.files.answersFile = folder_ / (attempt == 1 ? "first2QP.txt" : "second2QP.txt");
    a.files.resultsFile = folder_ / (attempt == 1 ? "fresults2QP.txt" : "sresults2QP.txt");
    a.files.marksFile = folder_ / "marks2QP.txt";
    a.files.trendFile = folder_ / "trend2QP.txt";
    return a;
  }

  std::string Line(const std::string& file, const std::string& key) const {
    const std::string bytes = folder_.Read(file);
    for (std::string_view line : SplitLines(bytes)) {
      if (line.rfind("#" + key + "#", 0) == 0) return std::string(line);
    }
    return "<none>";
  }

  // Every entry of the data folder, with the bytes of each file.
  std::map<std::string, std::string> Snapshot() const { return folder_.Snapshot(); }

  const RecordList answers_{"2", "1,500,109", "qp", "23/4"};
  TempFolder folder_;
  OpenPaper first_;
  OpenPaper second_;
  const MarkingDay today_{9, 12, 2026};
};

TEST_F(AttemptMarkingTest, AFirstAttemptIsJudgedScoredAndStored) {
  auto marked = MarkAttempt(first_, {"2", "1,500,109", "qp", "23/4"}, 7 * 60 + 5, today_);
  ASSERT_TRUE(marked.ok()) << marked.error().message;
  EXPECT_EQ(marked->glyphs, (RecordList{kT, kT, kT, kX}));
  EXPECT_EQ(marked->score, 13);
  EXPECT_EQ(marked->percentText, "81.2");  // 13 / 16 = 81.25, halves to even
  EXPECT_EQ(marked->timeTaken, "0:7:5");
  EXPECT_EQ(marked->dateText, "09/12/2026");
  EXPECT_EQ(Line("first2QP.txt", "103"), "#103#>2>1,500,109>qp>23/4");
  EXPECT_EQ(Line("fresults2QP.txt", "103"), "#103#>" + kT + ">" + kT + ">" + kT + ">" + kX);
  EXPECT_EQ(Line("fresults2QP.txt", "101"), "#101#>>");
  EXPECT_EQ(Line("marks2QP.txt", "FSE"), "#FSE#>>>81.2>>");
  EXPECT_EQ(Line("marks2QP.txt", "LTM"), "#LTM#>>>0:7:5>>");
  EXPECT_EQ(Line("marks2QP.txt", "CDD"), "#CDD#>>>09/12/2026>>");
  EXPECT_EQ(Line("marks2QP.txt", "FST"), "#FST#>0>0>1>0>0");
  EXPECT_EQ(Line("marks2QP.txt", "SST"), "#SST#>0>0>0>0>0");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#>81.2\r\n");
}

TEST_F(AttemptMarkingTest, EveryBlankRightIsAHundredAndNoneIsZero) {
  EXPECT_EQ(MarkAttempt(first_, {"2", "1500109", "PQ", "2 3/4"}, 0, today_)->percentText, "100");
  EXPECT_EQ(MarkAttempt(first_, {"", "", "", ""}, 0, today_)->percentText, "0");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#>100>0\r\n");
}

TEST_F(AttemptMarkingTest, ASecondAttemptTouchesOnlyItsOwnEntries) {
  ASSERT_TRUE(MarkAttempt(first_, {"2", "15", "PR", "2 3/4"}, 65, today_).ok());
  const std::string marksBefore = folder_.Read("marks2QP.txt");
  const std::string trendBefore = folder_.Read("trend2QP.txt");
  const std::string firstResults = folder_.Read("fresults2QP.txt");
  auto marked = MarkAttempt(second_, {"2", "1500109", "PR", "2 3/4"}, 0, today_);
  ASSERT_TRUE(marked.ok());
  EXPECT_EQ(marked->percentText, "81.2");
  EXPECT_EQ(marked->timeTaken, "");
  EXPECT_EQ(Line("marks2QP.txt", "SSE"), "#SSE#>>>81.2>>");
  EXPECT_EQ(Line("marks2QP.txt", "SST"), "#SST#>0>0>1>0>0");
  EXPECT_EQ(Line("marks2QP.txt", "FSE"), "#FSE#>>>50>>");
  EXPECT_EQ(Line("marks2QP.txt", "LTM"), "#LTM#>>>0:1:5>>");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), trendBefore);
  EXPECT_EQ(folder_.Read("fresults2QP.txt"), firstResults);
  EXPECT_EQ(Line("sresults2QP.txt", "103"), "#103#>" + kT + ">" + kT + ">" + kX + ">" + kT);
  EXPECT_NE(folder_.Read("marks2QP.txt"), marksBefore);
}

TEST_F(AttemptMarkingTest, StoringAnswersAloneLeavesThePaperUnmarked) {
  ASSERT_TRUE(StoreOpenAnswers(first_, {"2", "", "PQ", ""}).ok());
  EXPECT_EQ(Line("first2QP.txt", "103"), "#103#>2>>PQ>");
  EXPECT_EQ(Line("marks2QP.txt", "FST"), "#FST#>0>0>0>0>0");
  EXPECT_EQ(Line("fresults2QP.txt", "103"), "#103#>>>>");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#\r\n");
}

// Another window, or erasing all results, may change the files while this paper is open: a write
// of this paper must keep what is on disk for every other paper.
TEST_F(AttemptMarkingTest, ChangesMadeSinceThePaperOpenedAreKept) {
  OpenPaper other = first_;
  other.choice.paperKey = PaperKey::AtIndex(1);
  other.attempt.keys = {"a", "b"};
  other.attempt.types = {"T", "T"};
  other.attempt.marks = {"1", "1"};
  ASSERT_TRUE(MarkAttempt(other, {"a", "x"}, 30, today_).ok());
  ASSERT_TRUE(MarkAttempt(first_, {"2", "", "", ""}, 60, today_).ok());
  EXPECT_EQ(Line("marks2QP.txt", "FSE"), "#FSE#>50>>31.2>>");
  EXPECT_EQ(Line("marks2QP.txt", "FST"), "#FST#>1>0>1>0>0");
  EXPECT_EQ(Line("first2QP.txt", "101"), "#101#>a>x");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#>50>31.2\r\n");
}

TEST_F(AttemptMarkingTest, ErasedResultsAreNotBroughtBack) {
  ASSERT_TRUE(MarkAttempt(first_, {"2", "", "", ""}, 60, today_).ok());
  // The results are erased while paper 103 stays open; saving it again must not restore them.
  folder_.Write("marks2QP.txt",
                "#FSE#>>>>>\r\n#SSE#>>>>>\r\n#LTM#>>>>>\r\n#CDD#>>>>>\r\n#FST#>0>0>0>0>0\r\n#SST#>"
                "0>0>0>0>0\r\n");
  folder_.Write("first2QP.txt", "#101#>>\r\n#102#>>\r\n#103#>>>>\r\n#104#>\r\n#105#>\r\n");
  ASSERT_TRUE(StoreOpenAnswers(second_, {"2", "15", "", ""}).ok());
  EXPECT_EQ(Line("marks2QP.txt", "FSE"), "#FSE#>>>>>");
  EXPECT_EQ(Line("first2QP.txt", "103"), "#103#>>>>");
}

TEST_F(AttemptMarkingTest, AMissingLineIsAddedInItsPlace) {
  folder_.Write("first2QP.txt", "#101#>>\r\n#104#>\r\n");
  ASSERT_TRUE(StoreOpenAnswers(first_, {"1", "2", "3", "4"}).ok());
  EXPECT_EQ(folder_.Read("first2QP.txt"), "#101#>>\r\n#103#>1>2>3>4\r\n#104#>\r\n");
}

TEST_F(AttemptMarkingTest, APaperWithoutMarksIsRefusedAndNothingWritten) {
  first_.attempt.marks = {"0", "0", "0", "0"};
  const std::string before = folder_.Read("first2QP.txt");
  auto marked = MarkAttempt(first_, {"2", "", "", ""}, 0, today_);
  ASSERT_FALSE(marked.ok());
  EXPECT_NE(marked.error().message.find("no marks"), std::string::npos);
  EXPECT_EQ(folder_.Read("first2QP.txt"), before);
}

TEST_F(AttemptMarkingTest, AFailedWriteIsReportedAndStopsTheRest) {
  first_.files.resultsFile = folder_ / "gone" / "fresults2QP.txt";
  auto marked = MarkAttempt(first_, {"2", "", "", ""}, 0, today_);
  ASSERT_FALSE(marked.ok());
  EXPECT_EQ(Line("marks2QP.txt", "FST"), "#FST#>0>0>0>0>0");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#\r\n");
}

TEST_F(AttemptMarkingTest, AnswersThatDoNotLineUpAreRefused) {
  EXPECT_FALSE(MarkAttempt(first_, {"2"}, 0, today_).ok());
  EXPECT_FALSE(StoreOpenAnswers(first_, {"2"}).ok());
}

// A first attempt writes the journal (write 1), then the answers (2), the results (3), the trend
// (4) and last the marks (5); a failing write may even have replaced its file.
class FailedMarking : public AttemptMarkingTest,
                      public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(FailedMarking, LeavesEveryFileAsItWasAndSaysSo) {
  const auto [failing, lands] = GetParam();
  const auto before = Snapshot();
  auto marked =
      MarkAttempt(first_, answers_, 425, today_, FailingWriter(failing, failing, lands).writer());
  ASSERT_FALSE(marked.ok());
  EXPECT_NE(marked.error().message.find("Nothing was marked"), std::string::npos);
  EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(AnyWrite, FailedMarking,
                         ::testing::Combine(::testing::Values(1, 2, 3, 4, 5), ::testing::Bool()));

// A file that turned unreadable after the paper was opened: here a folder stands in its place.
class UnreadableResultFile : public AttemptMarkingTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(UnreadableResultFile, StopsMarkingBeforeAnyWrite) {
  std::filesystem::remove(folder_ / GetParam());
  std::filesystem::create_directory(folder_ / GetParam());
  const auto before = Snapshot();
  auto marked = MarkAttempt(first_, answers_, 425, today_);
  ASSERT_FALSE(marked.ok());
  EXPECT_NE(marked.error().message.find(GetParam()), std::string::npos);
  EXPECT_NE(marked.error().message.find("Nothing was marked"), std::string::npos);
  EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(EachFile, UnreadableResultFile,
                         ::testing::Values("first2QP.txt", "fresults2QP.txt", "trend2QP.txt",
                                           "marks2QP.txt"));

// Killed after k of the five writes, then started again: the paper is either not marked, with
// every file as before, or marked in every file.
class KilledMarking : public AttemptMarkingTest, public ::testing::WithParamInterface<int> {};

TEST_P(KilledMarking, IsWholeOrUndoneAfterTheNextStart) {
  const auto before = Snapshot();
  MarkAttempt(first_, answers_, 425, today_, FailingWriter(GetParam() + 1).writer());
  ASSERT_TRUE(FinishJointWrite(JointWriteJournal(folder_.path()), AtomicFileWriter()).ok());
  if (GetParam() < 5) {
    EXPECT_EQ(Snapshot(), before);
    return;
  }
  EXPECT_EQ(Line("first2QP.txt", "103"), "#103#>2>1,500,109>qp>23/4");
  EXPECT_EQ(Line("fresults2QP.txt", "103"), "#103#>" + kT + ">" + kT + ">" + kT + ">" + kX);
  EXPECT_EQ(Line("marks2QP.txt", "FST"), "#FST#>0>0>1>0>0");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#>81.2\r\n");
}

INSTANTIATE_TEST_SUITE_P(AfterEachWrite, KilledMarking, ::testing::Values(0, 1, 2, 3, 4, 5));

TEST_F(AttemptMarkingTest, AMarkingLeftHalfDoneIsUndoneBeforeTheNextOne) {
  // Killed after the answers and results of paper 103 were written.
  MarkAttempt(first_, answers_, 425, today_, FailingWriter(4).writer());
  OpenPaper other = first_;
  other.choice.paperKey = PaperKey::AtIndex(4);
  other.attempt.keys = other.attempt.marks = {"1"};
  other.attempt.types = {"Q"};
  ASSERT_TRUE(MarkAttempt(other, {"1"}, 60, today_).ok());
  EXPECT_EQ(Line("fresults2QP.txt", "103"), "#103#>>>>");
  EXPECT_EQ(Line("marks2QP.txt", "FST"), "#FST#>0>0>0>1>0");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#>100\r\n");
}

}  // namespace
}  // namespace quillory
