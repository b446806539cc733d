#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "quillory/content/result.h"

namespace quillory::pack {

struct BlankSource {
  std::string type;
  std::string marks;
  std::string key;
  std::string explanation;  // UTF-8 as written; empty when the source gives none
  int line = 0;             // where "@blank" stands, for messages
};

struct PageSource {
  std::string id;
  int line = 0;  // where "@page" stands, for messages
  std::vector<BlankSource> blanks;
  std::string html;  // the author's HTML with @options and @figure expanded
  int optionCount = 0;
  std::vector<std::vector<std::string>> optionSets;  // each @options line's choices, in order
};

// One ".paper" file: a paper key and its pages in order.
struct PaperSource {
  std::filesystem::path file;
  std::string key;
  std::vector<PageSource> pages;
};

// Reads a paper file. Fails, naming the file and line, on an instruction it does not know or
// one whose arguments are malformed.
Result<PaperSource> ReadPaperSource(const std::filesystem::path& file);

// The HTML of a set of choices shown as (1) to (n); each choice cell has the class "opt".
std::string OptionsHtml(const std::vector<std::string>& options);

}  // namespace quillory::pack
