#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quillory::pack {

// At most this many characters in a blank's explanation: it must fit the answer sheet's panel.
inline constexpr std::size_t kExplanationLimit = 300;

// The rules of a subject's explanations table (`tableBytes`, the layout of the answer key):
// sorted by id, one entry per question of `keys` (id → the page's keys) with one text per blank,
// none empty, over-long or holding a byte the files cannot show. `where(id)` names a question in
// the messages appended to `problems`.
void CheckExplanations(std::string_view tableBytes,
                       const std::map<std::string, std::vector<std::string>>& keys,
                       const std::function<std::string(const std::string&)>& where,
                       std::vector<std::string>& problems);

}  // namespace quillory::pack
