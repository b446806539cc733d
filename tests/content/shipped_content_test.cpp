#include <gtest/gtest.h>

#include <cctype>
#include <regex>
#include <tuple>

#include "../support/temp_folder.h"
#include "package_check.h"
#include "quillory/assets/embedded_package.h"
#include "quillory/content/mhtml.h"
#include "quillory/content/paper_tables.h"
#include "quillory/content/subject_catalogue.h"
#include "quillory/marking/answer_check.h"
#include "quillory/marking/paper_marking.h"

namespace quillory {
namespace {

using testing::TempFolder;

class ShippedContent : public ::testing::Test {
 protected:
  const ContentPackage package_ = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  TempFolder folder_;

  PaperTables Paper(int subject, const std::string& key) {
    auto paper = LoadPaperTables(package_, folder_.path(), subject, key);
    EXPECT_TRUE(paper.ok()) << "subject " << subject << " paper " << key;
    return paper ? *paper : PaperTables{};
  }
};

TEST_F(ShippedContent, PassesEveryCheck) {
  EXPECT_EQ(pack::CheckPackage(package_), std::vector<std::string>{});
}

TEST_F(ShippedContent, TheHeaderNamesTheSubjectsAndTopics) {
  const SubjectCatalogue catalogue = *LoadProductHeader(package_, folder_.path());
  EXPECT_EQ(catalogue.productCode.size(), 2u);
  const std::array<std::vector<std::string>, 3> topics{
      std::vector<std::string>{"Grammar", "Vocabulary", "Grammar Cloze", "Vocabulary Cloze",
                               "Comprehension MCQ", "Mock Examination"},
      {"Whole Numbers", "Angles, Lines and Graphs", "Fractions", "Decimals", "Area and Perimeter",
       "Solid figures, Symmetry and Volume", "Mock Examination"},
      {"The Three States of Matter", "Water Cycle and Changes in State",
       "Air and Respiratory System", "The Circulatory System", "Energy and Light", "Heat",
       "Mock Examination"}};
  const std::array<std::string, 3> names{"English", "Mathematics", "Science"};
  for (int s = 1; s <= 3; ++s) {
    const SubjectSlot& slot = catalogue.subject(s);
    EXPECT_EQ(slot.name, names[s - 1]);
    ASSERT_EQ(slot.topicCount, static_cast<int>(topics[s - 1].size()));
    EXPECT_EQ(slot.paperCount, 5 * slot.topicCount);
    for (int t = 0; t < slot.topicCount; ++t) EXPECT_EQ(slot.topicNames[t], topics[s - 1][t]);
  }
}

TEST_F(ShippedContent, TheFirstGrammarPaperIsThirtyOneBlankPages) {
  const PaperTables paper = Paper(1, "101");
  ASSERT_EQ(paper.questionIds.size(), 30u);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(paper.questionIds[i], std::to_string(12001 + i));
  EXPECT_EQ(paper.blanksPerPage, std::vector<int>(30, 1));
  EXPECT_EQ(paper.answerKeys[0], "2");
  EXPECT_EQ(paper.answerTypes[0], "Q");
  EXPECT_EQ(paper.marks[0], "1");
}

TEST_F(ShippedContent, TheFirstClozePaperIsThreePagesOfTenBlanks) {
  const PaperTables paper = Paper(1, "111");
  EXPECT_EQ(paper.questionIds, (std::vector<std::string>{"12301", "12302", "12303"}));
  EXPECT_EQ(paper.blanksPerPage, (std::vector<int>{10, 10, 10}));
  EXPECT_EQ(RecordList(paper.answerKeys.begin(), paper.answerKeys.begin() + 10),
            (RecordList{"a", "in", "have", "are", "because", "from", "however", "on", "by", "is"}));
  EXPECT_EQ(RecordList(paper.answerTypes.begin(), paper.answerTypes.begin() + 10),
            RecordList(10, "T"));
}

TEST_F(ShippedContent, TellingRowsStandInAPaperOfTheirTopic) {
  struct Row {
    int subject;
    int topic;  // 1-based: the topic whose papers must hold the page
    const char* id;
    RecordList keys, types, marks;
  };
  for (const Row& row :
       {Row{2, 3, "22134", {"29/36"}, {"F"}, {"1"}}, Row{2, 3, "22180", {"2 3/4"}, {"X"}, {"1"}},
        Row{2, 1, "22031", {"1500109"}, {"N"}, {"1"}},
        Row{2, 2, "22245", {";PQ;QP", ";PQ;QP", "Parallelogram"}, {"M", "M", "T"}, {"1", "1", "1"}},
        Row{3,
            1,
            "18064",
            {";Sand;Wood", " ", ";Ink;Oil", " ", ";Wind;Hydrogen", " "},
            RecordList(6, "G"),
            RecordList(6, "1")}}) {
    bool found = false;
    for (int n = 5 * (row.topic - 1) + 1; n <= 5 * row.topic && !found; ++n) {
      const PaperTables paper = Paper(row.subject, std::to_string(100 + n));
      long blank = 0;
      for (std::size_t page = 0; page < paper.questionIds.size(); ++page) {
        const long count = paper.blanksPerPage[page];
        if (paper.questionIds[page] == row.id) {
          auto slice = [&](const RecordList& list) {
            return RecordList(list.begin() + blank, list.begin() + blank + count);
          };
          EXPECT_EQ(slice(paper.answerKeys), row.keys) << row.id;
          EXPECT_EQ(slice(paper.answerTypes), row.types) << row.id;
          EXPECT_EQ(slice(paper.marks), row.marks) << row.id;
          found = true;
        }
        blank += count;
      }
    }
    EXPECT_TRUE(found) << row.id << " is in no paper of topic " << row.topic;
  }
}

TEST_F(ShippedContent, KeysAreUniqueOnlyWithinASubject) {
  const PaperTables maths = Paper(2, "101");
  ASSERT_EQ(maths.questionIds.size(), 30u);
  EXPECT_EQ(maths.questionIds.front(), "22001");
  EXPECT_EQ(maths.questionIds.back(), "22030");
  const PaperTables next = Paper(2, "102");
  ASSERT_FALSE(next.questionIds.empty());
  EXPECT_EQ(next.questionIds.front(), "22031");
  EXPECT_EQ(next.answerKeys.front(), "1500109");
  EXPECT_EQ(next.answerTypes.front(), "N");
}

struct SubjectBank {
  int subject;
  int maxBlanksOnAPage;
  int mockMarks;
  int firstId, lastId;  // the subject's own range of question ids
};

// Every paper the header promises is written, within the limits a paper of its subject keeps.
TEST_F(ShippedContent, EveryPaperIsWrittenWithAPapersWorthOfBlanks) {
  const SubjectCatalogue catalogue = *LoadProductHeader(package_, folder_.path());
  for (const SubjectBank& bank :
       {SubjectBank{1, 10, 55, 12001, 12512}, SubjectBank{2, 5, 100, 22001, 28999},
        SubjectBank{3, 12, 100, 18001, 18662}}) {
    const int papers = catalogue.subject(bank.subject).paperCount;
    for (int n = 1; n <= papers; ++n) {
      const std::string key = std::to_string(100 + n);
      const std::string where = "subject " + std::to_string(bank.subject) + " paper " + key;
      const PaperTables paper = Paper(bank.subject, key);
      EXPECT_GE(paper.blankCount(), 15) << where;
      EXPECT_LE(paper.blankCount(), 70) << where;
      if (bank.subject == 2) {
        EXPECT_GE(paper.questionIds.size(), 3u) << where;
        EXPECT_LE(paper.questionIds.size(), 57u) << where;
      }
      for (std::size_t page = 0; page < paper.questionIds.size(); ++page) {
        EXPECT_LE(paper.blanksPerPage[page], bank.maxBlanksOnAPage)
            << where << " question " << paper.questionIds[page];
        const int id = std::stoi(paper.questionIds[page]);
        EXPECT_TRUE(id >= bank.firstId && id <= bank.lastId && (id < 23000 || id > 28000))
            << where << " question " << id;
      }
      int marks = 0;
      for (const std::string& mark : paper.marks) marks += std::stoi(mark);
      if (n > papers - 5) {
        EXPECT_EQ(marks, bank.mockMarks) << where << " is a mock examination";
      }
    }
  }
}

// A pupil who knows every answer scores every mark: each key, typed as the pupil would (a
// group's answers shared out over its blanks, text in capitals, numbers with thousands commas),
// is judged right by the marking, and every key can be typed on an ordinary keyboard.
TEST_F(ShippedContent, RightAnswersScoreFullMarksInEveryPaper) {
  const SubjectCatalogue catalogue = *LoadProductHeader(package_, folder_.path());
  for (int s = 1; s <= 3; ++s) {
    for (int n = 1; n <= catalogue.subject(s).paperCount; ++n) {
      const std::string key = std::to_string(100 + n);
      const PaperTables paper = Paper(s, key);
      if (paper.blankCount() == 0) continue;  // reported by the test above
      PaperAttempt attempt;
      attempt.keys = paper.answerKeys;
      attempt.types = paper.answerTypes;
      attempt.marks = paper.marks;
      const RecordList nothing(paper.answerKeys.size());
      for (bool asTyped : {false, true}) {
        RecordList answers;
        for (int i = 1; i <= paper.blankCount(); ++i) {
          std::string answer = ExpectedAnswer(nothing, attempt.keys, attempt.types, i);
          for (char c : answer) {
            EXPECT_TRUE(c >= ' ' && c <= '~') << "subject " << s << " paper " << key << " blank "
                                              << i << ": \"" << answer << "\" cannot be typed";
          }
          const std::string& type = attempt.types[static_cast<std::size_t>(i - 1)];
          if (asTyped && type != "N") {
            for (char& c : answer)
              c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
          } else if (asTyped && answer.size() > 4 && answer.find('.') == std::string::npos) {
            for (auto at = static_cast<long>(answer.size()) - 3; at > 0; at -= 3) {
              answer.insert(static_cast<std::size_t>(at), ",");
            }
          }
          answers.push_back(answer);
        }
        const MarkedAttempt marked = ScoreAnswers(attempt, answers);
        EXPECT_EQ(marked.score, attempt.totalMarks()) << "subject " << s << " paper " << key;
        EXPECT_EQ(marked.glyphs, RecordList(answers.size(), std::string(kTick)))
            << "subject " << s << " paper " << key << (asTyped ? " as typed" : "");
      }
    }
  }
}

TEST_F(ShippedContent, TheThirdMathematicsMockRunsOnPastTheTables) {
  const PaperTables paper = Paper(2, "133");
  std::vector<std::string> expected;
  for (int id = 22956; id <= 22999; ++id) expected.push_back(std::to_string(id));
  for (int id = 28001; id <= 28013; ++id) expected.push_back(std::to_string(id));
  EXPECT_EQ(paper.questionIds, expected);
}

TEST_F(ShippedContent, PagesAreWebArchivesOfBothShapes) {
  const std::regex location(R"(file:///C:/[0-9A-F]{8}/(\d{5})\.htm)");
  int single = 0;
  int multipart = 0;
  for (std::uint16_t id : package_.Ids()) {
    if (id < 10000 || id >= 30000) continue;
    const std::string_view bytes = *package_.Member(id);
    const MhtmlDocument page = DecodeMhtml(bytes);
    ASSERT_NE(page.rootPart(), nullptr) << id;
    std::smatch match;
    ASSERT_TRUE(std::regex_match(page.rootPart()->location, match, location)) << id;
    EXPECT_EQ(match[1], std::to_string(id));
    EXPECT_EQ(page.rootPart()->charset, "us-ascii");
    for (char c : bytes) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "page " << id;
    if (page.parts.size() == 1) {
      ++single;
      continue;
    }
    ++multipart;
    EXPECT_NE(bytes.find("boundary=\"----=_NextPart_"), std::string_view::npos);
    EXPECT_EQ(page.parts.back().contentType, "text/xml");
    EXPECT_TRUE(page.parts.back().location.ends_with(std::to_string(id) + "_files/filelist.xml"));
    for (std::size_t p = 1; p + 1 < page.parts.size(); ++p) {
      const std::string& image = page.parts[p].location;
      const std::string name = image.substr(image.rfind('/') + 1);
      EXPECT_NE(image.find(std::to_string(id) + "_files/image"), std::string::npos);
      EXPECT_NE(page.rootPart()->body.find(std::to_string(id) + "_files/" + name),
                std::string::npos);
    }
  }
  EXPECT_GT(single, 0);
  EXPECT_GT(multipart, 0);
}

}  // namespace
}  // namespace quillory
