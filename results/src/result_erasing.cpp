#include "quillory/results/result_erasing.h"

#include <system_error>
#include <vector>

#include "quillory/content/file_io.h"
#include "quillory/content/paper_tables.h"
#include "quillory/results/result_files.h"

namespace quillory {
namespace {

constexpr std::string_view kCopyPrefix = "erased-";
constexpr std::string_view kPartialSuffix = ".partial";

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

Result<std::filesystem::path> KeepErasedResults(const std::filesystem::path& dataFolder,
                                                const SubjectCatalogue& catalogue,
                                                const std::string& stamp, const FileWriter& write) {
  const std::string base = std::string(kCopyPrefix) + stamp;
  std::string name = base;
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(dataFolder / name, ec) ||
                  std::filesystem::exists(dataFolder / (name + std::string(kPartialSuffix)), ec);
       ++n) {
    name = base + "-" + std::to_string(n);
  }
  const std::filesystem::path folder = dataFolder / name;
  const std::filesystem::path partial = dataFolder / (name + std::string(kPartialSuffix));
  if (!std::filesystem::create_directory(partial, ec)) {
    return FileError(ec.value(), "create", partial);
  }
  auto failed = [&](Error error) -> Result<std::filesystem::path> {
    std::filesystem::remove_all(partial, ec);
    return error;
  };
  for (int s = 1; s <= kSubjectSlots; ++s) {
    if (!catalogue.subject(s).present()) continue;
    for (ResultFile file : kResultFiles) {
      const auto path = ResultFilePath(dataFolder, s, file, catalogue.productCode);
      if (!std::filesystem::exists(path, ec)) continue;
      auto bytes = ReadFileToReplace(path);
      if (!bytes) return failed(bytes.error());
      if (Status status = write(partial / path.filename(), *bytes); !status) {
        return failed(status.error());
      }
    }
  }
  std::filesystem::rename(partial, folder, ec);
  if (ec) return failed(FileError(ec.value(), "name", folder));
  return folder;
}

EraseResult EraseAllResults(const ContentPackage& package, const std::filesystem::path& dataFolder,
                            const SubjectCatalogue& catalogue, const std::string& stamp,
                            const FileWriter& write) {
  const auto journal = JointWriteJournal(dataFolder);
  if (Status finished = FinishJointWrite(journal, write); !finished) {
    return {JointWriteOutcome::NothingWritten, finished.error(), false, {}};
  }
  auto kept = KeepErasedResults(dataFolder, catalogue, stamp, write);
  if (!kept) return {JointWriteOutcome::NothingWritten, kept.error(), true, {}};

  std::error_code ec;
  auto nothingErased = [&](Error error) {
    std::filesystem::remove_all(*kept, ec);
    return EraseResult{JointWriteOutcome::NothingWritten, std::move(error), false, {}};
  };
  std::vector<FileReplacement> files;
  for (int s = 1; s <= kSubjectSlots; ++s) {
    if (!catalogue.subject(s).present()) continue;
    for (ResultFile file : kResultFiles) {
      const auto path = ResultFilePath(dataFolder, s, file, catalogue.productCode);
      const auto fresh = package.Member(ResultTemplateId(s, static_cast<int>(file)));
      if (!fresh) {
        return nothingErased(
            Error{kNoSuchMember, "The template of \"" + path.string() + "\" is missing."});
      }
      auto before = ReadFileToReplace(path);
      if (!before) return nothingErased(before.error());
      files.push_back({path, std::move(before).value(), std::string(*fresh)});
    }
  }
  const JointWriteResult written = ReplaceFilesTogether(journal, files, write);
  switch (written.outcome) {
    case JointWriteOutcome::Written:
      return {JointWriteOutcome::Written, {}, false, *kept};
    case JointWriteOutcome::NothingWritten:
      return nothingErased(written.error);
    case JointWriteOutcome::PartlyWritten:
      break;
  }
  return {JointWriteOutcome::PartlyWritten, written.error, false, *kept};
}

int CleanErasedCopies(const std::filesystem::path& dataFolder) {
  std::error_code ec;
  int removed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dataFolder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(kCopyPrefix, 0) != 0 || !entry.is_directory(ec)) continue;
    if (EndsWith(name, kPartialSuffix)) {
      // The originals were not touched yet when the copy was cut short.
      if (std::filesystem::remove_all(entry.path(), ec) > 0) ++removed;
      continue;
    }
    removed += RemoveLeftoverTemporaries(entry.path());
    if (std::filesystem::is_empty(entry.path(), ec) && std::filesystem::remove(entry.path(), ec)) {
      ++removed;
    }
  }
  return removed;
}

}  // namespace quillory
