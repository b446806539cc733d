#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "program_under_test.h"

namespace fs = std::filesystem;

// A child's results are private on a shared computer: the data folder is the user's alone, and
// so is every file in it, whether the program made it now or an older version made it readable.
class PrivateFilesTest : public QObject {
  Q_OBJECT

  static fs::perms Mode(const fs::path& path) {
    return fs::symlink_status(path).permissions() & fs::perms::mask;
  }

 private slots:
  void theDataFolderAndItsFilesAreTheUsersAlone() {
    QTemporaryDir home;
    const fs::path folder = DataFolderUnder(home.path()).toStdString();
    const auto readable = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                          fs::perms::others_read;
    fs::create_directories(folder / "erased-20261201-101500");
    // Files the program does not read at start-up, so that no notice holds it up.
    for (const fs::path& file : {folder / "notes.txt", folder / "erased-20261201-101500" / "x"}) {
      std::ofstream(file) << "kept\r\n";
      fs::permissions(file, readable);
    }
    for (const fs::path& dir : {folder, folder / "erased-20261201-101500"}) {
      fs::permissions(
          dir, readable | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec);
    }

    QProcess program;
    StartProgram(program, home.path());
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(StartUpFinished(home.path()), 20000);

    const fs::perms folderMode = fs::perms::owner_all;
    const fs::perms fileMode = fs::perms::owner_read | fs::perms::owner_write;
    int files = 0;
    QCOMPARE(Mode(folder), folderMode);
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      const fs::perms expected = entry.is_directory() ? folderMode : fileMode;
      QVERIFY2(Mode(entry.path()) == expected, entry.path().c_str());
      files += entry.is_regular_file();
    }
    QVERIFY(files > 18);  // six files for each of three subjects, and the window pictures

    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    QVERIFY(program.waitForFinished(20000));
  }
};

QTEST_GUILESS_MAIN(PrivateFilesTest)
#include "private_files_test.moc"
