#pragma once

#include <filesystem>
#include <string>

#include "quillory/content/content_package.h"
#include "quillory/content/result.h"
#include "quillory/content/subject_catalogue.h"
#include "quillory/results/joint_write.h"

namespace quillory {

// Copies every present subject's result files into a new folder "erased-<stamp>" of the data
// folder before they are erased, so that an erase by mistake can be undone by hand. The copy is
// made under the name "erased-<stamp>.partial" and renamed once complete, so a copy cut short is
// known as such. Returns the folder, or the copy that failed (then no copy is left and nothing
// should be erased).
Result<std::filesystem::path> KeepErasedResults(const std::filesystem::path& dataFolder,
                                                const SubjectCatalogue& catalogue,
                                                const std::string& stamp,
                                                const FileWriter& write = AtomicFileWriter());

struct EraseResult {
  JointWriteOutcome outcome = JointWriteOutcome::Written;
  Error error;                 // the first failure, unless Written
  bool copyFailed = false;     // the copy could not be made, so nothing was tried
  std::filesystem::path copy;  // the copy kept of the erased results; empty when none is kept
};

// Erases every result of every present subject as one change: keeps a dated copy, then writes
// every result file anew from its template. When a write fails, the files written so far get
// their old bytes back and the copy, which then duplicates them, is removed.
EraseResult EraseAllResults(const ContentPackage& package, const std::filesystem::path& dataFolder,
                            const SubjectCatalogue& catalogue, const std::string& stamp,
                            const FileWriter& write = AtomicFileWriter());

// Start-up: removes what an interrupted erase or a killed write left in the "erased-" folders:
// copies cut short, temporary files, and folders left empty. Returns how many were removed.
int CleanErasedCopies(const std::filesystem::path& dataFolder);

}  // namespace quillory
