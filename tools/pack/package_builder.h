#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "paper_source.h"
#include "quillory/content/result.h"

namespace quillory::pack {

using Members = std::map<std::uint16_t, std::string>;

// The sources of one subject, read from "subjects/<s>-<name>/".
struct SubjectSources {
  int number = 0;
  std::filesystem::path folder;
  std::vector<PaperSource> papers;  // by paper key
};

// Everything the content folder describes, compiled into package members: the header, every
// subject's five tables and six templates, every question page and every window picture.
// Problems with the sources (a file that cannot be read, a malformed instruction, a picture that
// cannot be drawn) are collected in `problems`, each naming its file, paper or page.
Members BuildMembers(const std::filesystem::path& assets, std::vector<std::string>& problems);

// "...", the lines, and a closing "..." without a line break: the layout of every table.
std::string TableBytes(const std::vector<std::string>& lines);

// The six result-file templates of a subject with `paperCount` papers whose blank counts are
// `blanks` (by paper number, 1-based; missing papers have none).
std::vector<std::string> ResultTemplates(int paperCount, const std::map<int, int>& blanks);

}  // namespace quillory::pack
