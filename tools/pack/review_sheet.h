#pragma once

#include <filesystem>
#include <string>

#include "quillory/content/result.h"

namespace quillory::pack {

// A proofreading sheet of one paper: every page as the pupil sees it, its pictures inline, and
// beside it each blank's type, marks and expected answer.
Result<std::string> ReviewSheet(const std::filesystem::path& assets, int subject,
                                const std::string& paperKey);

}  // namespace quillory::pack
