#include "quillory/results/marked_attempt_store.h"

#include "quillory/content/file_io.h"
#include "quillory/results/result_updates.h"

namespace quillory {
namespace {

JointWriteResult Refused(Error error) {
  return {JointWriteOutcome::NothingWritten, std::move(error)};
}

}  // namespace

JointWriteResult StoreMarkedAttempt(const MarkedAttemptEntries& entries, const FileWriter& write) {
  const auto journal = JointWriteJournal(entries.marksFile.parent_path());
  if (Status finished = FinishJointWrite(journal, write); !finished) {
    return Refused(finished.error());
  }

  // The marks file goes last: its FST or SST "1" is what makes the paper marked, for the home
  // window and for every later opening. A program killed before that write leaves a journal
  // that start-up undoes (the paper is unmarked, as it was); killed after it, every other file
  // already holds the marked attempt. The answers go first: they were stored before the pupil
  // was asked, so writing them again changes nothing a reader could see.
  std::vector<FileReplacement> files;
  auto add = [&](const std::filesystem::path& path, auto change) -> Status {
    auto before = ReadFileToReplace(path);
    if (!before) return before.error();
    Result<std::string> after = change(*before);
    if (!after) return after.error();
    files.push_back({path, std::move(before).value(), std::move(after).value()});
    return {};
  };
  const int n = static_cast<int>(entries.glyphs.size());
  Status made = add(entries.answersFile, [&](const std::string& bytes) {
    return WithRecordLine(bytes, entries.key.text(), entries.answers,
                          static_cast<int>(entries.answers.size()));
  });
  if (made) {
    made = add(entries.resultsFile, [&](const std::string& bytes) {
      return WithRecordLine(bytes, entries.key.text(), entries.glyphs, n);
    });
  }
  if (made && !entries.trendValue.empty()) {
    made = add(entries.trendFile, [&](const std::string& bytes) -> Result<std::string> {
      return WithTrendValue(bytes, entries.trendValue);
    });
  }
  if (made) {
    made = add(entries.marksFile, [&](const std::string& bytes) {
      return WithMarksEntries(bytes, entries.key.index(), entries.paperCount, entries.marks);
    });
  }
  if (!made) return Refused(made.error());
  return ReplaceFilesTogether(journal, files, write);
}

Status StoreAttemptAnswers(const std::filesystem::path& answersFile, PaperKey key,
                           const RecordList& answers) {
  return UpdateRecordLine(answersFile, key.text(), answers, static_cast<int>(answers.size()));
}

}  // namespace quillory
