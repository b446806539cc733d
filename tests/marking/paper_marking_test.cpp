#include "quillory/marking/paper_marking.h"

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
class PaperMarkingTest : public ::testing::Test {
 protected:
  PaperMarkingTest() {
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
    second_.firstResults = {kT, kX, kX, kT};
  }

  PaperAttempt Attempt(int attempt) const {
    PaperAttempt a;
    a.attempt = attempt;
    a.paperKey = "103";
    a.paperCount = 5;
    a.keys = {"2", "1500109", ";PQ;QP", "2 3/4"};
    a.types = {"Q", "N", "M", "X"};
    a.marks = {"5", "5", "3", "3"};
    const std::string prefix = attempt == 1 ? "" : "s";
    a.answersFile = folder_ / (attempt == 1 ? "first2QP.txt" : "second2QP.txt");
    a.resultsFile = folder_ / (prefix + (attempt == 1 ? "fresults2QP.txt" : "results2QP.txt"));
    a.marksFile = folder_ / "marks2QP.txt";
    a.trendFile = folder_ / "trend2QP.txt";
    return a;
  }

  std::string Line(const std::string& file, const std::string& key) const {
    const std::string bytes = folder_.Read(file);
    for (std::string_view line : SplitLines(bytes)) {
      if (line.rfind("#" + key + "#", 0) == 0) return std::string(line);
    }
    return "<none>";
  }

  std::map<std::string, std::string> Snapshot() const { return folder_.Snapshot(); }

  const RecordList answers_{"2", "1,500,109", "qp", "23/4"};
  TempFolder folder_;
  PaperAttempt first_;
  PaperAttempt second_;
  const MarkingDay today_{9, 12, 2026};
};

TEST_F(PaperMarkingTest, AFirstAttemptIsJudgedScoredAndStored) {
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

TEST_F(PaperMarkingTest, EveryBlankRightIsAHundredAndNoneIsZero) {
  EXPECT_EQ(MarkAttempt(first_, {"2", "1500109", "PQ", "2 3/4"}, 0, today_)->percentText, "100");
  EXPECT_EQ(MarkAttempt(first_, {"", "", "", ""}, 0, today_)->percentText, "0");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#>100>0\r\n");
}

TEST_F(PaperMarkingTest, ASecondAttemptTouchesOnlyItsOwnEntries) {
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

TEST_F(PaperMarkingTest, StoringAnswersAloneLeavesThePaperUnmarked) {
  ASSERT_TRUE(StoreAttemptAnswers(first_, {"2", "", "PQ", ""}).ok());
  EXPECT_EQ(Line("first2QP.txt", "103"), "#103#>2>>PQ>");
  EXPECT_EQ(Line("marks2QP.txt", "FST"), "#FST#>0>0>0>0>0");
  EXPECT_EQ(Line("fresults2QP.txt", "103"), "#103#>>>>");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#\r\n");
}

// Another window, or erasing all results, may change the files while this paper is open: a write
// of this paper must keep what is on disk for every other paper.
TEST_F(PaperMarkingTest, ChangesMadeSinceThePaperOpenedAreKept) {
  PaperAttempt other = first_;
  other.paperKey = "101";
  other.keys = {"a", "b"};
  other.types = {"T", "T"};
  other.marks = {"1", "1"};
  ASSERT_TRUE(MarkAttempt(other, {"a", "x"}, 30, today_).ok());
  ASSERT_TRUE(MarkAttempt(first_, {"2", "", "", ""}, 60, today_).ok());
  EXPECT_EQ(Line("marks2QP.txt", "FSE"), "#FSE#>50>>31.2>>");
  EXPECT_EQ(Line("marks2QP.txt", "FST"), "#FST#>1>0>1>0>0");
  EXPECT_EQ(Line("first2QP.txt", "101"), "#101#>a>x");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#>50>31.2\r\n");
}

TEST_F(PaperMarkingTest, ErasedResultsAreNotBroughtBack) {
  ASSERT_TRUE(MarkAttempt(first_, {"2", "", "", ""}, 60, today_).ok());
  // The results are erased while paper 103 stays open; saving it again must not restore them.
  folder_.Write("marks2QP.txt",
                "#FSE#>>>>>\r\n#SSE#>>>>>\r\n#LTM#>>>>>\r\n#CDD#>>>>>\r\n#FST#>0>0>0>0>0\r\n#SST#>"
                "0>0>0>0>0\r\n");
  folder_.Write("first2QP.txt", "#101#>>\r\n#102#>>\r\n#103#>>>>\r\n#104#>\r\n#105#>\r\n");
  ASSERT_TRUE(StoreAttemptAnswers(second_, {"2", "15", "", ""}).ok());
  EXPECT_EQ(Line("marks2QP.txt", "FSE"), "#FSE#>>>>>");
  EXPECT_EQ(Line("first2QP.txt", "103"), "#103#>>>>");
}

TEST_F(PaperMarkingTest, AMissingLineIsAddedInItsPlace) {
  folder_.Write("first2QP.txt", "#101#>>\r\n#104#>\r\n");
  ASSERT_TRUE(StoreAttemptAnswers(first_, {"1", "2", "3", "4"}).ok());
  EXPECT_EQ(folder_.Read("first2QP.txt"), "#101#>>\r\n#103#>1>2>3>4\r\n#104#>\r\n");
}

TEST_F(PaperMarkingTest, APaperWithoutMarksIsRefusedAndNothingWritten) {
  first_.marks = {"0", "0", "0", "0"};
  const std::string before = folder_.Read("first2QP.txt");
  auto marked = MarkAttempt(first_, {"2", "", "", ""}, 0, today_);
  ASSERT_FALSE(marked.ok());
  EXPECT_NE(marked.error().message.find("no marks"), std::string::npos);
  EXPECT_EQ(folder_.Read("first2QP.txt"), before);
}

TEST_F(PaperMarkingTest, AFailedWriteIsReportedAndStopsTheRest) {
  first_.resultsFile = folder_ / "gone" / "fresults2QP.txt";
  auto marked = MarkAttempt(first_, {"2", "", "", ""}, 0, today_);
  ASSERT_FALSE(marked.ok());
  EXPECT_EQ(Line("marks2QP.txt", "FST"), "#FST#>0>0>0>0>0");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#\r\n");
}

TEST_F(PaperMarkingTest, ABlankWithoutAKnownTypeEarnsNothing) {
  first_.types = {"Q", "N", "", "X"};
  auto marked = MarkAttempt(first_, {"2", "1500109", "PQ", "2 3/4"}, 0, today_);
  ASSERT_TRUE(marked.ok());
  EXPECT_EQ(marked->glyphs[2], "");
  EXPECT_EQ(marked->score, 13);
}

TEST_F(PaperMarkingTest, AnswersThatDoNotLineUpAreRefused) {
  EXPECT_FALSE(MarkAttempt(first_, {"2"}, 0, today_).ok());
  EXPECT_FALSE(StoreAttemptAnswers(first_, {"2"}).ok());
}

TEST_F(PaperMarkingTest, TheUnansweredWarningIgnoresCarriedOverBlanks) {
  EXPECT_TRUE(HasUnansweredBlanks(first_, {"2", "", "PQ", "2 3/4"}));
  EXPECT_FALSE(HasUnansweredBlanks(first_, {"2", "1", "PQ", "2 3/4"}));
  EXPECT_FALSE(HasUnansweredBlanks(second_, {"", "1", "PQ", ""}));
  EXPECT_TRUE(HasUnansweredBlanks(second_, {"2", "", "PQ", "2 3/4"}));
}

// A first attempt writes the journal (write 1), then the answers (2), the results (3), the trend
// (4) and last the marks (5); a failing write may even have replaced its file.
class FailedMarking : public PaperMarkingTest,
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
class UnreadableResultFile : public PaperMarkingTest,
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
class KilledMarking : public PaperMarkingTest, public ::testing::WithParamInterface<int> {};

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

TEST_F(PaperMarkingTest, AMarkingLeftHalfDoneIsUndoneBeforeTheNextOne) {
  // Killed after the answers and results of paper 103 were written.
  MarkAttempt(first_, answers_, 425, today_, FailingWriter(4).writer());
  PaperAttempt other = first_;
  other.paperKey = "104";
  other.keys = other.types = other.marks = {"1"};
  other.types = {"Q"};
  ASSERT_TRUE(MarkAttempt(other, {"1"}, 60, today_).ok());
  EXPECT_EQ(Line("fresults2QP.txt", "103"), "#103#>>>>");
  EXPECT_EQ(Line("marks2QP.txt", "FST"), "#FST#>0>0>0>1>0");
  EXPECT_EQ(folder_.Read("trend2QP.txt"), "#TRD#>100\r\n");
}

}  // namespace
}  // namespace quillory
