#pragma once

#include <cerrno>
#include <climits>
#include <filesystem>
#include <memory>
#include <string_view>

#include "quillory/content/file_io.h"
#include "quillory/results/joint_write.h"

namespace quillory::testing {

// A file writer that writes as the program does, except that writes number `from` to `to`
// (counted from 1 over every write it is given) fail as on a full disk. With `lands`, a failing
// write replaces its file all the same, as a write does whose folder could not be flushed.
// Failing every write from the k+1-th on stands for the program killed after k writes: nothing
// more reaches the disk, not even an undo.
class FailingWriter {
 public:
  FailingWriter(int from, int to = INT_MAX, bool lands = false)
      : from_(from), to_(to), lands_(lands), count_(std::make_shared<int>(0)) {}

  FileWriter writer() const {
    return [from = from_, to = to_, lands = lands_, count = count_](
               const std::filesystem::path& path, std::string_view bytes) -> Status {
      const int n = ++*count;
      if (n < from || n > to) return WriteFileAtomically(path, bytes);
      if (lands) WriteFileAtomically(path, bytes);
      return FileError(ENOSPC, "write", path);
    };
  }
  int writes() const { return *count_; }

 private:
  int from_, to_;
  bool lands_;
  std::shared_ptr<int> count_;
};

}  // namespace quillory::testing
