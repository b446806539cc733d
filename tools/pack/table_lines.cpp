#include "table_lines.h"

#include "quillory/content/record_file.h"

namespace quillory::pack {

std::vector<TableLine> ParseTable(std::string_view bytes) {
  std::vector<TableLine> lines;
  for (std::string_view line : SplitLines(bytes)) {
    if (line.size() < 3 || line[0] != '#') continue;
    const std::size_t close = line.find('#', 1);
    if (close == std::string_view::npos) continue;
    TableLine parsed{std::string(line.substr(1, close - 1)), {}};
    std::string_view rest = line.substr(close + 1);
    while (!rest.empty() && rest[0] == '>') {
      rest.remove_prefix(1);
      const std::size_t next = rest.find('>');
      parsed.values.emplace_back(rest.substr(0, next));
      rest = next == std::string_view::npos ? std::string_view() : rest.substr(next);
    }
    lines.push_back(std::move(parsed));
  }
  return lines;
}

}  // namespace quillory::pack
