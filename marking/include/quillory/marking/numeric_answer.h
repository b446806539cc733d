#pragma once

#include <optional>
#include <string_view>

namespace quillory {

// The value of a typed number: spaces around, an optional sign, digits with commas only between
// groups of three (1,500,109 but not 1,5), an optional decimal point with digits, an optional
// exponent. Anything else, the empty text included, is not a number.
std::optional<double> ParseNumericAnswer(std::string_view text);

}  // namespace quillory
