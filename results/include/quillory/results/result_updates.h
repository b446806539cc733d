#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "quillory/content/result.h"

// Changes of one paper's results that keep everyone else's: each is made to the bytes of its
// file as read anew just before writing, and changes only the entries of that paper, so a change
// made since the paper was opened (another window marking, the results being erased) is never
// undone.
namespace quillory {

// The bytes of a marks file with the values of the named keys (FSE, SSE, LTM, CDD, FST, SST) set
// at paper `paperIndex` (1-based) and every other value as it was: its six lines, each holding
// `paperCount` values.
Result<std::string> WithMarksEntries(
    std::string_view bytes, int paperIndex, int paperCount,
    const std::vector<std::pair<std::string, std::string>>& changes);

// The bytes of a trend file with one percentage appended to its trend line.
std::string WithTrendValue(std::string_view bytes, const std::string& percentage);

}  // namespace quillory
