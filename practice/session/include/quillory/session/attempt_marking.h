#pragma once

#include <cstdint>

#include "quillory/content/result.h"
#include "quillory/marking/paper_marking.h"
#include "quillory/results/joint_write.h"
#include "quillory/session/open_paper.h"

namespace quillory {

// The calendar day an attempt was marked on.
struct MarkingDay {
  int day = 1;
  int month = 1;
  int year = 2000;
};

// Stores `answers` (one per blank) as the attempt's answers, changing only this paper's line.
Status StoreOpenAnswers(const OpenPaper& paper, const RecordList& answers);

// Marks the attempt: judges every blank, scores it and stores the answers, the results, the
// marks entries and (first attempt) the trend value as one change, each by changing only this
// paper's entries of the file as it is on disk. Refuses a paper without marks. When storing
// fails, nothing is marked and the error says so.
Result<MarkedAttempt> MarkAttempt(const OpenPaper& paper, const RecordList& answers,
                                  std::int64_t secondsTaken, const MarkingDay& today,
                                  const FileWriter& write = AtomicFileWriter());

}  // namespace quillory
