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

void Record(ResultFilesReport& report, const std::filesystem::path& path, FitOutcome outcome,
            const std::string& repaired, const std::string& templateBytes,
            const std::string& stamp) {
  if (outcome == FitOutcome::Fits) return;
  if (outcome == FitOutcome::Repaired) {
    if (Status status = WriteFileAtomically(path, repaired); !status) {
      report.failures.push_back(status.error());
    } else {
      report.repaired.push_back(path);
    }
    return;
  }
  std::filesystem::path aside = path;
  aside.replace_filename(path.stem().string() + ".set-aside-" + stamp + path.extension().string());
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(aside, ec); ++n) {
    aside.replace_filename(path.stem().string() + ".set-aside-" + stamp + "-" + std::to_string(n) +
                           path.extension().string());
  }
  std::filesystem::rename(path, aside, ec);
  if (ec) {
    report.failures.push_back(FileError(ec.value(), "set aside", path));
    return;
  }
  if (Status status = WriteFileAtomically(path, templateBytes); !status) {
    report.failures.push_back(status.error());
  }
  report.setAside.emplace_back(aside, path);
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

FitOutcome FitResultFile(std::string_view bytes, const ResultFileShape& shape,
                         std::string& repaired) {
  std::map<std::string, std::string_view> byKey;
  std::vector<std::string_view> keyOrder;
  std::vector<std::string_view> extraLines;
  for (std::string_view line : SplitLines(bytes)) {
    if (IsIgnorableLine(line)) continue;
    const std::string_view key = LeadingKey(line);
    if (key.empty()) return FitOutcome::Unrepairable;
    if (!byKey.emplace(Upper(key), line).second) {
      extraLines.push_back(line);  // a later duplicate: no reader ever reaches it
      continue;
    }
    keyOrder.push_back(key);
  }

  bool changed = !extraLines.empty();
  std::string out;
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
    while (values.size() > count && values.back() == fill) {
      values.pop_back();
      changed = true;
    }
    if (values.size() > count) return FitOutcome::Unrepairable;
    if (values.size() < count) {
      values.resize(count, fill);
      changed = true;
    }
    // A line without values is written as its templates write it, without a ">".
    out += (count == 0 ? "#" + key + "#" : MakeRecordLine(key, values, count)) + "\r\n";
  }
  if (!byKey.empty()) changed = true;
  // Lines of keys the content does not know are kept behind the known ones: they may still hold a
  // pupil's work, and readers that look for known keys never reach them.
  for (std::string_view line : SplitLines(bytes)) {
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
        report.failures.push_back(bytes.error());
        continue;
      }
      std::string repaired;
      const auto shape = ShapeOfTemplate(*templateBytes, file == ResultFile::Trend);
      const FitOutcome outcome = FitResultFile(*bytes, shape, repaired);
      Record(report, path, outcome, repaired, std::string(*templateBytes), stamp);
    }
  }
  return report;
}

}  // namespace quillory
