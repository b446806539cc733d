#include "quillory/marking/paper_marking.h"

#include <algorithm>
#include <charconv>

#include "quillory/content/number_text.h"
#include "quillory/marking/answer_check.h"

namespace quillory {
namespace {

int MarksOf(const std::string& text) {
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size() && value > 0 ? value : 0;
}

}  // namespace

int PaperAttempt::totalMarks() const {
  int total = 0;
  for (const auto& mark : marks) total += MarksOf(mark);
  return total;
}

bool PaperAttempt::carriedOver(int blank) const {
  return blank >= 1 && blank <= static_cast<int>(firstResults.size()) &&
         firstResults[static_cast<std::size_t>(blank - 1)] == kTick;
}

MarkedAttempt ScoreAnswers(const PaperAttempt& attempt, const RecordList& answers) {
  MarkedAttempt marked;
  const int n = attempt.blankCount();
  marked.glyphs.reserve(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) {
    std::string glyph = JudgeBlank(answers, attempt.keys, attempt.types, i);
    if (glyph == kTick) marked.score += MarksOf(attempt.marks[static_cast<std::size_t>(i - 1)]);
    marked.glyphs.push_back(std::move(glyph));
  }
  marked.scoreText = std::to_string(marked.score);
  marked.percentText = PercentText(marked.score, std::max(attempt.totalMarks(), 1));
  return marked;
}

bool HasUnansweredBlanks(const PaperAttempt& attempt, const RecordList& answers) {
  for (int i = 1; i <= static_cast<int>(answers.size()); ++i) {
    if (!attempt.carriedOver(i) && answers[static_cast<std::size_t>(i - 1)].empty()) return true;
  }
  return false;
}

}  // namespace quillory
