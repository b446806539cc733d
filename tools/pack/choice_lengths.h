#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "quillory/content/content_package.h"

namespace quillory::pack {

// A pupil who can pick the right choice by its length alone is not tested. Above this share of a
// subject's multiple-choice blanks whose right choice is the one longest, the bank is refused.
inline constexpr double kLongestChoiceLimit = 30.0;

struct ChoiceLengthShare {
  int choices = 0;  // multiple-choice blanks measured
  int longest = 0;  // of them, those whose right choice is longer than every other
  double percent() const { return choices == 0 ? 0.0 : 100.0 * longest / choices; }
};

// The choices a page shows, as a pupil reads them: one list per set of choices, in page order,
// each choice without its number, tags and character references counted as one character.
std::vector<std::vector<std::string>> ChoicesShown(std::string_view pageHtml);

// Whether choice `right` (0-based) is longer, as shown, than every other choice.
bool RightChoiceIsLongest(const std::vector<std::string>& choices, std::size_t right);

// Measures a subject's multiple-choice blanks (type "Q"; their key names the right choice). The
// n-th such blank of a page answers the page's n-th set of choices. `keys` and `types` map a
// question id to its blanks' values.
ChoiceLengthShare MeasureChoiceLengths(
    const ContentPackage& package, const std::map<std::string, std::vector<std::string>>& keys,
    const std::map<std::string, std::vector<std::string>>& types);

}  // namespace quillory::pack
