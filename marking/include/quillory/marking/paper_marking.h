#pragma once

#include <string>

#include "quillory/content/record_file.h"

namespace quillory {

// What judging an attempt needs of a paper: every blank's key, type and marks, and for a second
// attempt the first attempt's glyphs, blank by blank through the whole paper.
struct PaperAttempt {
  RecordList keys;
  RecordList types;
  RecordList marks;
  RecordList firstResults;  // second attempt only; empty for the first

  int blankCount() const { return static_cast<int>(keys.size()); }
  int totalMarks() const;
  // True for a blank the second attempt carries over: right the first time.
  bool carriedOver(int blank) const;
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

// Judges every blank and scores the attempt, without storing anything. Needs a paper with marks
// and one answer per blank.
MarkedAttempt ScoreAnswers(const PaperAttempt& attempt, const RecordList& answers);

// True when a blank the pupil still has to answer is empty: the confirmation then warns that not
// every question is answered. The second attempt looks only at blanks not carried over.
bool HasUnansweredBlanks(const PaperAttempt& attempt, const RecordList& answers);

}  // namespace quillory
