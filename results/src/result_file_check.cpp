#include "quillory/results/result_file_check.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "quillory/content/file_io.h"
#include "quillory/content/paper_tables.h"
#include "quillory/content/record_file.h"
#include "quillory/results/result_files.h"

namespace quillory {
namespace {

bool IsIgnorableLine(std::string_view line) {
  return line.empty() || line.find_first_not_of('.') == std::string_view::npos ||
         line.find_first_not_of('-') == std::string_view::npos;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// The values of a key line, all of them.
RecordList ValuesOf(std::string_view line, std::string_view key) {
  RecordList values;
  std::string_view rest = line.substr(key.size() + 2);
  if (rest.empty()) return values;
  rest.remove_prefix(1);  // the ">" of value 1
  while (true) {
    const std::size_t next = rest.find('>');
    values.emplace_back(rest.substr(0, next));
    if (next == std::string_view::npos) break;
    rest.remove_prefix(next + 1);
  }
  return values;
}

// A free name beside `path` for a kept copy: "first2QP.set-aside-<stamp>.txt", numbered when
// taken.
std::filesystem::path KeptName(const std::filesystem::path& path, const std::string& stamp) {
  std::filesystem::path kept = path;
  kept.replace_filename(path.stem().string() + ".set-aside-" + stamp + path.extension().string());
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(kept, ec); ++n) {
    kept.replace_filename(path.stem().string() + ".set-aside-" + stamp + "-" + std::to_string(n) +
                          path.extension().string());
  }
  return kept;
}

// Keeps a copy of the damaged file, then writes the mended one in its place. Without the copy
// nothing is mended.
void Mend(ResultFilesReport& report, const std::filesystem::path& path, std::string_view damaged,
          const std::string& repaired, const std::string& stamp) {
  const std::filesystem::path copy = KeptName(path, stamp);
  if (Status kept = WriteFileAtomically(copy, damaged); !kept) {
    report.failures.push_back(kept.error());
    return;
  }
  if (Status status = WriteFileAtomically(path, repaired); !status) {
    // The damaged file is still in place, so the copy would only be a second one.
    std::error_code ec;
    std::filesystem::remove(copy, ec);
    report.failures.push_back(status.error());
    return;
  }
  report.repaired.push_back({copy, path, {}});
}

// Renames the file (or whatever stands at its path) out of the way and makes it anew.
void SetAside(ResultFilesReport& report, const std::filesystem::path& path,
              const std::string& templateBytes, const std::string& stamp, std::string unreadable) {
  const std::filesystem::path aside = KeptName(path, stamp);
  std::error_code ec;
  std::filesystem::rename(path, aside, ec);
  if (ec) {
    report.failures.push_back(FileError(ec.value(), "set aside", path));
    return;
  }
  if (Status status = WriteFileAtomically(path, templateBytes); !status) {
    report.failures.push_back(status.error());
  }
  report.setAside.push_back({aside, path, std::move(unreadable)});
}

}  // namespace

ResultFileShape ShapeOfTemplate(std::string_view templateBytes, bool openEnded) {
  ResultFileShape shape;
  for (std::string_view line : SplitLines(templateBytes)) {
    const std::string_view key = LeadingKey(line);
    if (key.empty()) continue;
    RecordList values = ValuesOf(line, key);
    // Every value of a template line is the same: empty, or "0" for the status flags.
    shape.lines.push_back(
        {std::string(key), values.size(), values.empty() ? "" : values.front(), openEnded});
  }
  return shape;
}

ResultFileShape ShapeOfResultFile(ResultFile file, std::string_view templateBytes) {
  ResultFileShape shape = ShapeOfTemplate(templateBytes, file == ResultFile::Trend);
  if (file == ResultFile::Marks) shape.markedWhenScored = {{"FST", "FSE"}, {"SST", "SSE"}};
  return shape;
}

FitOutcome FitResultFile(std::string_view bytes, const ResultFileShape& shape,
                         std::string& repaired) {
  std::vector<std::string_view> lines = SplitLines(bytes);
  bool changed = false;
  // Every file written here ends with a line break; one that ends inside a line was cut short,
  // and the text after that line's last ">" is only the start of what was written.
  if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r' &&
      !IsIgnorableLine(lines.back())) {
    std::string_view& cut = lines.back();
    const std::size_t lastValue = cut.rfind('>');
    const std::string_view key = LeadingKey(cut);
    if (key.empty()) {
      cut = {};  // cut inside its key: nothing of it can be trusted
    } else if (lastValue != std::string_view::npos && lastValue > key.size() + 1) {
      cut = cut.substr(0, lastValue);
    }
    changed = true;
  }

  std::map<std::string, std::string_view> byKey;
  std::vector<std::string_view> keyOrder;
  std::vector<std::string_view> extraLines;
  for (std::string_view line : lines) {
    if (IsIgnorableLine(line)) continue;
    const std::string_view key = LeadingKey(line);
    if (key.empty()) {
      changed = true;  // damage: no reader could find it, and it is kept in the copy
      continue;
    }
    if (!byKey.emplace(Upper(key), line).second) {
      extraLines.push_back(line);  // a later duplicate: no reader ever reaches it
      continue;
    }
    keyOrder.push_back(key);
  }
  const bool anyKnown = std::any_of(shape.lines.begin(), shape.lines.end(), [&](const auto& line) {
    return byKey.contains(Upper(line.key));
  });
  if (!anyKnown) return FitOutcome::Unrepairable;

  if (!extraLines.empty()) changed = true;
  std::vector<RecordList> fitted;
  std::size_t expected = 0;
  for (const auto& [key, shapeCount, fill, openEnded] : shape.lines) {
    auto found = byKey.find(Upper(key));
    RecordList values;
    if (found == byKey.end()) {
      changed = true;
    } else {
      values = ValuesOf(found->second, LeadingKey(found->second));
      if (expected >= keyOrder.size() || Upper(keyOrder[expected]) != Upper(key)) changed = true;
      ++expected;
      byKey.erase(found);
    }
    const std::size_t count = openEnded ? values.size() : shapeCount;
    // Values beyond the line's places belong to no blank; the copy keeps them.
    if (values.size() != count) {
      values.resize(count, fill);
      changed = true;
    }
    fitted.push_back(std::move(values));
  }
  auto listOf = [&](const std::string& key) -> RecordList* {
    for (std::size_t k = 0; k < shape.lines.size(); ++k) {
      if (Upper(shape.lines[k].key) == Upper(key)) return &fitted[k];
    }
    return nullptr;
  };
  for (const auto& [statusKey, scoreKey] : shape.markedWhenScored) {
    RecordList* status = listOf(statusKey);
    const RecordList* score = listOf(scoreKey);
    if (status == nullptr || score == nullptr) continue;
    for (std::size_t i = 0; i < status->size() && i < score->size(); ++i) {
      if (!(*score)[i].empty() && (*status)[i] != "1") {
        (*status)[i] = "1";
        changed = true;
      }
    }
  }

  std::string out;
  for (std::size_t k = 0; k < shape.lines.size(); ++k) {
    const std::string& key = shape.lines[k].key;
    const std::size_t count = fitted[k].size();
    // A line without values is written as its templates write it, without a ">".
    out += (count == 0 ? "#" + key + "#" : MakeRecordLine(key, fitted[k], count)) + "\r\n";
  }
  if (!byKey.empty()) changed = true;
  // Lines of keys the content does not know are kept behind the known ones: they may still hold a
  // pupil's work, and readers that look for known keys never reach them.
  for (std::string_view line : lines) {
    const std::string_view key = LeadingKey(line);
    if (!key.empty() && byKey.contains(Upper(key)) && byKey[Upper(key)] == line) {
      out += std::string(line) + "\r\n";
    }
  }
  for (std::string_view line : extraLines) out += std::string(line) + "\r\n";
  if (!changed) return FitOutcome::Fits;
  repaired = std::move(out);
  return FitOutcome::Repaired;
}

ResultFilesReport EnsureResultFiles(const ContentPackage& package,
                                    const std::filesystem::path& dataFolder,
                                    const SubjectCatalogue& catalogue, const std::string& stamp) {
  ResultFilesReport report;
  for (int s = 1; s <= kSubjectSlots; ++s) {
    if (!catalogue.subject(s).present()) continue;
    for (ResultFile file : kResultFiles) {
      const auto path = ResultFilePath(dataFolder, s, file, catalogue.productCode);
      const std::uint16_t templateId = ResultTemplateId(s, static_cast<int>(file));
      const auto templateBytes = package.Member(templateId);
      if (!templateBytes) {
        report.failures.push_back(Error{
            kNoSuchMember, "The template of \"" + path.string() + "\" is missing from Quillory."});
        continue;
      }
      std::error_code ec;
      if (!std::filesystem::exists(path, ec)) {
        if (const int code = ExtractResource(package, templateId, path, Durability::Flushed);
            code != 0) {
          report.failures.push_back(FileError(code, "create", path));
        } else {
          report.created.push_back(path);
        }
        continue;
      }
      auto bytes = ReadWholeFile(path);
      if (!bytes) {
        // A folder in its place, or a disk that fails on it: every later start would fail the
        // same way, so it is moved aside whole and the file made anew.
        SetAside(report, path, std::string(*templateBytes), stamp,
                 std::system_category().message(bytes.error().code));
        continue;
      }
      std::string repaired;
      switch (FitResultFile(*bytes, ShapeOfResultFile(file, *templateBytes), repaired)) {
        case FitOutcome::Fits:
          break;
        case FitOutcome::Repaired:
          Mend(report, path, *bytes, repaired, stamp);
          break;
        case FitOutcome::Unrepairable:
          SetAside(report, path, std::string(*templateBytes), stamp, {});
          break;
      }
    }
  }
  return report;
}

}  // namespace quillory
