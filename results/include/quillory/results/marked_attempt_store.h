#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "quillory/content/paper_key.h"
#include "quillory/content/record_file.h"
#include "quillory/content/result.h"
#include "quillory/results/joint_write.h"

namespace quillory {

// What marking one attempt of a paper changes in the result files of its subject.
struct MarkedAttemptEntries {
  PaperKey key;
  int paperCount = 0;
  RecordList answers;                                      // the attempt's answers file line
  RecordList glyphs;                                       // the attempt's results file line
  std::vector<std::pair<std::string, std::string>> marks;  // marks-file values of this paper
  std::string trendValue;  // appended to the trend line; empty for a second attempt
  std::filesystem::path answersFile;
  std::filesystem::path resultsFile;
  std::filesystem::path marksFile;  // the journal is kept in its folder
  std::filesystem::path trendFile;
};

// Stores a marked attempt as one change of its three or four files: afterwards either all of
// them hold the marked attempt or all are as they were. Every file is read, and every new
// content made, before the first write; only this paper's entries change, everyone else's are
// kept as they are on disk. An earlier change left unfinished is finished or undone first.
JointWriteResult StoreMarkedAttempt(const MarkedAttemptEntries& entries,
                                    const FileWriter& write = AtomicFileWriter());

// Stores the typed answers of an attempt not yet marked, changing only the paper's line of its
// answers file as it is on disk.
Status StoreAttemptAnswers(const std::filesystem::path& answersFile, PaperKey key,
                           const RecordList& answers);

}  // namespace quillory
