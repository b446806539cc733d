#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "quillory/content/result.h"

// Writes of one paper's results that keep everyone else's: each reads its file anew just before
// writing and changes only the entries of that paper, so a change made since the paper was
// opened (another window marking, the results being erased) is never undone.
namespace quillory {

// Sets, in the marks file, the values of the named keys (FSE, SSE, LTM, CDD, FST, SST) at paper
// `paperIndex` (1-based) and leaves every other value as it is on disk. The file is written back
// as its six lines, each holding `paperCount` values.
Status UpdateMarksEntries(const std::filesystem::path& marksFile, int paperIndex, int paperCount,
                          const std::vector<std::pair<std::string, std::string>>& changes);

// The bytes of a marks file with those values set, as UpdateMarksEntries writes them.
Result<std::string> WithMarksEntries(
    std::string_view bytes, int paperIndex, int paperCount,
    const std::vector<std::pair<std::string, std::string>>& changes);

// Appends one percentage to the trend line of a trend file.
Status AppendTrendValue(const std::filesystem::path& trendFile, const std::string& percentage);

// The bytes of a trend file with one percentage appended to its trend line.
std::string WithTrendValue(std::string_view bytes, const std::string& percentage);

}  // namespace quillory
