#pragma once

#include <string>
#include <string_view>

namespace quillory {

// A paper of a subject: keyed "101" to "150" in the tables and the result files' lines, and at
// place 1 to 50 in every list of the subject's papers. Read from text once, where it enters.
class PaperKey {
 public:
  PaperKey() = default;
  // The paper at `index` (1-based) of its subject's lists.
  static PaperKey AtIndex(int index) { return PaperKey(index); }
  // The paper keyed `text` ("101"); a text that is no paper key gives index 0, which no paper has.
  static PaperKey FromText(std::string_view text);

  int index() const { return index_; }
  std::string text() const { return std::to_string(kFirstKey + index_); }
  bool valid(int paperCount) const { return index_ >= 1 && index_ <= paperCount; }

  friend bool operator==(PaperKey, PaperKey) = default;

 private:
  static constexpr int kFirstKey = 100;
  explicit PaperKey(int index) : index_(index) {}
  int index_ = 0;
};

}  // namespace quillory
