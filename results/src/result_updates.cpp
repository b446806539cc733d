#include "quillory/results/result_updates.h"

#include <algorithm>
#include <array>

#include "quillory/content/file_io.h"
#include "quillory/content/record_file.h"
#include "quillory/results/result_files.h"

namespace quillory {

Status UpdateMarksEntries(const std::filesystem::path& marksFile, int paperIndex, int paperCount,
                          const std::vector<std::pair<std::string, std::string>>& changes) {
  if (paperIndex < 1 || paperIndex > paperCount || paperCount > kPaperCapacity) {
    return Error{0, "Paper " + std::to_string(paperIndex) + " of " + std::to_string(paperCount) +
                        " has no place in the marks file."};
  }
  std::array<RecordList, 6> lists;
  std::array<std::string, 6> keys;
  for (std::size_t k = 0; k < kMarksKeys.size(); ++k) {
    keys[k] = std::string(kMarksKeys[k]);
    const std::string fill = (keys[k] == "FST" || keys[k] == "SST") ? "0" : "";
    auto line = ReadRecordLine(marksFile, keys[k]);
    if (!line) return line.error();
    RecordList values;
    if (!line->empty()) {
      const int count = static_cast<int>(std::count(line->begin(), line->end(), '>'));
      auto split = SplitRecordLine(*line, std::min(count, paperCount), kPaperCapacity);
      if (!split) return split.error();
      values = std::move(split).value();
    }
    values.resize(static_cast<std::size_t>(paperCount), fill);
    lists[k] = std::move(values);
  }
  for (const auto& [key, value] : changes) {
    for (std::size_t k = 0; k < keys.size(); ++k) {
      if (keys[k] == key) lists[k][static_cast<std::size_t>(paperIndex - 1)] = value;
    }
  }
  return WriteRecordLists(lists, keys, paperCount, marksFile);
}

Status AppendTrendValue(const std::filesystem::path& trendFile, const std::string& percentage) {
  auto line = ReadRecordLine(trendFile, "TRD");
  if (!line) return line.error();
  const std::string trend = (line->empty() ? std::string("#TRD#") : *line) + ">" + percentage;
  return WriteFileAtomically(trendFile, trend + "\r\n");
}

}  // namespace quillory
