#include "quillory/session/practice_session.h"

#include "quillory/content/number_text.h"
#include "quillory/marking/answer_check.h"

namespace quillory {

Result<PracticeSession> PracticeSession::Open(const ContentPackage& package,
                                              const std::filesystem::path& dataFolder,
                                              const PaperChoice& choice, std::int64_t now) {
  auto paper = LoadOpenPaper(package, dataFolder, choice);
  if (!paper) return paper.error();
  return PracticeSession(std::move(paper).value(), now);
}

const std::string& PracticeSession::currentQuestion() const {
  return paper_.pages[static_cast<std::size_t>(currentPage_ - 1)];
}

std::string PracticeSession::clockText(std::int64_t now) const {
  return TimeTakenText(now - startTime_);
}

std::string PracticeSession::expectedAnswer(int blank) const {
  return paper_.ExpectedAnswer(blank);
}

void PracticeSession::TakePageAnswers(const RecordList& pageAnswers) {
  const auto offset = static_cast<std::size_t>(paper_.BlankOffset(currentPage_));
  const std::size_t count =
      std::min(pageAnswers.size(), static_cast<std::size_t>(paper_.BlanksOn(currentPage_)));
  for (std::size_t k = 0; k < count && offset + k < paper_.answers.size(); ++k) {
    paper_.answers[offset + k] = pageAnswers[k];
  }
}

Status PracticeSession::StoreCurrentAnswers(const RecordList& pageAnswers) {
  if (marked() || closed_) return {};
  TakePageAnswers(pageAnswers);
  return StoreOpenAnswers(paper_, paper_.answers);
}

Status PracticeSession::GoToPage(int page, const RecordList& pageAnswers) {
  if (page < 1 || page > pageCount() || closed_) return {};
  Status stored = StoreCurrentAnswers(pageAnswers);
  currentPage_ = page;
  return stored;
}

Result<std::string> PracticeSession::MarkingQuestion(const RecordList& pageAnswers) {
  if (Status stored = StoreCurrentAnswers(pageAnswers); !stored) return stored.error();
  return HasUnansweredBlanks(paper_.attempt, paper_.answers)
             ? std::string(
                   "You have not answered all the questions.  Do you still want to mark your "
                   "practice?")
             : std::string("Do you want to mark your practice now?");
}

Result<MarkedAttempt> PracticeSession::Mark(std::int64_t now, const MarkingDay& today,
                                            const FileWriter& write) {
  if (closed_) return Error{0, "The paper was closed before it was marked."};
  if (marked()) return Error{0, "The paper is marked already."};
  auto marked = MarkAttempt(paper_, paper_.answers, now - startTime_, today, write);
  if (!marked) return marked;
  paper_.results = marked->glyphs;
  paper_.marked = true;
  paper_.score = marked->percentText;
  paper_.timeTaken = marked->timeTaken;
  paper_.dateDone = marked->dateText;
  return marked;
}

}  // namespace quillory
