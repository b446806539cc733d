#include <gtest/gtest.h>

#include <regex>
#include <tuple>

#include "../support/temp_folder.h"
#include "package_check.h"
#include "quillory/assets/embedded_package.h"
#include "quillory/content/mhtml.h"
#include "quillory/content/paper_tables.h"
#include "quillory/content/subject_catalogue.h"

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

TEST_F(ShippedContent, FractionsCarryTheirTellingKeys) {
  for (const auto& [key, id, answer, type] :
       {std::tuple{"111", "22134", "29/36", "F"}, std::tuple{"113", "22180", "2 3/4", "X"}}) {
    const PaperTables paper = Paper(2, key);
    std::size_t blank = 0;
    bool found = false;
    for (std::size_t page = 0; page < paper.questionIds.size() && !found; ++page) {
      if (paper.questionIds[page] == id) {
        EXPECT_EQ(paper.answerKeys[blank], answer);
        EXPECT_EQ(paper.answerTypes[blank], type);
        found = true;
      }
      blank += static_cast<std::size_t>(paper.blanksPerPage[page]);
    }
    EXPECT_TRUE(found) << id << " is not in paper " << key;
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

TEST_F(ShippedContent, TheGroupedStatesOfMatterQuestionHasThreePairs) {
  for (int n = 1; n <= 5; ++n) {
    const PaperTables paper = Paper(3, std::to_string(100 + n));
    std::size_t blank = 0;
    for (std::size_t page = 0; page < paper.questionIds.size(); ++page) {
      if (paper.questionIds[page] == "18064") {
        const RecordList keys(paper.answerKeys.begin() + static_cast<long>(blank),
                              paper.answerKeys.begin() + static_cast<long>(blank) + 6);
        EXPECT_EQ(keys, (RecordList{";Sand;Wood", " ", ";Ink;Oil", " ", ";Wind;Hydrogen", " "}));
        EXPECT_EQ(paper.blanksPerPage[page], 6);
        EXPECT_EQ(RecordList(paper.answerTypes.begin() + static_cast<long>(blank),
                             paper.answerTypes.begin() + static_cast<long>(blank) + 6),
                  RecordList(6, "G"));
        return;
      }
      blank += static_cast<std::size_t>(paper.blanksPerPage[page]);
    }
  }
  FAIL() << "question 18064 is in no paper of the first Science topic";
}

// Every written paper of the first topics has 15 to 70 blanks; papers of later topics come with
// their own question banks and open to a message until then.
TEST_F(ShippedContent, WrittenPapersHaveAPapersWorthOfBlanks) {
  for (int s = 1; s <= 3; ++s) {
    for (int n = 1; n <= 5; ++n) {
      const PaperTables paper = Paper(s, std::to_string(100 + n));
      EXPECT_GE(paper.blankCount(), 15) << "subject " << s << " paper " << 100 + n;
      EXPECT_LE(paper.blankCount(), 70) << "subject " << s << " paper " << 100 + n;
    }
  }
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
