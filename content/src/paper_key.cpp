#include "quillory/content/paper_key.h"

#include <charconv>

namespace quillory {

PaperKey PaperKey::FromText(std::string_view text) {
  int key = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), key);
  if (ec != std::errc() || ptr != text.data() + text.size() || key <= kFirstKey) return {};
  return PaperKey(key - kFirstKey);
}

}  // namespace quillory
