#pragma once

#include <string>
#include <string_view>
#include <vector>

// Judging one typed answer against its key. Blanks are numbered from 1 through a paper; the
// answer, key and type lists hold one entry per blank, in that order.
namespace quillory {

// The result glyphs, stored as these single bytes and shown as a tick and a cross.
inline constexpr std::string_view kTick = "\xFC";
inline constexpr std::string_view kCross = "\xFB";

// A blank judged by its own answer and key: the text rule (Q, T, L), the numeric rule (N) or
// the compact rule (F, X, R). Any other type gives the empty result.
std::string CheckAnswer(std::string_view answer, std::string_view key, std::string_view type);

// Blank i (1-based) of type M or G: any of the key's alternatives; a later blank of a group
// takes what the earlier blanks of its group have not already used.
std::string CheckAlternatives(const std::vector<std::string>& answers,
                              const std::vector<std::string>& keys, int i);

// The right answer to show under blank i of a group once the second attempt is marked: the
// alternatives no blank of the group answered, handed out in order to its wrong blanks.
std::string ExpectedGroupAnswer(const std::vector<std::string>& answers,
                                const std::vector<std::string>& keys, int i);

// The glyph of blank i: M and G to CheckAlternatives, everything else to CheckAnswer.
std::string JudgeBlank(const std::vector<std::string>& answers,
                       const std::vector<std::string>& keys, const std::vector<std::string>& types,
                       int i);

// The answer shown under blank i when it is still wrong after the second attempt: the first
// alternative for M, the group's share for G, the key itself otherwise.
std::string ExpectedAnswer(const std::vector<std::string>& answers,
                           const std::vector<std::string>& keys,
                           const std::vector<std::string>& types, int i);

// The alternatives of a key such as ";CD;DC": the texts between and after its ";" (empty when
// two are adjacent). A key without ";" has none.
std::vector<std::string> KeyAlternatives(std::string_view key);

}  // namespace quillory
