#include "quillory/session/practice_session.h"

#include <gtest/gtest.h>

#include <map>

#include "../support/sample_package.h"
#include "../support/temp_folder.h"
#include "quillory/content/subject_catalogue.h"
#include "quillory/marking/answer_check.h"
#include "quillory/results/result_file_check.h"

namespace quillory {
namespace {

using testing::SamplePackage;
using testing::TempFolder;

const std::string kT(kTick);
const std::string kX(kCross);
constexpr std::int64_t kOpenedAt = 1'000'000;
constexpr MarkingDay kToday{9, 12, 2026};

// Paper 101 of subject 1 has three pages of 1, 3 and 2 blanks: blanks 1 | 2 3 4 | 5 6.
std::map<std::uint16_t, std::string> Members() {
  auto m = SamplePackage::Members();
  m[30012] = SamplePackage::Table("#101#>12001>12002>12003\r\n#102#>12301\r\n");
  m[30013] = SamplePackage::Table(
      "#12001#>2\r\n#12002#>cat>;PQ;QP>dog\r\n#12003#>7>8\r\n"
      "#12301#>a>in>have>are>because>from>however>on>by>is\r\n");
  m[30014] = SamplePackage::Table(
      "#12001#>Q\r\n#12002#>T>M>T\r\n#12003#>N>N\r\n#12301#>T>T>T>T>T>T>T>T>T>T\r\n");
  m[30015] = SamplePackage::Table(
      "#12001#>1\r\n#12002#>1>1>1\r\n#12003#>1>1\r\n#12301#>1>1>1>1>1>1>1>1>1>1\r\n");
  m[30016] = SamplePackage::Table(
      "#12001#>Two is right.\r\n#12002#>A cat.>PQ or QP.>A dog.\r\n#12003#>3 + 4 = 7>4 \xD7 2 = "
      "8\r\n#12301#>a>b>c>d>e>f>g>h>i>j\r\n");
  return m;
}

class PracticeSessionTest : public ::testing::Test {
 protected:
  PracticeSessionTest() : package_(Members()) {
    const SubjectCatalogue catalogue = *LoadProductHeader(*package_, folder_.path());
    EnsureResultFiles(*package_, folder_.path(), catalogue, "test");
  }

  PracticeSession Open(int attempt = 1, int key = 1) {
    auto session = PracticeSession::Open(
        *package_, folder_.path(), {1, "QP", 2, 1, "Grammar", PaperKey::AtIndex(key), attempt},
        kOpenedAt);
    EXPECT_TRUE(session.ok()) << session.error().message;
    return std::move(session).value();
  }

  std::string Line(const std::string& file, const std::string& key) const {
    const std::string bytes = folder_.Read(file);
    for (std::string_view line : SplitLines(bytes)) {
      if (line.rfind("#" + key + "#", 0) == 0) return std::string(line);
    }
    return "<none>";
  }

  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
      const std::string name = entry.path().filename().string();
      entries[name] = entry.is_directory() ? "<folder>" : folder_.Read(name);
    }
    return entries;
  }

  // Marks a first attempt of paper 101 answered `answers`, page by page.
  void MarkFirstAttempt(const std::vector<RecordList>& pages) {
    PracticeSession first = Open();
    for (int p = 1; p <= 3; ++p) {
      ASSERT_TRUE(first.GoToPage(p, p == 1 ? RecordList{} : pages[p - 2]).ok());
    }
    ASSERT_TRUE(first.MarkingQuestion(pages[2]).ok());
    ASSERT_TRUE(first.Mark(kOpenedAt + 65, kToday).ok());
  }

  TempFolder folder_;
  SamplePackage package_;
};

TEST_F(PracticeSessionTest, OpensOnPageOneWithEveryPageRemaining) {
  const PracticeSession session = Open();
  EXPECT_EQ(session.currentPage(), 1);
  EXPECT_EQ(session.pageCount(), 3);
  EXPECT_EQ(session.currentQuestion(), "12001");
  EXPECT_EQ(session.paper().blankCount(), 6);
  EXPECT_EQ(session.paper().BlankOffset(3), 4);
  EXPECT_EQ(session.paper().PageOfBlank(4), 2);
  EXPECT_EQ(session.remainingPages(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(session.answeredCount(), 0);
  EXPECT_FALSE(session.canGoBack());
  EXPECT_TRUE(session.canGoNext());
  EXPECT_TRUE(session.canSave());
  EXPECT_TRUE(session.canMark());
  EXPECT_EQ(session.clockText(kOpenedAt + 7 * 60 + 5), "0:7:5");
}

// What the stored answers make of the remaining list and the answered count.
struct Stored {
  const char* line;  // the paper's line of the answers file
  std::vector<int> remaining;
  int answered;
};
void PrintTo(const Stored& stored, std::ostream* out) { *out << '"' << stored.line << '"'; }

class RemainingPages : public PracticeSessionTest, public ::testing::WithParamInterface<Stored> {};

TEST_P(RemainingPages, ListEveryPageWithABlankStillEmptyOnce) {
  folder_.Write("first1QP.txt", std::string(GetParam().line) + "\r\n#102#>>>>>>>>>>\r\n");
  const PracticeSession session = Open();
  EXPECT_EQ(session.remainingPages(), GetParam().remaining);
  EXPECT_EQ(session.answeredCount(), GetParam().answered);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RemainingPages,
    ::testing::Values(Stored{"#101#>>>>>>", {1, 2, 3}, 0}, Stored{"#101#>2>cat>pq>dog>7>8", {}, 6},
                      Stored{"#101#>2>cat>>dog>7>8", {2}, 5},     // one empty blank mid-page
                      Stored{"#101#>2>  >pq>dog>7>8", {2}, 6},    // spaces count, yet remain
                      Stored{"#101#>>cat>pq>dog>>8", {1, 3}, 4},  // pages in order, each once
                      Stored{"#101#>2>cat", {2, 3}, 2},           // a short line: the rest empty
                      Stored{"", {1, 2, 3}, 0}));                 // no line at all

TEST_F(PracticeSessionTest, APageChangeStoresThePageAndOnlyThatPage) {
  PracticeSession session = Open();
  ASSERT_TRUE(session.GoToPage(2, {"2"}).ok());
  EXPECT_EQ(Line("first1QP.txt", "101"), "#101#>2>>>>>");
  EXPECT_EQ(session.currentQuestion(), "12002");
  EXPECT_EQ(session.remainingPages(), (std::vector<int>{2, 3}));
  ASSERT_TRUE(session.GoToPage(3, {"cat", "", "dog"}).ok());
  EXPECT_EQ(Line("first1QP.txt", "101"), "#101#>2>cat>>dog>>");
  EXPECT_TRUE(session.canGoBack());
  EXPECT_FALSE(session.canGoNext());
  // Pages outside the paper change nothing and store nothing.
  const auto before = Snapshot();
  EXPECT_TRUE(session.GoToPage(4, {"7", "8"}).ok());
  EXPECT_TRUE(session.GoToPage(0, {"7", "8"}).ok());
  EXPECT_EQ(session.currentPage(), 3);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(Line("marks1QP.txt", "FST"), "#FST#>0>0");
}

TEST_F(PracticeSessionTest, ReopeningStartsOnPageOneWithWhatWasStoredButNotWhatWasTyped) {
  {
    PracticeSession session = Open();
    ASSERT_TRUE(session.GoToPage(2, {"2"}).ok());
    ASSERT_TRUE(session.Save({"cat", "pq", ""}).ok());
    ASSERT_TRUE(session.GoToPage(3, {"cat", "pq", ""}).ok());
    session.Close();  // typed on page 3, never stored
    EXPECT_TRUE(session.StoreCurrentAnswers({"7", "8"}).ok());
  }
  const PracticeSession again = Open();
  EXPECT_EQ(again.currentPage(), 1);
  EXPECT_EQ(again.paper().answers, (RecordList{"2", "cat", "pq", "", "", ""}));
  EXPECT_EQ(again.remainingPages(), (std::vector<int>{2, 3}));
}

struct Question {
  RecordList lastPage;  // typed on page 3, pages 1 and 2 answered
  const char* asks;
};
void PrintTo(const Question& question, std::ostream* out) { *out << question.asks; }

class MarkingQuestion : public PracticeSessionTest,
                        public ::testing::WithParamInterface<Question> {};

TEST_P(MarkingQuestion, StoresTheAnswersFirstAndWarnsOfEmptyBlanks) {
  PracticeSession session = Open();
  ASSERT_TRUE(session.GoToPage(2, {"2"}).ok());
  ASSERT_TRUE(session.GoToPage(3, {"cat", "pq", "dog"}).ok());
  auto question = session.MarkingQuestion(GetParam().lastPage);
  ASSERT_TRUE(question.ok());
  EXPECT_EQ(*question, GetParam().asks);
  EXPECT_EQ(Line("first1QP.txt", "101"),
            "#101#>2>cat>pq>dog>" + GetParam().lastPage[0] + ">" + GetParam().lastPage[1]);
  EXPECT_FALSE(session.marked());
  EXPECT_EQ(Line("marks1QP.txt", "FST"), "#FST#>0>0");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MarkingQuestion,
    ::testing::Values(Question{{"7", "8"}, "Do you want to mark your practice now?"},
                      Question{{"7", ""},
                               "You have not answered all the questions.  Do you still want to "
                               "mark your practice?"}));

TEST_F(PracticeSessionTest, MarkingFixesTheAnswersAndShowsTheScore) {
  PracticeSession session = Open();
  ASSERT_TRUE(session.GoToPage(3, {"2"}).ok());
  ASSERT_TRUE(session.MarkingQuestion({"7", "9"}).ok());
  auto marked = session.Mark(kOpenedAt + 65, kToday);
  ASSERT_TRUE(marked.ok()) << marked.error().message;
  EXPECT_TRUE(session.marked());
  EXPECT_EQ(session.paper().results, (RecordList{kT, kX, kX, kX, kT, kX}));
  EXPECT_EQ(session.paper().score, "33.3");
  EXPECT_EQ(session.paper().timeTaken, "0:1:5");
  EXPECT_EQ(session.paper().dateDone, "09/12/2026");
  EXPECT_EQ(Line("marks1QP.txt", "FST"), "#FST#>1>0");
  EXPECT_FALSE(session.canSave());
  EXPECT_FALSE(session.canMark());
  // Once marked the answers are those of the moment of marking.
  const auto before = Snapshot();
  EXPECT_TRUE(session.StoreCurrentAnswers({"8", "8"}).ok());
  EXPECT_TRUE(session.GoToPage(1, {"8", "8"}).ok());
  EXPECT_FALSE(session.Mark(kOpenedAt + 70, kToday).ok());
  EXPECT_EQ(Snapshot(), before);
  // A marked paper reopens marked.
  const PracticeSession again = Open();
  EXPECT_TRUE(again.marked());
  EXPECT_EQ(again.paper().score, "33.3");
  EXPECT_EQ(again.paper().results, session.paper().results);
}

TEST_F(PracticeSessionTest, AFailedMarkingLeavesThePaperUnmarkedAndEditable) {
  PracticeSession session = Open();
  ASSERT_TRUE(session.MarkingQuestion({"2"}).ok());
  std::filesystem::remove(folder_ / "trend1QP.txt");
  std::filesystem::create_directory(folder_ / "trend1QP.txt");
  auto marked = session.Mark(kOpenedAt + 5, kToday);
  ASSERT_FALSE(marked.ok());
  EXPECT_NE(marked.error().message.find("Nothing was marked"), std::string::npos);
  EXPECT_FALSE(session.marked());
  EXPECT_TRUE(session.canMark());
  EXPECT_EQ(session.paper().score, "");
  ASSERT_TRUE(session.StoreCurrentAnswers({"3"}).ok());
  EXPECT_EQ(Line("first1QP.txt", "101"), "#101#>3>>>>>");
}

// A closed session is gone for the pupil: whatever reaches it afterwards writes nothing.
TEST_F(PracticeSessionTest, NothingIsWrittenOnceClosed) {
  PracticeSession session = Open();
  ASSERT_TRUE(session.MarkingQuestion({"2"}).ok());
  const auto before = Snapshot();
  session.Close();
  EXPECT_TRUE(session.closed());
  EXPECT_FALSE(session.canSave());
  EXPECT_FALSE(session.canMark());
  EXPECT_TRUE(session.StoreCurrentAnswers({"3"}).ok());
  EXPECT_TRUE(session.Save({"3"}).ok());
  EXPECT_TRUE(session.GoToPage(2, {"3"}).ok());
  EXPECT_FALSE(session.Mark(kOpenedAt + 5, kToday).ok());
  EXPECT_FALSE(session.marked());
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(PracticeSessionTest, TheSecondAttemptCarriesRightAnswersOver) {
  MarkFirstAttempt({{"2"}, {"cat", "qp", "cow"}, {"7", ""}});
  PracticeSession second = Open(2);
  EXPECT_TRUE(second.secondAttempt());
  EXPECT_FALSE(second.marked());
  EXPECT_EQ(second.paper().answers, (RecordList{"2", "cat", "qp", "", "7", ""}));
  EXPECT_EQ(second.paper().results, (RecordList{kT, kT, kT, "", kT, ""}));
  EXPECT_EQ(second.remainingPages(), (std::vector<int>{2, 3}));
  EXPECT_EQ(second.answeredCount(), 4);
  for (int blank : {1, 2, 3, 5}) EXPECT_TRUE(second.paper().CarriedOver(blank)) << blank;
  for (int blank : {4, 6}) EXPECT_FALSE(second.paper().CarriedOver(blank)) << blank;
  // Only the blanks not carried over count as unanswered.
  ASSERT_TRUE(second.GoToPage(2, {"2"}).ok());
  auto question = second.MarkingQuestion({"cat", "qp", "dog"});
  ASSERT_TRUE(question.ok());
  EXPECT_EQ(*question, std::string("You have not answered all the questions.  Do you still want "
                                   "to mark your practice?"));
  ASSERT_TRUE(second.GoToPage(3, {"cat", "qp", "dog"}).ok());
  EXPECT_EQ(*second.MarkingQuestion({"7", "9"}), "Do you want to mark your practice now?");
  ASSERT_TRUE(second.Mark(kOpenedAt + 30, kToday).ok());
  EXPECT_EQ(second.paper().results, (RecordList{kT, kT, kT, kT, kT, kX}));
  EXPECT_EQ(second.paper().score, "83.3");
  EXPECT_EQ(second.paper().timeTaken, "");
  EXPECT_EQ(second.expectedAnswer(6), "8");
  EXPECT_EQ(Line("marks1QP.txt", "SSE"), "#SSE#>83.3>");
  EXPECT_EQ(Line("marks1QP.txt", "SST"), "#SST#>1>0");
  EXPECT_EQ(Line("marks1QP.txt", "FSE"), "#FSE#>66.7>");
  EXPECT_EQ(Line("second1QP.txt", "101"), "#101#>2>cat>qp>dog>7>9");
  EXPECT_EQ(folder_.Read("trend1QP.txt"), "#TRD#>66.7\r\n");
}

// Worked answers would turn the retry into copying, so they wait until no try is left.
TEST_F(PracticeSessionTest, WorkedAnswersWaitUntilThePracticeIsOver) {
  EXPECT_FALSE(Open().paper().PracticeOver());
  EXPECT_EQ(Open().paper().Explanation(1), "");
  MarkFirstAttempt({{"2"}, {"cat", "qp", "cow"}, {"7", ""}});
  EXPECT_FALSE(Open().paper().PracticeOver()) << "a retry is still offered";
  EXPECT_EQ(Open().paper().Explanation(6), "");
  PracticeSession second = Open(2);
  EXPECT_EQ(second.paper().Explanation(6), "");
  ASSERT_TRUE(second.MarkingQuestion({"2"}).ok());
  ASSERT_TRUE(second.Mark(kOpenedAt + 30, kToday).ok());
  EXPECT_TRUE(second.paper().PracticeOver());
  EXPECT_EQ(second.paper().Explanation(6), "4 \xD7 2 = 8");
  EXPECT_EQ(second.paper().Explanation(7), "");
  // Both attempts reopen with them.
  EXPECT_EQ(Open(2).paper().Explanation(3), "PQ or QP.");
  EXPECT_EQ(Open(1).paper().Explanation(1), "Two is right.");
}

TEST_F(PracticeSessionTest, AFullScoreOffersNoRetryAndShowsTheWorkedAnswersAtOnce) {
  PracticeSession session = Open();
  ASSERT_TRUE(session.GoToPage(2, {"2"}).ok());
  ASSERT_TRUE(session.GoToPage(3, {"cat", "QP", "dog"}).ok());
  ASSERT_TRUE(session.MarkingQuestion({"7", "8"}).ok());
  ASSERT_TRUE(session.Mark(kOpenedAt + 30, kToday).ok());
  EXPECT_EQ(session.paper().score, "100");
  EXPECT_EQ(session.paper().Explanation(2), "A cat.");
  EXPECT_EQ(Open().paper().Explanation(5), "3 + 4 = 7");
}

TEST_F(PracticeSessionTest, APackageWithoutWorkedAnswersStillOpensAndShowsNone) {
  for (const char* table : {"", "#12001#>only one\r\n#12002#>a\r\n"}) {
    auto members = Members();
    if (*table == 0) {
      members.erase(30016);
    } else {
      members[30016] = SamplePackage::Table(table);  // does not line up with the keys
    }
    SamplePackage package(members);
    TempFolder folder;
    EnsureResultFiles(*package, folder.path(), *LoadProductHeader(*package, folder.path()), "test");
    auto session = PracticeSession::Open(
        *package, folder.path(), {1, "QP", 2, 1, "Grammar", PaperKey::AtIndex(1), 1}, kOpenedAt);
    ASSERT_TRUE(session.ok()) << session.error().message;
    EXPECT_TRUE(session->paper().explanations.empty()) << table;
  }
}

TEST_F(PracticeSessionTest, AWrongGroupAnswerExpectsTheFirstAlternative) {
  MarkFirstAttempt({{"1"}, {"cat", "pr", "dog"}, {"7", "8"}});
  PracticeSession second = Open(2);
  ASSERT_TRUE(second.GoToPage(2, {"1"}).ok());
  ASSERT_TRUE(second.MarkingQuestion({"cat", "rs", "dog"}).ok());
  ASSERT_TRUE(second.Mark(kOpenedAt, kToday).ok());
  EXPECT_EQ(second.expectedAnswer(3), "PQ");
  EXPECT_EQ(second.paper().results[2], kX);
}

struct Refused {
  int key;
  int paperCount;
  const char* says;
};
void PrintTo(const Refused& refused, std::ostream* out) { *out << "paper " << refused.key; }

class AnOpeningThatFails : public PracticeSessionTest,
                           public ::testing::WithParamInterface<Refused> {};

TEST_P(AnOpeningThatFails, SaysWhyAndWritesNothing) {
  const auto before = Snapshot();
  auto session = PracticeSession::Open(
      *package_, folder_.path(),
      {1, "QP", GetParam().paperCount, 1, "Grammar", PaperKey::AtIndex(GetParam().key), 1}, 0);
  ASSERT_FALSE(session.ok());
  EXPECT_NE(session.error().message.find(GetParam().says), std::string::npos)
      << session.error().message;
  EXPECT_EQ(Snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Papers, AnOpeningThatFails,
                         ::testing::Values(Refused{3, 2, "not ready"},   // not in the paper list
                                           Refused{2, 1, "no place"}));  // past the result files

TEST(PaperKey, IsReadFromItsTextOnce) {
  EXPECT_EQ(PaperKey::FromText("101").index(), 1);
  EXPECT_EQ(PaperKey::FromText("135").text(), "135");
  EXPECT_EQ(PaperKey::AtIndex(7).text(), "107");
  for (const char* text : {"", "100", "99", "10x", " 101", "-101"}) {
    EXPECT_FALSE(PaperKey::FromText(text).valid(50)) << text;
  }
  EXPECT_FALSE(PaperKey::AtIndex(36).valid(35));
}

}  // namespace
}  // namespace quillory
