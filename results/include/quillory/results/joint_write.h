#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "quillory/content/result.h"

// Replacing several files of one folder as one change: afterwards either every file holds its
// new bytes or every file holds its old bytes, also when the program is killed half-way. Before
// the first file is replaced, a journal with every file's old and new bytes is written next to
// them; it is removed once the change is complete or undone. The last file of a change is the one
// that makes it count: a journal found later is finished when that file already holds its new
// bytes, and undone otherwise.
namespace quillory {

// One file of a joint write, in the folder of the journal.
struct FileReplacement {
  std::filesystem::path path;
  std::string before;  // the bytes the file holds now
  std::string after;   // the bytes it is to hold
};

// Writes one whole file; WriteFileAtomically, or a stand-in that fails on purpose.
using FileWriter = std::function<Status(const std::filesystem::path&, std::string_view)>;

// WriteFileAtomically with the pupil's work flushed to disk.
FileWriter AtomicFileWriter();

// The bytes of a file about to be replaced. Anything but a regular file (a folder standing in its
// place) is refused with a message, before any reading is tried.
Result<std::string> ReadFileToReplace(const std::filesystem::path& path);

// The journal of the joint writes of a data folder.
std::filesystem::path JointWriteJournal(const std::filesystem::path& dataFolder);

enum class JointWriteOutcome {
  Written,         // every file holds its new bytes
  NothingWritten,  // every file holds its old bytes (the change failed and was undone)
  PartlyWritten,   // the change failed and could not all be undone; the journal stays behind
};

struct JointWriteResult {
  JointWriteOutcome outcome = JointWriteOutcome::Written;
  Error error;  // the first failure, unless Written
};

// Replaces the files in the order given, the last one last. A write that fails puts back the old
// bytes of every file written so far. Refuses, writing nothing, while an earlier journal remains:
// FinishJointWrite has to run first.
JointWriteResult ReplaceFilesTogether(const std::filesystem::path& journal,
                                      const std::vector<FileReplacement>& files,
                                      const FileWriter& write);

// Finishes or undoes the joint write that left `journal` behind (a program killed half-way, or
// an undo that failed), then removes the journal; nothing to do when there is none. A file that
// holds neither its old nor its new bytes was changed since and is left alone. A journal that
// cannot be understood is renamed, not deleted. Fails, keeping the journal, when a file cannot be
// written.
Status FinishJointWrite(const std::filesystem::path& journal, const FileWriter& write);

}  // namespace quillory
