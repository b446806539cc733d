#include "quillory/content/paper_tables.h"

#include <functional>
#include <system_error>

namespace quillory {
namespace {

// Extracts one table to the shared temporary file, reads it and deletes it again.
template <typename T>
Result<T> WithTable(const ContentPackage& package, const std::filesystem::path& dataFolder,
                    std::uint16_t id,
                    const std::function<Result<T>(const std::filesystem::path&)>& read) {
  const std::filesystem::path path = dataFolder / "temptext.txt";
  if (const int code = ExtractResource(package, id, path); code != 0) {
    return Error{code, "Quillory cannot open this paper: " + ExtractResourceMessage(code)};
  }
  Result<T> result = read(path);
  std::error_code ec;
  std::filesystem::remove(path, ec);
  return result;
}

Error NotReady() { return Error{0, "This paper is not ready yet. Please choose another paper."}; }

}  // namespace

std::uint16_t SubjectTableId(int subject, SubjectTable table) {
  return static_cast<std::uint16_t>(30000 + 10 * subject + static_cast<int>(table));
}

std::uint16_t ResultTemplateId(int subject, int k) {
  return static_cast<std::uint16_t>(30100 + 10 * subject + k);
}

std::filesystem::path QuestionPagePath(const std::filesystem::path& dataFolder,
                                       const std::string& questionId) {
  return dataFolder / ("temppaper" + questionId + ".mht");
}

Result<PaperTables> LoadPaperTables(const ContentPackage& package,
                                    const std::filesystem::path& dataFolder, int subject,
                                    const std::string& paperKey) {
  PaperTables paper;
  using Path = const std::filesystem::path&;

  auto ids =
      WithTable<RecordList>(package, dataFolder, SubjectTableId(subject, SubjectTable::PaperList),
                            [&](Path path) { return ReadWholeRecordList(path, paperKey); });
  if (!ids) return ids.error().code == 0 ? NotReady() : ids.error();
  paper.questionIds = std::move(ids).value();
  if (paper.questionIds.empty()) return NotReady();

  auto counts = WithTable<std::vector<int>>(package, dataFolder,
                                            SubjectTableId(subject, SubjectTable::AnswerKey),
                                            [&](Path path) -> Result<std::vector<int>> {
                                              auto keys = ReadJoinedLists(path, paper.questionIds);
                                              if (!keys) return keys.error();
                                              paper.answerKeys = std::move(keys).value();
                                              return CountRecordValues(path, paper.questionIds);
                                            });
  if (!counts) return counts.error();
  paper.blanksPerPage = std::move(counts).value();

  for (auto [table, list] : {std::pair{SubjectTable::AnswerTypes, &paper.answerTypes},
                             std::pair{SubjectTable::Marks, &paper.marks}}) {
    auto values =
        WithTable<RecordList>(package, dataFolder, SubjectTableId(subject, table),
                              [&](Path path) { return ReadJoinedLists(path, paper.questionIds); });
    if (!values) return values.error();
    *list = std::move(values).value();
  }
  if (paper.answerTypes.size() != paper.answerKeys.size() ||
      paper.marks.size() != paper.answerKeys.size()) {
    return Error{0, "The answers of paper " + paperKey + " do not line up; it cannot be opened."};
  }
  if (package.Member(SubjectTableId(subject, SubjectTable::Explanations))) {
    auto explanations = WithTable<RecordList>(
        package, dataFolder, SubjectTableId(subject, SubjectTable::Explanations),
        [&](Path path) { return ReadJoinedLists(path, paper.questionIds); });
    if (explanations && explanations->size() == paper.answerKeys.size()) {
      paper.explanations = std::move(explanations).value();
    }
  }
  return paper;
}

}  // namespace quillory
