#include "worked_answers_check.h"

#include <algorithm>

#include "table_lines.h"

namespace quillory::pack {

namespace {

// Bytes that Windows-1252 leaves undefined, and control characters, which no window can show.
bool Unshowable(unsigned char byte) {
  return byte < 0x20 || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 ||
         byte == 0x9D || byte == 0x7F;
}

}  // namespace

void CheckExplanations(std::string_view tableBytes,
                       const std::map<std::string, std::vector<std::string>>& keys,
                       const std::function<std::string(const std::string&)>& where,
                       std::vector<std::string>& problems) {
  std::map<std::string, std::vector<std::string>> explained;
  std::string previous;
  for (TableLine& line : ParseTable(tableBytes)) {
    if (!previous.empty() && line.key <= previous) {
      problems.push_back("The explanations must be sorted by question id; " + line.key +
                         " stands after " + previous + ".");
    }
    previous = line.key;
    if (!keys.contains(line.key)) {
      problems.push_back("Question " + line.key + " has explanations but no answer key.");
      continue;
    }
    explained[line.key] = std::move(line.values);
  }
  for (const auto& [id, pageKeys] : keys) {
    const auto found = explained.find(id);
    if (found == explained.end()) {
      problems.push_back(where(id) + ": no explanation for its blanks.");
      continue;
    }
    const auto& texts = found->second;
    if (texts.size() != pageKeys.size()) {
      problems.push_back(where(id) + ": " + std::to_string(texts.size()) + " explanations for " +
                         std::to_string(pageKeys.size()) + " blanks.");
      continue;
    }
    for (std::size_t b = 0; b < texts.size(); ++b) {
      const std::string blank = where(id) + ", blank " + std::to_string(b + 1);
      const std::string& text = texts[b];
      if (text.find_first_not_of(' ') == std::string::npos) {
        problems.push_back(blank + ": has no explanation.");
      } else if (text.size() > kExplanationLimit) {
        problems.push_back(blank + ": the explanation has " + std::to_string(text.size()) +
                           " characters; at most " + std::to_string(kExplanationLimit) + " fit.");
      } else if (std::any_of(text.begin(), text.end(),
                             [](char c) { return Unshowable(static_cast<unsigned char>(c)); })) {
        problems.push_back(blank + ": the explanation holds a character the files cannot show.");
      }
    }
  }
}

}  // namespace quillory::pack
