#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillory::pack {

struct TableLine {
  std::string key;
  std::vector<std::string> values;
};

// The key lines ("#KEY#>a>b") of a table in file order; other lines are passed over.
std::vector<TableLine> ParseTable(std::string_view bytes);

}  // namespace quillory::pack
