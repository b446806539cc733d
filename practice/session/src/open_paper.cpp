#include "quillory/session/open_paper.h"

#include <algorithm>
#include <charconv>

#include "quillory/content/paper_tables.h"
#include "quillory/marking/answer_check.h"
#include "quillory/results/result_files.h"

namespace quillory {
namespace {

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The first n values of the paper's line of a results or answers file; a line that is missing or
// short leaves empty values, so nothing read is lost and nothing is read out of bounds.
Result<RecordList> PaperLine(const std::filesystem::path& file, const PaperChoice& choice, int n) {
  auto lines = ReadNumberedLines(file, choice.paperCount);
  if (!lines) return lines.error();
  const int index = choice.paperKey.index();
  if (index < 1 || index > static_cast<int>(lines->size())) {
    return Error{0,
                 "Paper " + choice.paperKey.text() + " has no line in \"" + file.string() + "\"."};
  }
  const std::string& line = (*lines)[static_cast<std::size_t>(index - 1)];
  const int available =
      line.empty() ? 0 : static_cast<int>(std::count(line.begin(), line.end(), '>'));
  RecordList values;
  if (available > 0) {
    auto split = SplitRecordLine(line, std::min(available, n), kBlankCapacity);
    if (!split) return split.error();
    values = std::move(split).value();
  }
  values.resize(static_cast<std::size_t>(n));
  return values;
}

std::string MarksValue(const std::filesystem::path& marks, const char* key, int paperCount,
                       int index) {
  auto list = ReadRecordList(marks, key, paperCount, kPaperCapacity);
  return list && index >= 1 && index <= static_cast<int>(list->size())
             ? (*list)[static_cast<std::size_t>(index - 1)]
             : std::string();
}

}  // namespace

int OpenPaper::BlankOffset(int page) const {
  int offset = 0;
  for (int p = 1; p < page && p <= pageCount(); ++p)
    offset += blanksPerPage[static_cast<std::size_t>(p - 1)];
  return offset;
}

int OpenPaper::BlanksOn(int page) const {
  return page >= 1 && page <= pageCount() ? blanksPerPage[static_cast<std::size_t>(page - 1)] : 0;
}

int OpenPaper::PageOfBlank(int blank) const {
  int total = 0;
  for (int p = 1; p <= pageCount(); ++p) {
    total += blanksPerPage[static_cast<std::size_t>(p - 1)];
    if (total >= blank) return p;
  }
  return pageCount();
}

std::vector<int> OpenPaper::RemainingPages() const {
  std::vector<int> remaining;
  for (int i = 1; i <= static_cast<int>(answers.size()); ++i) {
    if (!TrimSpaces(answers[static_cast<std::size_t>(i - 1)]).empty()) continue;
    const int page = PageOfBlank(i);
    if (remaining.empty() || remaining.back() != page) remaining.push_back(page);
  }
  return remaining;
}

int OpenPaper::AnsweredCount() const {
  return static_cast<int>(std::count_if(answers.begin(), answers.end(),
                                        [](const std::string& a) { return !a.empty(); }));
}

bool OpenPaper::PracticeOver() const {
  if (retryMarked || (secondAttempt() && marked)) return true;
  if (secondAttempt() || !marked) return false;
  // The home window offers a retry for a first score of 99 or less; an unreadable score counts
  // as none, so the retry stays a real try.
  double value = 0;
  const auto [end, error] = std::from_chars(score.data(), score.data() + score.size(), value);
  return error == std::errc() && end != score.data() && value > 99;
}

std::string OpenPaper::ExpectedAnswer(int blank) const {
  return quillory::ExpectedAnswer(answers, attempt.keys, attempt.types, blank);
}

std::string OpenPaper::Explanation(int blank) const {
  if (!PracticeOver() || blank < 1 || blank > static_cast<int>(explanations.size())) return {};
  return explanations[static_cast<std::size_t>(blank - 1)];
}

int OpenPaper::PaperInTopic() const { return choice.paperKey.index() - choice.topicStart + 1; }

Result<OpenPaper> LoadOpenPaper(const ContentPackage& package,
                                const std::filesystem::path& dataFolder,
                                const PaperChoice& choice) {
  auto tables = LoadPaperTables(package, dataFolder, choice.subject, choice.paperKey.text());
  if (!tables) return tables.error();
  if (!choice.paperKey.valid(choice.paperCount)) {
    return Error{0, "Paper " + choice.paperKey.text() +
                        " has no place in the result files, so it cannot be opened."};
  }
  OpenPaper paper;
  paper.choice = choice;
  paper.pages = tables->questionIds;
  paper.blanksPerPage = tables->blanksPerPage;
  PaperAttempt& attempt = paper.attempt;
  attempt.keys = tables->answerKeys;
  attempt.types = tables->answerTypes;
  attempt.marks = tables->marks;
  paper.explanations = tables->explanations;
  const bool first = choice.attempt == 1;
  auto path = [&](ResultFile file) {
    return ResultFilePath(dataFolder, choice.subject, file, choice.productCode);
  };
  AttemptFiles& files = paper.files;
  files.answersFile = path(first ? ResultFile::FirstAnswers : ResultFile::SecondAnswers);
  files.resultsFile = path(first ? ResultFile::FirstResults : ResultFile::SecondResults);
  files.marksFile = path(ResultFile::Marks);
  files.trendFile = path(ResultFile::Trend);

  const int n = attempt.blankCount();
  auto answers = PaperLine(files.answersFile, choice, n);
  auto results = PaperLine(files.resultsFile, choice, n);
  if (!answers) return answers.error();
  if (!results) return results.error();
  paper.answers = std::move(answers).value();
  paper.results = std::move(results).value();
  if (!first) {
    auto firstAnswers = PaperLine(path(ResultFile::FirstAnswers), choice, n);
    auto firstResults = PaperLine(path(ResultFile::FirstResults), choice, n);
    if (!firstAnswers) return firstAnswers.error();
    if (!firstResults) return firstResults.error();
    attempt.firstResults = std::move(firstResults).value();
    for (int i = 1; i <= n; ++i) {
      const auto at = static_cast<std::size_t>(i - 1);
      if (attempt.firstResults[at] == kTick) {
        paper.answers[at] = (*firstAnswers)[at];
        paper.results[at] = std::string(kTick);
      }
    }
  }
  const int index = choice.paperKey.index();
  paper.marked =
      MarksValue(files.marksFile, first ? "FST" : "SST", choice.paperCount, index) == "1";
  paper.score = MarksValue(files.marksFile, first ? "FSE" : "SSE", choice.paperCount, index);
  paper.retryMarked = MarksValue(files.marksFile, "SST", choice.paperCount, index) == "1";
  if (first) {
    paper.timeTaken = MarksValue(files.marksFile, "LTM", choice.paperCount, index);
    paper.dateDone = MarksValue(files.marksFile, "CDD", choice.paperCount, index);
  }
  return paper;
}

}  // namespace quillory
