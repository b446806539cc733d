#include "quillory/results/result_updates.h"

#include <algorithm>

#include "quillory/content/record_file.h"
#include "quillory/results/result_files.h"

namespace quillory {

namespace {

// The first line that holds the key, as ReadRecordLine finds it; empty when there is none.
std::string_view FindRecordLine(std::string_view bytes, std::string_view key) {
  for (std::string_view line : SplitLines(bytes)) {
    if (LineHasKey(line, key)) return line;
  }
  return {};
}

}  // namespace

Result<std::string> WithMarksEntries(
    std::string_view bytes, int paperIndex, int paperCount,
    const std::vector<std::pair<std::string, std::string>>& changes) {
  if (paperIndex < 1 || paperIndex > paperCount || paperCount > kPaperCapacity) {
    return Error{0, "Paper " + std::to_string(paperIndex) + " of " + std::to_string(paperCount) +
                        " has no place in the marks file."};
  }
  std::string out;
  for (std::size_t k = 0; k < kMarksKeys.size(); ++k) {
    const std::string key(kMarksKeys[k]);
    const std::string fill = (key == "FST" || key == "SST") ? "0" : "";
    const std::string_view line = FindRecordLine(bytes, key);
    RecordList values;
    if (!line.empty()) {
      const int count = static_cast<int>(std::count(line.begin(), line.end(), '>'));
      auto split = SplitRecordLine(line, std::min(count, paperCount), kPaperCapacity);
      if (!split) return split.error();
      values = std::move(split).value();
    }
    values.resize(static_cast<std::size_t>(paperCount), fill);
    for (const auto& [changed, value] : changes) {
      if (changed == key) values[static_cast<std::size_t>(paperIndex - 1)] = value;
    }
    out += MakeRecordLine(key, values, static_cast<std::size_t>(paperCount)) + "\r\n";
  }
  return out;
}

std::string WithTrendValue(std::string_view bytes, const std::string& percentage) {
  const std::string_view line = FindRecordLine(bytes, "TRD");
  return (line.empty() ? std::string("#TRD#") : std::string(line)) + ">" + percentage + "\r\n";
}

}  // namespace quillory
