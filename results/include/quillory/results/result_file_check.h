#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "quillory/content/content_package.h"
#include "quillory/content/result.h"
#include "quillory/content/subject_catalogue.h"

namespace quillory {

// What start-up did to the result files so that every present subject has all six, each fitting
// the papers of the content.
struct ResultFilesReport {
  std::vector<std::filesystem::path> created;   // were missing; made from their templates
  std::vector<std::filesystem::path> repaired;  // reshaped without losing a value
  // Could not be repaired without losing a value: renamed (first) and replaced by a fresh copy
  // made from the template (second).
  std::vector<std::pair<std::filesystem::path, std::filesystem::path>> setAside;
  std::vector<Error> failures;  // a file that could be neither read nor written
};

// Makes sure every present subject's result files exist and fit the content: a missing file is
// made from its template and nothing else is touched; an existing file whose lines or values do
// not fit is given the missing lines and empty values; a file that would lose a value by that is
// renamed with `stamp` (such as "2026-12-09-0815") in its name, never deleted.
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
};
ResultFileShape ShapeOfTemplate(std::string_view templateBytes, bool openEnded = false);

enum class FitOutcome { Fits, Repaired, Unrepairable };

// Fits `bytes` of a result file to `shape`. When the outcome is Repaired, `repaired` holds the
// new bytes; every value of the old file is in them at the same place.
FitOutcome FitResultFile(std::string_view bytes, const ResultFileShape& shape,
                         std::string& repaired);

}  // namespace quillory
