#include "quillory/results/joint_write.h"

#include <cerrno>
#include <charconv>
#include <optional>
#include <system_error>

#include "quillory/content/file_io.h"

namespace quillory {
namespace {

constexpr std::string_view kJournalHeader = "quillory joint write 1\n";

// The journal names its files by their names alone: they all lie in its own folder.
std::string Serialise(const std::vector<FileReplacement>& files) {
  std::string out(kJournalHeader);
  for (const auto& file : files) {
    out += file.path.filename().string() + "\n" + std::to_string(file.before.size()) + " " +
           std::to_string(file.after.size()) + "\n" + file.before + file.after + "\n";
  }
  return out;
}

std::optional<std::size_t> NumberAt(std::string_view text, std::size_t& at, char end) {
  std::size_t value = 0;
  const auto [ptr, ec] = std::from_chars(text.data() + at, text.data() + text.size(), value);
  const std::size_t stop = static_cast<std::size_t>(ptr - text.data());
  if (ec != std::errc() || stop == at || stop >= text.size() || text[stop] != end) {
    return std::nullopt;
  }
  at = stop + 1;
  return value;
}

std::optional<std::vector<FileReplacement>> Parse(std::string_view bytes,
                                                  const std::filesystem::path& folder) {
  if (bytes.substr(0, kJournalHeader.size()) != kJournalHeader) return std::nullopt;
  std::vector<FileReplacement> files;
  std::size_t at = kJournalHeader.size();
  while (at < bytes.size()) {
    const std::size_t nameEnd = bytes.find('\n', at);
    if (nameEnd == std::string_view::npos || nameEnd == at) return std::nullopt;
    const std::filesystem::path name(std::string(bytes.substr(at, nameEnd - at)));
    if (name.has_parent_path() || name == "." || name == "..") return std::nullopt;
    at = nameEnd + 1;
    const auto before = NumberAt(bytes, at, ' ');
    if (!before) return std::nullopt;
    const auto after = NumberAt(bytes, at, '\n');
    if (!after || bytes.size() - at < *before + *after + 1) return std::nullopt;
    FileReplacement file{folder / name, std::string(bytes.substr(at, *before)),
                         std::string(bytes.substr(at + *before, *after))};
    at += *before + *after;
    if (bytes[at++] != '\n') return std::nullopt;
    files.push_back(std::move(file));
  }
  return files;
}

std::optional<std::string> CurrentBytes(const std::filesystem::path& path) {
  auto bytes = ReadFileToReplace(path);
  if (!bytes) return std::nullopt;
  return std::move(bytes).value();
}

Status RemoveJournal(const std::filesystem::path& journal) {
  std::error_code ec;
  std::filesystem::remove(journal, ec);
  if (ec) return FileError(ec.value(), "remove", journal);
  return {};
}

}  // namespace

Result<std::string> ReadFileToReplace(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    if (!std::filesystem::exists(path, ec)) return FileError(ENOENT, "read", path);
    return FileError(EISDIR, "read", path);
  }
  return ReadWholeFile(path);
}

FileWriter AtomicFileWriter() {
  return [](const std::filesystem::path& path, std::string_view bytes) {
    return WriteFileAtomically(path, bytes, Durability::Flushed);
  };
}

std::filesystem::path JointWriteJournal(const std::filesystem::path& dataFolder) {
  return dataFolder / "unfinished-write.journal";
}

JointWriteResult ReplaceFilesTogether(const std::filesystem::path& journal,
                                      const std::vector<FileReplacement>& files,
                                      const FileWriter& write) {
  std::error_code ec;
  if (std::filesystem::exists(journal, ec) || ec) {
    return {JointWriteOutcome::NothingWritten,
            Error{0, "An earlier change of the result files is not finished yet."}};
  }
  std::vector<FileReplacement> changing;
  for (const auto& file : files) {
    if (file.path.parent_path() != journal.parent_path()) {
      return {JointWriteOutcome::NothingWritten,
              Error{0, "\"" + file.path.string() + "\" is not in the folder of the results."}};
    }
    if (file.before != file.after) changing.push_back(file);
  }
  if (changing.empty()) return {};
  if (Status status = write(journal, Serialise(changing)); !status) {
    RemoveJournal(journal);
    return {JointWriteOutcome::NothingWritten, status.error()};
  }
  for (std::size_t i = 0; i < changing.size(); ++i) {
    Status status = write(changing[i].path, changing[i].after);
    if (status) continue;
    // The failed write may still have replaced its file (only the folder's flush failed), so it
    // is put back as well when it holds anything but its old bytes.
    bool undone = true;
    for (std::size_t j = i + 1; j-- > 0;) {
      if (j == i && CurrentBytes(changing[j].path) == changing[j].before) continue;
      undone = write(changing[j].path, changing[j].before).ok() && undone;
    }
    if (!undone) return {JointWriteOutcome::PartlyWritten, status.error()};
    RemoveJournal(journal);
    return {JointWriteOutcome::NothingWritten, status.error()};
  }
  // A journal that stays behind now is harmless: the last file holds its new bytes, so it is
  // finished, not undone.
  RemoveJournal(journal);
  return {};
}

Status FinishJointWrite(const std::filesystem::path& journal, const FileWriter& write) {
  std::error_code ec;
  if (!std::filesystem::exists(journal, ec)) return {};
  auto bytes = ReadFileToReplace(journal);
  if (!bytes) return bytes.error();
  const auto files = Parse(*bytes, journal.parent_path());
  if (!files) {
    std::filesystem::path aside = journal;
    aside += ".damaged";
    std::filesystem::rename(journal, aside, ec);
    if (ec) return FileError(ec.value(), "set aside", journal);
    return {};
  }
  if (!files->empty()) {
    const bool done = CurrentBytes(files->back().path) == files->back().after;
    for (const auto& file : *files) {
      const std::string& from = done ? file.before : file.after;
      const std::string& to = done ? file.after : file.before;
      if (CurrentBytes(file.path) != from) continue;
      if (Status status = write(file.path, to); !status) return status;
    }
  }
  return RemoveJournal(journal);
}

}  // namespace quillory
