#include "quillory/content/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "../support/temp_folder.h"

namespace quillory {
namespace {

using testing::TempFolder;

std::vector<std::string> FileNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(WriteFileAtomically, ReplacesALongerFileExactly) {
  TempFolder folder;
  folder.Write("a.txt", std::string(1000, 'x'));
  ASSERT_TRUE(WriteFileAtomically(folder / "a.txt", "short").ok());
  EXPECT_EQ(folder.Read("a.txt"), "short");
  EXPECT_EQ(FileNames(folder.path()), std::vector<std::string>{"a.txt"});
}

TEST(WriteFileAtomically, ReportsAMissingFolderAndCreatesNone) {
  TempFolder folder;
  const Status status = WriteFileAtomically(folder / "no/such/a.txt", "x");
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, ENOENT);
  EXPECT_FALSE(std::filesystem::exists(folder / "no"));
}

TEST(WriteFileAtomically, ReportsAFolderThatCannotBeWritten) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  TempFolder folder;
  folder.Write("a.txt", "old");
  std::filesystem::permissions(
      folder.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_FALSE(WriteFileAtomically(folder / "a.txt", "new").ok());
  std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
  EXPECT_EQ(folder.Read("a.txt"), "old");
}

// A write stopped by the file-size limit (as a full disk would stop it) must leave the old file
// whole and say so.
TEST(WriteFileAtomically, AFailedWriteKeepsTheOldFileAndIsReported) {
  TempFolder folder;
  const std::string old(500, 'o');
  folder.Write("marks.txt", old);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const Status status = WriteFileAtomically(folder / "marks.txt", std::string(5000, 'n'));
    ::_exit(!status.ok() && status.error().code == EFBIG ? 0 : 1);
  }
  int wstatus = 0;
  ::waitpid(child, &wstatus, 0);
  ASSERT_TRUE(WIFEXITED(wstatus));
  EXPECT_EQ(WEXITSTATUS(wstatus), 0) << "the failure was not reported as EFBIG";
  EXPECT_EQ(folder.Read("marks.txt"), old);
  EXPECT_EQ(FileNames(folder.path()), std::vector<std::string>{"marks.txt"});
}

// Kills a process that rewrites a file over and over at random moments: the file must always be
// wholly one version or the other, and what a killed write leaves behind is cleared away.
TEST(WriteFileAtomically, AKilledWriterLeavesEitherTheOldOrTheNewFile) {
  TempFolder folder;
  const auto path = folder / "results.txt";
  const std::string first(96 * 1024, 'a');
  const std::string second(80 * 1024, 'b');
  ASSERT_TRUE(WriteFileAtomically(path, first).ok());
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> delay(0, 3000);
  int leftovers = 0;
  for (int round = 0; round < 300; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) WriteFileAtomically(path, i % 2 == 0 ? second : first);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string now = *ReadWholeFile(path);
    ASSERT_TRUE(now == first || now == second)
        << "round " << round << ": " << now.size() << " bytes";
    leftovers += RemoveLeftoverTemporaries(folder.path());
    ASSERT_EQ(FileNames(folder.path()), std::vector<std::string>{"results.txt"});
  }
  // Most kills land inside a write; if none did, the test proved nothing.
  EXPECT_GT(leftovers, 0);
}

TEST(RemoveLeftoverTemporaries, RemovesOnlyTemporaries) {
  TempFolder folder;
  folder.Write("marks1QP.txt", "keep");
  folder.Write("marks1QP.txt.quillory-tmp.Ab12Cd", "half");
  EXPECT_EQ(RemoveLeftoverTemporaries(folder.path()), 1);
  EXPECT_EQ(FileNames(folder.path()), std::vector<std::string>{"marks1QP.txt"});
}

}  // namespace
}  // namespace quillory
