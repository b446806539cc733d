#include "quillory/marking/numeric_answer.h"

#include <cctype>
#include <charconv>
#include <string>

namespace quillory {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<double> ParseNumericAnswer(std::string_view text) {
  text = TrimSpaces(text);
  std::string plain;  // the number without its group separators, for from_chars
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    if (text[at] == '-') plain += '-';
    ++at;
  }

  // Whole part: a first group of digits, then ",ddd" groups only if the first group is short.
  std::size_t group = 0;
  bool grouped = false;
  std::size_t wholeDigits = 0;
  while (at < text.size() && (IsDigit(text[at]) || text[at] == ',')) {
    if (text[at] == ',') {
      if (group == 0 || (grouped && group != 3) || (!grouped && group > 3)) return std::nullopt;
      grouped = true;
      group = 0;
    } else {
      plain += text[at];
      ++group;
      ++wholeDigits;
    }
    ++at;
  }
  if (grouped && group != 3) return std::nullopt;

  std::size_t fractionDigits = 0;
  if (at < text.size() && text[at] == '.') {
    plain += '.';
    ++at;
    while (at < text.size() && IsDigit(text[at])) {
      plain += text[at++];
      ++fractionDigits;
    }
    if (fractionDigits == 0) return std::nullopt;
  }
  if (wholeDigits + fractionDigits == 0) return std::nullopt;

  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    plain += 'e';
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) plain += text[at++];
    std::size_t exponentDigits = 0;
    while (at < text.size() && IsDigit(text[at])) {
      plain += text[at++];
      ++exponentDigits;
    }
    if (exponentDigits == 0) return std::nullopt;
  }
  if (at != text.size()) return std::nullopt;

  double value = 0;
  const char* begin = plain.data();
  if (plain.front() == '-' && plain.size() > 1 && plain[1] == '.') {
    plain.insert(1, "0");  // from_chars wants a digit before the point
    begin = plain.data();
  } else if (plain.front() == '.') {
    plain.insert(0, "0");
    begin = plain.data();
  }
  const auto [ptr, ec] = std::from_chars(begin, plain.data() + plain.size(), value);
  if (ec == std::errc::result_out_of_range) return std::nullopt;
  if (ec != std::errc() || ptr != plain.data() + plain.size()) return std::nullopt;
  return value;
}

}  // namespace quillory
