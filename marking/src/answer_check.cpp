#include "quillory/marking/answer_check.h"

#include "quillory/marking/numeric_answer.h"

namespace quillory {
namespace {

// A group reaches back or ahead at most this many blanks.
constexpr int kGroupReach = 20;
constexpr std::string_view kLaterBlankKey = " ";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Letter case is folded for ASCII and for the accented letters of Windows-1252, as the text
// comparison of the answer files' code page does.
char Fold(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  if ((u >= 0xC0 && u <= 0xDE && u != 0xD7)) return static_cast<char>(u + 32);
  if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 16);
  if (u == 0x9F) return static_cast<char>(0xFF);
  return c;
}

bool SameFolded(std::string_view a, std::string_view b) {
  a = Trim(a);
  b = Trim(b);
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

std::string Glyph(bool right) { return std::string(right ? kTick : kCross); }

bool IsLaterBlank(const std::vector<std::string>& keys, int i) {
  return keys[static_cast<std::size_t>(i - 1)] == kLaterBlankKey;
}

// The group head of blank i: the nearest earlier blank, at most 20 back, whose key is not " ".
// 0 when there is none.
int GroupHead(const std::vector<std::string>& keys, int i) {
  for (int j = i - 1; j >= 1 && j >= i - kGroupReach; --j) {
    if (!IsLaterBlank(keys, j)) return j;
  }
  return 0;
}

// The number of blanks of the group that starts at `head`.
int GroupSize(const std::vector<std::string>& keys, int head) {
  int size = 1;
  for (int j = head + 1; j <= static_cast<int>(keys.size()) && j <= head + kGroupReach; ++j) {
    if (!IsLaterBlank(keys, j)) break;
    ++size;
  }
  return size;
}

const std::string& At(const std::vector<std::string>& list, int i) {
  static const std::string kEmpty;
  return i >= 1 && i <= static_cast<int>(list.size()) ? list[static_cast<std::size_t>(i - 1)]
                                                      : kEmpty;
}

// Clears every alternative that any blank of the group answered.
void ClearAnswered(std::vector<std::string>& alternatives, const std::vector<std::string>& answers,
                   int head, int size) {
  for (int j = head; j < head + size; ++j) {
    for (auto& alternative : alternatives) {
      if (SameFolded(At(answers, j), alternative)) alternative.clear();
    }
  }
}

bool CompactMatch(std::string_view answer, std::string_view key) {
  const std::string_view typed = Trim(answer);
  // The position of the key's first space is always copied: it separates a mixed number's whole
  // part from its fraction.
  const std::size_t space = key.find(' ');
  std::string compact;
  for (std::size_t at = 0; at < typed.size(); ++at) {
    if (at == space || typed[at] != ' ') {
      compact += typed[at];
    }
  }
  return Trim(key) == compact;
}

}  // namespace

std::vector<std::string> KeyAlternatives(std::string_view key) {
  std::vector<std::string> alternatives;
  if (key.empty() || key.front() != ';') return alternatives;
  std::size_t at = 1;
  while (true) {
    const std::size_t next = key.find(';', at);
    alternatives.emplace_back(
        key.substr(at, next == std::string_view::npos ? key.npos : next - at));
    if (next == std::string_view::npos) break;
    at = next + 1;
  }
  return alternatives;
}

std::string CheckAnswer(std::string_view answer, std::string_view key, std::string_view type) {
  if (type == "Q" || type == "T" || type == "L") return Glyph(SameFolded(answer, key));
  if (type == "N") {
    const auto typed = ParseNumericAnswer(answer);
    const auto expected = ParseNumericAnswer(key);
    return Glyph(typed && expected && *typed == *expected);
  }
  if (type == "F" || type == "X" || type == "R") return Glyph(CompactMatch(answer, key));
  return {};
}

std::string CheckAlternatives(const std::vector<std::string>& answers,
                              const std::vector<std::string>& keys, int i) {
  if (i < 1 || i > static_cast<int>(keys.size())) return Glyph(false);
  if (!IsLaterBlank(keys, i)) {
    for (const auto& alternative : KeyAlternatives(At(keys, i))) {
      if (SameFolded(At(answers, i), alternative)) return Glyph(true);
    }
    return Glyph(false);
  }
  const int head = GroupHead(keys, i);
  if (head == 0) return Glyph(false);  // a later blank with no head has nothing to match
  std::vector<std::string> working = KeyAlternatives(At(keys, head));
  for (int j = head; j < i; ++j) {
    for (auto& alternative : working) {
      if (SameFolded(At(answers, j), alternative)) alternative.clear();
    }
  }
  const std::string_view typed = Trim(At(answers, i));
  if (typed.empty()) return Glyph(false);
  for (const auto& alternative : working) {
    if (SameFolded(typed, alternative)) return Glyph(true);
  }
  return Glyph(false);
}

std::string ExpectedGroupAnswer(const std::vector<std::string>& answers,
                                const std::vector<std::string>& keys, int i) {
  if (i < 1 || i > static_cast<int>(keys.size())) return {};
  if (!IsLaterBlank(keys, i)) {
    std::vector<std::string> working = KeyAlternatives(At(keys, i));
    ClearAnswered(working, answers, i, GroupSize(keys, i));
    std::string result;
    for (const auto& entry : working) {
      if (SameFolded(At(answers, i), entry)) return {};
      if (!entry.empty() && result.empty()) result = entry;
    }
    return result;
  }
  const int head = GroupHead(keys, i);
  if (head == 0) return {};
  const int position = i - head + 1;
  const std::vector<std::string> all = KeyAlternatives(At(keys, head));
  int answered = 0;
  for (int j = head; j < i; ++j) {
    for (const auto& alternative : all) answered += SameFolded(At(answers, j), alternative) ? 1 : 0;
  }
  std::vector<std::string> working = all;
  ClearAnswered(working, answers, head, GroupSize(keys, head));
  int wanted = position - answered;
  for (const auto& entry : working) {
    if (entry.empty()) continue;
    if (--wanted == 0) return entry;
  }
  return {};
}

std::string JudgeBlank(const std::vector<std::string>& answers,
                       const std::vector<std::string>& keys, const std::vector<std::string>& types,
                       int i) {
  const std::string& type = At(types, i);
  if (type == "M" || type == "G") return CheckAlternatives(answers, keys, i);
  return CheckAnswer(At(answers, i), At(keys, i), type);
}

std::string ExpectedAnswer(const std::vector<std::string>& answers,
                           const std::vector<std::string>& keys,
                           const std::vector<std::string>& types, int i) {
  const std::string& type = At(types, i);
  if (type == "G") return ExpectedGroupAnswer(answers, keys, i);
  if (type == "M") {
    const auto alternatives = KeyAlternatives(At(keys, i));
    // A key that lists no alternatives is shown as it stands.
    return alternatives.empty() ? At(keys, i) : alternatives.front();
  }
  return At(keys, i);
}

}  // namespace quillory
