#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "quillory/content/content_package.h"
#include "quillory/content/result.h"
#include "quillory/content/subject_catalogue.h"

namespace quillory {

// The six files that hold a subject's work, in the order of their templates.
enum class ResultFile : int {
  Marks = 1,
  FirstAnswers = 2,
  SecondAnswers = 3,
  FirstResults = 4,
  SecondResults = 5,
  Trend = 6,
};
inline constexpr std::array kResultFiles{ResultFile::Marks,         ResultFile::FirstAnswers,
                                         ResultFile::SecondAnswers, ResultFile::FirstResults,
                                         ResultFile::SecondResults, ResultFile::Trend};

// The keys of the marks file, in the order of its lines.
inline constexpr std::array<std::string_view, 6> kMarksKeys{"FSE", "SSE", "LTM",
                                                            "CDD", "FST", "SST"};

// "marks", "first", "second", "fresults", "sresults" or "trend".
std::string_view ResultFileStem(ResultFile file);

// The data folder + stem + subject number + product code + ".txt", e.g. "marks2QP.txt".
std::filesystem::path ResultFilePath(const std::filesystem::path& dataFolder, int subject,
                                     ResultFile file, std::string_view productCode);

// Recreates every result file of every present subject from its template. Returns the writes
// that failed; a file that could not be written keeps its old content.
std::vector<Error> ResetResults(const ContentPackage& package,
                                const std::filesystem::path& dataFolder,
                                const SubjectCatalogue& catalogue);

}  // namespace quillory
