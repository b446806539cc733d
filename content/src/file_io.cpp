#include "quillory/content/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <system_error>

namespace quillory {
namespace {

constexpr std::string_view kTemporaryMarker = ".quillory-tmp.";

// write(2) may write less than asked and may be interrupted; both are normal.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

int FlushFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int code = 0;
  if (::fsync(fd) != 0 && errno != EINVAL) code = errno;
  ::close(fd);
  return code;
}

}  // namespace

Error FileError(int code, std::string_view what, const std::filesystem::path& path) {
  std::ostringstream text;
  text << "Could not " << what << " \"" << path.string() << "\": " << std::strerror(code) << '.';
  return Error{code, text.str()};
}

bool IsAtomicTemporaryName(std::string_view fileName) {
  return fileName.find(kTemporaryMarker) != std::string_view::npos;
}

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           Durability durability) {
  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::string pattern =
      (folder / (path.filename().string() + std::string(kTemporaryMarker) + "XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return FileError(errno, "write", path);
  const std::filesystem::path temporary = pattern;

  // mkstemp makes the file private; a result file should be as readable as any other file.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);

  int code = WriteAll(fd, bytes);
  if (code == 0 && durability == Durability::Flushed && ::fsync(fd) != 0) code = errno;
  if (::close(fd) != 0 && code == 0) code = errno;
  if (code == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) code = errno;
  if (code != 0) {
    ::unlink(temporary.c_str());
    return FileError(code, "write", path);
  }
  // The rename is only durable once the folder is on disk; the new file is in place already,
  // so a failure here is reported but the old content is gone either way.
  if (durability == Durability::Unflushed) return {};
  if (const int folderCode = FlushFolder(folder); folderCode != 0) {
    return FileError(folderCode, "save the folder of", path);
  }
  return {};
}

Result<std::string> ReadWholeFile(const std::filesystem::path& path) {
  // Plain system calls: a stream would throw on a read error (a folder where the file should be,
  // a failing disk), and a reader must hand every failure back instead.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FileError(errno, "read", path);
  std::string bytes;
  char buffer[16 * 1024];
  int code = 0;
  while (true) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      code = errno;
      break;
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  if (code != 0) return FileError(code, "read", path);
  return bytes;
}

int RemoveLeftoverTemporaries(const std::filesystem::path& folder) {
  std::error_code ec;
  int removed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.is_regular_file(ec) && IsAtomicTemporaryName(entry.path().filename().string()) &&
        std::filesystem::remove(entry.path(), ec)) {
      ++removed;
    }
  }
  return removed;
}

}  // namespace quillory
