#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "quillory/content/content_package.h"
#include "quillory/content/record_file.h"
#include "quillory/content/result.h"

namespace quillory {

// Member ids of a subject's tables and of its result-file templates.
enum class SubjectTable : int {
  PaperList = 2,
  AnswerKey = 3,
  AnswerTypes = 4,
  Marks = 5,
  Explanations = 6,  // the worked answer of each blank, aligned with the answer key
};
std::uint16_t SubjectTableId(int subject, SubjectTable table);
std::uint16_t ResultTemplateId(int subject, int k);

// What a practice window needs of one paper: its pages in order and, aligned blank by blank over
// the whole paper, the expected answers, answer types and marks.
struct PaperTables {
  std::vector<std::string> questionIds;
  std::vector<int> blanksPerPage;
  RecordList answerKeys;
  RecordList answerTypes;
  RecordList marks;
  // Windows-1252 text, or empty when the package carries no worked answers for the paper: they
  // are an addition, and a paper without them still opens.
  RecordList explanations;

  int blankCount() const { return static_cast<int>(answerKeys.size()); }
};

// Reads the tables of paper `paperKey` ("101", ...) of subject `subject`, one table at a time
// through "temptext.txt" in `dataFolder`, which is deleted after each read. Fails with a message
// for the pupil when a table cannot be written out or read, when the paper has no pages yet, or
// when the three lists of the paper do not line up.
Result<PaperTables> LoadPaperTables(const ContentPackage& package,
                                    const std::filesystem::path& dataFolder, int subject,
                                    const std::string& paperKey);

// "temppaper" + id + ".mht" in `dataFolder`: where a question page is written to be shown.
std::filesystem::path QuestionPagePath(const std::filesystem::path& dataFolder,
                                       const std::string& questionId);

}  // namespace quillory
