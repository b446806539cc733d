#include "quillory/content/record_file.h"

#include <algorithm>
#include <memory>

#include "quillory/content/file_io.h"

namespace quillory {
namespace {

// 0-based index of the ">" that ends the key part: "#ABC#>" and "#12345#>".
constexpr std::size_t kShortKeyEnd = 5;
constexpr std::size_t kLongKeyEnd = 7;

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

Error DataError(std::string message) { return Error{0, std::move(message)}; }

std::string Quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

// Reads a whole record file as its lines; the file is small and read once per operation.
class RecordLines {
 public:
  static Result<RecordLines> Open(const std::filesystem::path& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return bytes.error();
    return RecordLines(std::move(bytes).value());
  }

  // The first line at or after `from` that holds the key; advances `from` past it.
  std::string_view FindFrom(std::size_t& from, std::string_view key) const {
    for (; from < lines_.size(); ++from) {
      if (LineHasKey(lines_[from], key)) return lines_[from++];
    }
    return {};
  }

 private:
  // The bytes live on the heap so that the line views stay valid when the object moves.
  explicit RecordLines(std::string bytes)
      : bytes_(std::make_unique<std::string>(std::move(bytes))), lines_(SplitLines(*bytes_)) {}
  std::unique_ptr<std::string> bytes_;
  std::vector<std::string_view> lines_;
};

// Cuts values 1..n of a line by the position chain starting at `keyEnd`: value i lies between
// consecutive ">" and the last value asked for runs to the end of the line.
Result<RecordList> CutValues(std::string_view line, std::size_t keyEnd, int n) {
  RecordList values;
  if (n <= 0) return values;
  if (line.size() <= keyEnd) {
    return DataError("The line \"" + std::string(line) + "\" holds no values.");
  }
  values.reserve(static_cast<std::size_t>(n));
  std::size_t start = keyEnd + 1;
  for (int i = 1; i < n; ++i) {
    const std::size_t next = line.find('>', start);
    if (next == std::string_view::npos) {
      return DataError("The line \"" + std::string(line) + "\" holds " + std::to_string(i) +
                       " values where " + std::to_string(n) + " were expected.");
    }
    values.emplace_back(line.substr(start, next - start));
    start = next + 1;
  }
  values.emplace_back(line.substr(start));
  return values;
}

int CountValues(std::string_view line) {
  return static_cast<int>(std::count(line.begin(), line.end(), '>'));
}

Status CheckCount(int n, int capacity) {
  if (n < 0 || n > capacity) {
    return DataError("A list of " + std::to_string(n) + " values was asked for; at most " +
                     std::to_string(capacity) + " fit.");
  }
  return {};
}

Error MissingKey(std::string_view key, const std::filesystem::path& path) {
  return DataError("The entry \"" + std::string(key) + "\" is missing from " + Quoted(path) + ".");
}

std::string JoinLines(const RecordList& lines, std::size_t count) {
  std::string bytes;
  for (std::size_t i = 0; i < count; ++i) {
    bytes += lines[i];
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

bool LineHasKey(std::string_view line, std::string_view key) {
  const std::size_t width = key.size() + 2;
  if (line.size() < width) return false;
  for (std::size_t at = 0; at + width <= line.size(); ++at) {
    if (line[at] != '#' || line[at + width - 1] != '#') continue;
    bool same = true;
    for (std::size_t k = 0; k < key.size() && same; ++k) {
      same = FoldAscii(line[at + 1 + k]) == FoldAscii(key[k]);
    }
    if (same) return true;
  }
  return false;
}

std::string MakeRecordLine(std::string_view key, const RecordList& values, std::size_t n) {
  std::string line = "#" + std::string(key) + "#";
  if (n == 0) return line + ">";
  for (std::size_t i = 0; i < n; ++i) {
    line += '>';
    if (i < values.size()) line += values[i];
  }
  return line;
}

std::string_view LeadingKey(std::string_view line) {
  if (line.size() < 3 || line[0] != '#') return {};
  const std::size_t close = line.find('#', 1);
  if (close == std::string_view::npos || close == 1) return {};
  return line.substr(1, close - 1);
}

Result<std::string> WithRecordLine(std::string_view bytes, std::string_view key,
                                   const RecordList& values, int n) {
  if (n < 0 || static_cast<std::size_t>(n) > values.size()) {
    return DataError("Only " + std::to_string(values.size()) + " values were given for " +
                     std::to_string(n) + " places.");
  }
  const std::string replacement = MakeRecordLine(key, values, static_cast<std::size_t>(n));
  auto sameKey = [&](std::string_view other) {
    if (other.size() != key.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
      if (FoldAscii(other[i]) != FoldAscii(key[i])) return false;
    }
    return true;
  };
  std::string out;
  bool placed = false;
  for (std::string_view line : SplitLines(bytes)) {
    const std::string_view lineKey = LeadingKey(line);
    if (lineKey.empty()) continue;
    if (!placed && sameKey(lineKey)) {
      out += replacement + "\r\n";
      placed = true;
      continue;
    }
    // Keys of one width sort as text in their numeric order: a missing line goes before the
    // first line whose key comes after it.
    if (!placed && lineKey.size() == key.size() && std::string_view(lineKey) > key) {
      out += replacement + "\r\n";
      placed = true;
    }
    out += std::string(line) + "\r\n";
  }
  if (!placed) out += replacement + "\r\n";
  return out;
}

Status UpdateRecordLine(const std::filesystem::path& path, std::string_view key,
                        const RecordList& values, int n) {
  auto bytes = ReadWholeFile(path);
  if (!bytes) return bytes.error();
  auto updated = WithRecordLine(*bytes, key, values, n);
  if (!updated) return updated.error();
  return WriteFileAtomically(path, *updated);
}

Result<std::string> ReadRecordLine(const std::filesystem::path& path, std::string_view key) {
  auto file = RecordLines::Open(path);
  if (!file) return file.error();
  std::size_t from = 0;
  return std::string(file->FindFrom(from, key));
}

Result<std::string> ReadRecordValue(const std::filesystem::path& path, std::string_view key) {
  auto line = ReadRecordLine(path, key);
  if (!line) return line.error();
  if (line->size() < kShortKeyEnd + 2) return std::string();
  return line->substr(kShortKeyEnd + 1);
}

Result<RecordList> SplitRecordLine(std::string_view line, int n, int capacity) {
  if (auto status = CheckCount(n, capacity); !status) return status.error();
  return CutValues(line, kShortKeyEnd, n);
}

Result<RecordList> ReadRecordList(const std::filesystem::path& path, std::string_view key, int n,
                                  int capacity) {
  if (auto status = CheckCount(n, capacity); !status) return status.error();
  auto file = RecordLines::Open(path);
  if (!file) return file.error();
  std::size_t from = 0;
  const std::string_view line = file->FindFrom(from, key);
  if (line.empty()) return MissingKey(key, path);
  return CutValues(line, kShortKeyEnd, n);
}

Result<RecordList> ReadWholeRecordList(const std::filesystem::path& path, std::string_view key) {
  auto file = RecordLines::Open(path);
  if (!file) return file.error();
  std::size_t from = 0;
  const std::string_view line = file->FindFrom(from, key);
  if (line.empty()) return MissingKey(key, path);
  return CutValues(line, kShortKeyEnd, CountValues(line));
}

Result<RecordList> ReadNumberedLines(const std::filesystem::path& path, int n) {
  if (auto status = CheckCount(n, kPaperCapacity); !status) return status.error();
  auto file = RecordLines::Open(path);
  if (!file) return file.error();
  RecordList lines(static_cast<std::size_t>(n));
  std::size_t from = 0;
  for (int b = 1; b <= n; ++b) {
    lines[static_cast<std::size_t>(b - 1)] = file->FindFrom(from, std::to_string(100 + b));
  }
  return lines;
}

Result<std::vector<int>> CountRecordValues(const std::filesystem::path& path,
                                           const std::vector<std::string>& keys) {
  auto file = RecordLines::Open(path);
  if (!file) return file.error();
  std::vector<int> counts;
  counts.reserve(keys.size());
  std::size_t from = 0;
  for (const auto& key : keys) {
    const std::string_view line = file->FindFrom(from, key);
    if (line.empty()) return MissingKey(key, path);
    counts.push_back(CountValues(line));
  }
  return counts;
}

Result<RecordList> ReadJoinedLists(const std::filesystem::path& path,
                                   const std::vector<std::string>& keys) {
  auto file = RecordLines::Open(path);
  if (!file) return file.error();
  RecordList joined;
  std::size_t from = 0;
  for (const auto& key : keys) {
    const std::string_view line = file->FindFrom(from, key);
    if (line.empty()) return MissingKey(key, path);
    auto values = CutValues(line, kLongKeyEnd, CountValues(line));
    if (!values) return values.error();
    for (auto& value : *values) joined.push_back(std::move(value));
  }
  return joined;
}

Status ReplaceRecordLine(RecordList& lines, const RecordList& values, int row, std::string_view key,
                         int lineCount, int n, const std::filesystem::path& path) {
  if (lineCount < 0 || static_cast<std::size_t>(lineCount) > lines.size() || row < 1 ||
      row > lineCount) {
    return DataError("Line " + std::to_string(row) + " of " + std::to_string(lineCount) +
                     " cannot be replaced in " + Quoted(path) + ".");
  }
  if (n < 0 || static_cast<std::size_t>(n) > values.size()) {
    return DataError("Only " + std::to_string(values.size()) + " values were given for " +
                     std::to_string(n) + " places.");
  }
  lines[static_cast<std::size_t>(row - 1)] =
      MakeRecordLine(key, values, static_cast<std::size_t>(n));
  return WriteFileAtomically(path, JoinLines(lines, static_cast<std::size_t>(lineCount)));
}

Status WriteRecordLists(const std::array<RecordList, 6>& lists,
                        const std::array<std::string, 6>& keys, int n,
                        const std::filesystem::path& path) {
  RecordList lines;
  for (std::size_t k = 0; k < lists.size(); ++k) {
    if (n < 0 || static_cast<std::size_t>(n) > lists[k].size()) {
      return DataError("The list \"" + keys[k] + "\" holds fewer than " + std::to_string(n) +
                       " values.");
    }
    lines.push_back(MakeRecordLine(keys[k], lists[k], static_cast<std::size_t>(n)));
  }
  return WriteFileAtomically(path, JoinLines(lines, lines.size()));
}

}  // namespace quillory
