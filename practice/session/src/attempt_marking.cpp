#include "quillory/session/attempt_marking.h"

#include "quillory/content/number_text.h"
#include "quillory/results/marked_attempt_store.h"

namespace quillory {
namespace {

Status CheckShape(const OpenPaper& paper, const RecordList& answers) {
  const PaperAttempt& attempt = paper.attempt;
  const std::size_t n = attempt.keys.size();
  const std::string key = paper.choice.paperKey.text();
  if (attempt.types.size() != n || attempt.marks.size() != n || answers.size() != n ||
      (paper.secondAttempt() && attempt.firstResults.size() != n) || n > kBlankCapacity) {
    return Error{0, "The answers of paper " + key + " do not line up with its blanks."};
  }
  if (!paper.choice.paperKey.valid(paper.choice.paperCount)) {
    return Error{0, "Paper " + key + " has no place in the result files."};
  }
  return {};
}

}  // namespace

Status StoreOpenAnswers(const OpenPaper& paper, const RecordList& answers) {
  if (Status shape = CheckShape(paper, answers); !shape) return shape;
  return StoreAttemptAnswers(paper.files.answersFile, paper.choice.paperKey, answers);
}

Result<MarkedAttempt> MarkAttempt(const OpenPaper& paper, const RecordList& answers,
                                  std::int64_t secondsTaken, const MarkingDay& today,
                                  const FileWriter& write) {
  if (Status shape = CheckShape(paper, answers); !shape) return shape.error();
  if (paper.attempt.totalMarks() <= 0) {
    return Error{
        0, "Paper " + paper.choice.paperKey.text() + " carries no marks, so it cannot be marked."};
  }

  MarkedAttempt marked = ScoreAnswers(paper.attempt, answers);
  MarkedAttemptEntries entries;
  if (!paper.secondAttempt()) {
    marked.timeTaken = TimeTakenText(secondsTaken);
    marked.dateText = ShortDateText(today.day, today.month, today.year);
    entries.marks = {{"FSE", marked.percentText},
                     {"LTM", marked.timeTaken},
                     {"CDD", marked.dateText},
                     {"FST", "1"}};
    entries.trendValue = marked.percentText;
  } else {
    entries.marks = {{"SSE", marked.percentText}, {"SST", "1"}};
  }
  entries.key = paper.choice.paperKey;
  entries.paperCount = paper.choice.paperCount;
  entries.answers = answers;
  entries.glyphs = marked.glyphs;
  entries.answersFile = paper.files.answersFile;
  entries.resultsFile = paper.files.resultsFile;
  entries.marksFile = paper.files.marksFile;
  entries.trendFile = paper.files.trendFile;
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
