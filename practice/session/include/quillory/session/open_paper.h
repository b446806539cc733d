#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "quillory/content/content_package.h"
#include "quillory/content/paper_key.h"
#include "quillory/content/record_file.h"
#include "quillory/content/result.h"
#include "quillory/marking/paper_marking.h"

namespace quillory {

// What the home window hands a practice window: which paper of which subject, and which attempt.
struct PaperChoice {
  int subject = 1;
  std::string productCode;
  int paperCount = 0;  // papers of the subject
  int topicStart = 1;  // first paper of the chosen topic
  std::string topicName;
  PaperKey paperKey;
  int attempt = 1;  // 1 or 2
};

// The result files an attempt reads and writes.
struct AttemptFiles {
  std::filesystem::path answersFile;
  std::filesystem::path resultsFile;
  std::filesystem::path marksFile;
  std::filesystem::path trendFile;  // written by the first attempt only
};

// The paper open in a practice window: its pages, every blank's key, type and marks, and the
// attempt's answers and results, blank by blank through the whole paper.
struct OpenPaper {
  PaperChoice choice;
  std::vector<std::string> pages;  // question ids in order
  std::vector<int> blanksPerPage;
  RecordList answers;  // of this attempt, as last stored
  RecordList results;  // glyphs of this attempt
  bool marked = false;
  bool retryMarked = false;         // SST "1": the second attempt has been marked
  std::string score;                // FSE (first attempt) or SSE (second)
  std::string timeTaken, dateDone;  // LTM and CDD, first attempt
  PaperAttempt attempt;             // keys, types, marks and the first attempt's glyphs
  RecordList explanations;          // every blank's worked answer; empty when the package has none
  AttemptFiles files;

  bool secondAttempt() const { return choice.attempt == 2; }
  int pageCount() const { return static_cast<int>(pages.size()); }
  int blankCount() const { return attempt.blankCount(); }
  // Blanks on the pages before page `page` (1-based).
  int BlankOffset(int page) const;
  int BlanksOn(int page) const;
  // The page (1-based) that holds blank `blank` (1-based).
  int PageOfBlank(int blank) const;
  // Pages with a blank whose stored answer is empty once spaces are trimmed, in order.
  std::vector<int> RemainingPages() const;
  // Blanks whose stored answer is not empty text (spaces count as an answer here).
  int AnsweredCount() const;
  // The paper's number within its topic, 1 to 5.
  int PaperInTopic() const;
  // Whether the practice of this paper is over, so its worked answers may be read: the second
  // attempt is marked, or the first is marked with a score that offers no retry.
  bool PracticeOver() const;
  // The answer shown beside blank `blank` once the second attempt is marked and it is wrong.
  std::string ExpectedAnswer(int blank) const;
  // Blank `blank`'s worked answer (Windows-1252), or nothing while a try is still to come.
  std::string Explanation(int blank) const;
  // True for a blank the second attempt carries over from a right first answer.
  bool CarriedOver(int blank) const { return attempt.carriedOver(blank); }
};

// Opens a paper: reads its tables through "temptext.txt" and the attempt's result files, and for a
// second attempt carries the first attempt's right answers over. Fails with a message for the
// pupil when the paper has no pages yet or its files cannot be read.
Result<OpenPaper> LoadOpenPaper(const ContentPackage& package,
                                const std::filesystem::path& dataFolder, const PaperChoice& choice);

}  // namespace quillory
