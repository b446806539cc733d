#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "quillory/content/record_file.h"
#include "quillory/content/result.h"
#include "quillory/results/joint_write.h"

namespace quillory {

// One attempt at one paper, as a practice window holds it while the paper is open: what the
// tables say of every blank, and where the attempt is stored.
struct PaperAttempt {
  int attempt = 1;       // 1: first attempt ("Practice"), 2: second attempt ("Try Again")
  std::string paperKey;  // "101" to "150"
  int paperCount = 0;    // papers of the subject: lines of the answers and results files
  RecordList keys;
  RecordList types;
  RecordList marks;
  RecordList firstResults;  // second attempt: the glyphs of the first, blank by blank
  std::filesystem::path answersFile;
  std::filesystem::path resultsFile;
  std::filesystem::path marksFile;
  std::filesystem::path trendFile;  // written by the first attempt only

  int paperIndex() const;
  int blankCount() const { return static_cast<int>(keys.size()); }
  int totalMarks() const;
  // True for a blank the second attempt carries over: right the first time.
  bool carriedOver(int blank) const;
};

// The calendar day an attempt was marked on.
struct MarkingDay {
  int day = 1;
  int month = 1;
  int year = 2000;
};

// What the window shows once a paper is marked.
struct MarkedAttempt {
  RecordList glyphs;  // one result glyph per blank
  int score = 0;
  std::string scoreText;    // "37"
  std::string percentText;  // "88.8"
  std::string timeTaken;    // "0:7:5"; empty for a second attempt
  std::string dateText;     // "09/12/2026"; empty for a second attempt
};

// Judges every blank and scores the attempt, without storing anything. Needs a paper with marks.
MarkedAttempt ScoreAnswers(const PaperAttempt& attempt, const RecordList& answers);

// Stores the typed answers of the attempt in its answers file, changing only this paper's line.
Status StoreAttemptAnswers(const PaperAttempt& attempt, const RecordList& answers);

// True when a blank the pupil still has to answer is empty: the confirmation then warns that not
// every question is answered. The second attempt looks only at blanks not carried over.
bool HasUnansweredBlanks(const PaperAttempt& attempt, const RecordList& answers);

// Marks the attempt: judges every blank, scores it and stores the answers, the results, the
// marks entries and (first attempt) the trend value as one change, each by changing only this
// paper's entries of the file as it is on disk. Refuses a paper without marks. When storing
// fails, nothing is marked and the error says so.
Result<MarkedAttempt> MarkAttempt(const PaperAttempt& attempt, const RecordList& answers,
                                  std::int64_t secondsTaken, const MarkingDay& today,
                                  const FileWriter& write = AtomicFileWriter());

}  // namespace quillory
