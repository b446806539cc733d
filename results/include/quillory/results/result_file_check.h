#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "quillory/content/content_package.h"
#include "quillory/content/result.h"
#include "quillory/content/subject_catalogue.h"
#include "quillory/results/result_files.h"

namespace quillory {

// A damaged result file that start-up dealt with. The damaged file is kept, never deleted, under
// a name holding the start-up's stamp, such as "first2QP.set-aside-2026-12-09-081500.txt".
struct KeptCopy {
  std::filesystem::path copy;  // the damaged file as it was
  std::filesystem::path file;  // the result file, mended or made fresh from its template
  std::string unreadable;      // why the file could not be read; empty when it was read
};

// What start-up did to the result files so that every present subject has all six, each fitting
// the papers of the content.
struct ResultFilesReport {
  std::vector<std::filesystem::path> created;  // were missing; made from their templates
  // Were damaged and are mended, keeping every value that was whole; each damaged file is kept
  // as a copy.
  std::vector<KeptCopy> repaired;
  // Could not be read, or held nothing of a result file: renamed and replaced by a fresh copy
  // made from the template.
  std::vector<KeptCopy> setAside;
  std::vector<Error> failures;  // a file that could be neither kept nor written
};

// Makes sure every present subject's result files exist and fit the content: a missing file is
// made from its template and nothing else is touched; an existing file whose lines or values do
// not fit is mended, after a copy of it was kept; a file that cannot be read or mended is renamed
// and replaced by its template. Kept files have `stamp` (such as "2026-12-09-081500") in their
// names.
ResultFilesReport EnsureResultFiles(const ContentPackage& package,
                                    const std::filesystem::path& dataFolder,
                                    const SubjectCatalogue& catalogue, const std::string& stamp);

// The shape a template gives a result file: its keys in order and the number of values of each,
// with the value a padded entry takes.
struct ResultFileShape {
  struct Line {
    std::string key;
    std::size_t values = 0;
    std::string fill;
    bool openEnded = false;  // takes any number of values, as the trend line does
  };
  std::vector<Line> lines;
  // A status key and the score key that proves it: marking writes a paper's score and its
  // status "1" together, so a paper whose score is stored is marked whatever its status says.
  struct Proof {
    std::string status;
    std::string score;
  };
  std::vector<Proof> markedWhenScored;
};
ResultFileShape ShapeOfTemplate(std::string_view templateBytes, bool openEnded = false);

// The shape of one of a subject's six files, made from its template.
ResultFileShape ShapeOfResultFile(ResultFile file, std::string_view templateBytes);

enum class FitOutcome { Fits, Repaired, Unrepairable };

// Fits `bytes` of a result file to `shape`. When the outcome is Repaired, `repaired` holds the
// new bytes: every whole value of the old file is in them at the same place. Dropped as damage:
// values beyond a line's places, lines that are not key lines, and the last value of a file that
// ends inside it (cut short, it is not what was written). Unrepairable: nothing in `bytes` is a
// line of `shape`.
FitOutcome FitResultFile(std::string_view bytes, const ResultFileShape& shape,
                         std::string& repaired);

}  // namespace quillory
