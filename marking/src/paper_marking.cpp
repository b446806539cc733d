#include "quillory/marking/paper_marking.h"

#include <algorithm>
#include <charconv>

#include "quillory/marking/answer_check.h"
#include "quillory/results/marked_attempt_store.h"
#include "quillory/results/number_text.h"

namespace quillory {
namespace {

int MarksOf(const std::string& text) {
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size() && value > 0 ? value : 0;
}

Status CheckShape(const PaperAttempt& attempt, const RecordList& answers) {
  const std::size_t n = attempt.keys.size();
  if (attempt.types.size() != n || attempt.marks.size() != n || answers.size() != n ||
      (attempt.attempt == 2 && attempt.firstResults.size() != n) || n > kBlankCapacity) {
    return Error{0,
                 "The answers of paper " + attempt.paperKey + " do not line up with its blanks."};
  }
  if (attempt.paperIndex() < 1 || attempt.paperIndex() > attempt.paperCount) {
    return Error{0, "Paper " + attempt.paperKey + " has no place in the result files."};
  }
  return {};
}

}  // namespace

int PaperAttempt::paperIndex() const {
  int key = 0;
  std::from_chars(paperKey.data(), paperKey.data() + paperKey.size(), key);
  return key - 100;
}

int PaperAttempt::totalMarks() const {
  int total = 0;
  for (const auto& mark : marks) total += MarksOf(mark);
  return total;
}

bool PaperAttempt::carriedOver(int blank) const {
  return attempt == 2 && blank >= 1 && blank <= static_cast<int>(firstResults.size()) &&
         firstResults[static_cast<std::size_t>(blank - 1)] == kTick;
}

MarkedAttempt ScoreAnswers(const PaperAttempt& attempt, const RecordList& answers) {
  MarkedAttempt marked;
  const int n = attempt.blankCount();
  marked.glyphs.reserve(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) {
    std::string glyph = JudgeBlank(answers, attempt.keys, attempt.types, i);
    if (glyph == kTick) marked.score += MarksOf(attempt.marks[static_cast<std::size_t>(i - 1)]);
    marked.glyphs.push_back(std::move(glyph));
  }
  marked.scoreText = std::to_string(marked.score);
  marked.percentText = PercentText(marked.score, std::max(attempt.totalMarks(), 1));
  return marked;
}

Status StoreAttemptAnswers(const PaperAttempt& attempt, const RecordList& answers) {
  if (Status shape = CheckShape(attempt, answers); !shape) return shape;
  return UpdateRecordLine(attempt.answersFile, attempt.paperKey, answers,
                          static_cast<int>(answers.size()));
}

bool HasUnansweredBlanks(const PaperAttempt& attempt, const RecordList& answers) {
  for (int i = 1; i <= static_cast<int>(answers.size()); ++i) {
    if (!attempt.carriedOver(i) && answers[static_cast<std::size_t>(i - 1)].empty()) return true;
  }
  return false;
}

Result<MarkedAttempt> MarkAttempt(const PaperAttempt& attempt, const RecordList& answers,
                                  std::int64_t secondsTaken, const MarkingDay& today,
                                  const FileWriter& write) {
  if (Status shape = CheckShape(attempt, answers); !shape) return shape.error();
  const int total = attempt.totalMarks();
  if (total <= 0) {
    return Error{0, "Paper " + attempt.paperKey + " carries no marks, so it cannot be marked."};
  }

  MarkedAttempt marked = ScoreAnswers(attempt, answers);
  std::vector<std::pair<std::string, std::string>> changes;
  if (attempt.attempt == 1) {
    marked.timeTaken = TimeTakenText(secondsTaken);
    marked.dateText = ShortDateText(today.day, today.month, today.year);
    changes = {{"FSE", marked.percentText},
               {"LTM", marked.timeTaken},
               {"CDD", marked.dateText},
               {"FST", "1"}};
  } else {
    changes = {{"SSE", marked.percentText}, {"SST", "1"}};
  }

  MarkedAttemptEntries entries;
  entries.paperKey = attempt.paperKey;
  entries.paperIndex = attempt.paperIndex();
  entries.paperCount = attempt.paperCount;
  entries.answers = answers;
  entries.glyphs = marked.glyphs;
  entries.marks = std::move(changes);
  if (attempt.attempt == 1) entries.trendValue = marked.percentText;
  entries.answersFile = attempt.answersFile;
  entries.resultsFile = attempt.resultsFile;
  entries.marksFile = attempt.marksFile;
  entries.trendFile = attempt.trendFile;
  const JointWriteResult stored = StoreMarkedAttempt(entries, write);
  switch (stored.outcome) {
    case JointWriteOutcome::Written:
      break;
    case JointWriteOutcome::NothingWritten:
      return Error{stored.error.code, stored.error.message +
                                          "\n\nNothing was marked: every result file is as it "
                                          "was before."};
    case JointWriteOutcome::PartlyWritten:
      return Error{stored.error.code,
                   stored.error.message +
                       "\n\nThe paper is not marked, but some result files could not be put "
                       "back as they were; Quillory puts them back when it next starts."};
  }
  return marked;
}

}  // namespace quillory
