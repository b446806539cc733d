#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "quillory/content/content_package.h"
#include "quillory/content/result.h"
#include "quillory/session/attempt_marking.h"
#include "quillory/session/open_paper.h"

namespace quillory {

// A paper being taken, from opening to closing: the open paper, the page on show and the time
// the attempt started. A practice window renders it and turns the pupil's clicks and keys into
// its calls; every call that takes `pageAnswers` first takes the boxes of the page on show (as
// typed, one per blank of the page) into the answers. Once the paper is marked the answers are
// fixed, and once the session is closed nothing more is written.
class PracticeSession {
 public:
  // Opens the chosen paper on its first page; `now` is when the attempt starts, in seconds.
  static Result<PracticeSession> Open(const ContentPackage& package,
                                      const std::filesystem::path& dataFolder,
                                      const PaperChoice& choice, std::int64_t now);

  const OpenPaper& paper() const { return paper_; }
  bool secondAttempt() const { return paper_.secondAttempt(); }
  bool marked() const { return paper_.marked; }
  bool closed() const { return closed_; }
  int currentPage() const { return currentPage_; }
  int pageCount() const { return paper_.pageCount(); }
  // The question id of the page on show.
  const std::string& currentQuestion() const;

  // What the toolbar offers.
  bool canSave() const { return !marked() && !closed_; }
  bool canMark() const { return !marked() && !closed_; }
  bool canGoBack() const { return currentPage_ != 1; }
  bool canGoNext() const { return currentPage_ != pageCount(); }

  // The status bar: pages with a blank still to answer, blanks answered, the clock.
  std::vector<int> remainingPages() const { return paper_.RemainingPages(); }
  int answeredCount() const { return paper_.AnsweredCount(); }
  std::string clockText(std::int64_t now) const;
  // The answer shown beside blank `blank` once the second attempt is marked and it is wrong.
  std::string expectedAnswer(int blank) const;

  // Stores the page's answers in the answers file; writes nothing once marked or closed.
  Status StoreCurrentAnswers(const RecordList& pageAnswers);
  // Stores the page's answers, then shows `page`, even when storing failed (the pupil is told
  // why and the typed answers stay in the session). A page outside the paper changes nothing.
  Status GoToPage(int page, const RecordList& pageAnswers);
  // Stores the page's answers for the pupil's Save; Save is offered only while canSave().
  Status Save(const RecordList& pageAnswers) { return StoreCurrentAnswers(pageAnswers); }
  // Stores the page's answers, so they stay stored whatever the pupil replies, and gives the
  // question to ask before marking.
  Result<std::string> MarkingQuestion(const RecordList& pageAnswers);
  // Judges, scores and stores the attempt with the answers last stored; `now` ends the time
  // taken. On success the paper is marked and holds the results and score to show; on failure
  // nothing is marked and the answers stay editable.
  Result<MarkedAttempt> Mark(std::int64_t now, const MarkingDay& today,
                             const FileWriter& write = AtomicFileWriter());
  // Ends the session: nothing is written afterwards.
  void Close() { closed_ = true; }

 private:
  explicit PracticeSession(OpenPaper paper, std::int64_t start)
      : paper_(std::move(paper)), startTime_(start) {}
  void TakePageAnswers(const RecordList& pageAnswers);

  OpenPaper paper_;
  int currentPage_ = 1;
  std::int64_t startTime_ = 0;
  bool closed_ = false;
};

}  // namespace quillory
