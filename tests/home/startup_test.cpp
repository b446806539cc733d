#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLabel>
#include <QLockFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include "../support/failing_writer.h"
#include "quillory/assets/embedded_package.h"
#include "quillory/content/file_io.h"
#include "quillory/content/record_file.h"
#include "quillory/home/contents.h"
#include "quillory/home/startup_notices.h"
#include "quillory/platform/instance_lock.h"
#include "quillory/platform/screen_units.h"
#include "quillory/results/marked_attempt_store.h"
#include "quillory/results/result_files.h"

using namespace quillory;

namespace {

// The built-in package with some members replaced, kept alive with its bytes.
struct AlteredPackage {
  explicit AlteredPackage(const std::map<std::uint16_t, std::string>& changes) {
    const auto original = *ContentPackage::FromBytes(EmbeddedPackageBytes());
    std::map<std::uint16_t, std::string> members;
    for (std::uint16_t id : original.Ids()) members[id] = std::string(*original.Member(id));
    for (const auto& [id, bytes] : changes) {
      if (bytes.empty()) {
        members.erase(id);
      } else {
        members[id] = bytes;
      }
    }
    bytes_ = ContentPackage::Build(members);
    package = *ContentPackage::FromBytes(bytes_);
  }
  std::string bytes_;
  ContentPackage package = *ContentPackage::FromBytes(ContentPackage::Build({}));
};

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  ContentPackage builtIn_ = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  QStringList notices_;

  std::filesystem::path folder() const { return dir_.path().toStdString(); }

  // Starts a home window on `package` over the test's data folder.
  std::unique_ptr<Contents> Start(const ContentPackage& package, bool* started = nullptr,
                                  std::filesystem::path dataFolder = {}) {
    if (dataFolder.empty()) dataFolder = folder();
    auto skin = std::make_unique<Skin>(QString::fromStdString(GraphicsFolder(dataFolder).string()));
    auto contents = std::make_unique<Contents>(package, dataFolder, *skin);
    skins_.push_back(std::move(skin));
    contents->setNotice([this](const QString& text, bool) { notices_ << text; });
    const bool ok = contents->Form_Load();
    if (started != nullptr) *started = ok;
    return contents;
  }
  std::vector<std::unique_ptr<Skin>> skins_;

  std::string Read(const std::string& name) const {
    auto bytes = ReadWholeFile(folder() / name);
    return bytes ? *bytes : "<missing>";
  }

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    for (const auto& entry : std::filesystem::directory_iterator(folder())) {
      std::filesystem::remove_all(entry.path());
    }
    notices_.clear();
  }

  void firstRunInstallsPicturesAndMakesEveryResultFile() {
    bool started = false;
    auto contents = Start(builtIn_, &started);
    QVERIFY(started);
    QVERIFY(notices_.isEmpty());
    QVERIFY(std::filesystem::exists(folder() / "Graphics" / "about_off.bmp"));
    QVERIFY(std::filesystem::exists(folder() / "Graphics" / "Border_bot_right.gif"));
    for (int s = 1; s <= 3; ++s) {
      for (ResultFile file : kResultFiles) {
        const auto path = ResultFilePath(folder(), s, file, "QP");
        QCOMPARE(Read(path.filename().string()),
                 std::string(*builtIn_.Member(
                     static_cast<std::uint16_t>(30100 + 10 * s + static_cast<int>(file)))));
      }
    }
    QVERIFY(!std::filesystem::exists(folder() / "temptext30000.txt"));
  }

  void theWindowHasItsPlaceSizeAndCaptions() {
    auto contents = Start(builtIn_);
    const ScreenUnits u = ScreenUnits::ForWidget(contents.get());
    QCOMPARE(contents->geometry(), u.rect(60, 60, 6070, 7380));
    QVERIFY(contents->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(contents->windowTitle(), QStringLiteral("Quillory Practice Papers"));
    const QStringList captions{"English", "Mathematics", "Science", "Help"};
    for (int n = 1; n <= 4; ++n) {
      auto* label = contents->findChild<QLabel*>(QStringLiteral("Tab0%1lbl").arg(n));
      QVERIFY(label);
      QCOMPARE(label->text(), captions[n - 1]);
    }
    QCOMPARE(contents->findChild<QWidget*>("Tab01")->toolTip(),
             QStringLiteral("Load English Module"));
    QCOMPARE(contents->findChild<QWidget*>("Tab04")->toolTip(), QStringLiteral("Help"));
    QCOMPARE(contents->state().lblCOD, QStringLiteral("QP"));
    QCOMPARE(contents->state().LChose, 1);
    QCOMPARE(contents->state().txtTabPos, 1);
  }

  void tabsStandSideBySideAndTheChosenOneHigher() {
    auto contents = Start(builtIn_);
    const int w = ScreenUnits::ForWidget(contents.get()).x(1185);
    QList<QWidget*> tabs;
    for (int n = 1; n <= 4; ++n)
      tabs << contents->findChild<QWidget*>(QStringLiteral("Tab0%1").arg(n));
    for (int n = 0; n < 4; ++n) QCOMPARE(tabs[n]->x(), 2 + n * (w - 4));
    QVERIFY(tabs[0]->y() < tabs[1]->y());
    auto* strip = contents->findChild<QWidget*>("ScnTabBG");
    QCOMPARE(strip->pos(), QPoint(2, 60));
    QCOMPARE(contents->findChild<QWidget*>("Body_Home")->y(), strip->y() + strip->height());
  }

  void anAbsentFirstSubjectMovesTheOthersLeft() {
    AlteredPackage altered(
        {{30000,
          "...\r\n#NME#>Quillory\r\n#COD#>QP\r\n#LAH#>\r\n#LBH#>Mathematics\r\n"
          "#LCH#>Science\r\n#TT2#>7\r\n#TP2#>35\r\n#TN2#>A>B>C>D>E>F>Mock Examination\r\n"
          "#TT3#>7\r\n#TP3#>35\r\n#TN3#>A>B>C>D>E>F>Mock Examination\r\n..."}});
    auto contents = Start(altered.package);
    const int w = ScreenUnits::ForWidget(contents.get()).x(1185);
    QCOMPARE(contents->findChild<QWidget*>("Tab01")->x(), -w);
    QCOMPARE(contents->findChild<QWidget*>("Tab02")->x(), 2);
    QCOMPARE(contents->findChild<QWidget*>("Tab04")->x(), 2 + 2 * (w - 4));
    QCOMPARE(contents->state().LChose, 2);
    QVERIFY(!std::filesystem::exists(folder() / "marks1QP.txt"));
    QVERIFY(std::filesystem::exists(folder() / "marks2QP.txt"));
  }

  void aLaterStartKeepsStoredWorkAndMakesOnlyWhatIsMissing() {
    Start(builtIn_);
    std::string marks = Read("marks1QP.txt");
    marks.replace(marks.find("#FSE#>"), 6, "#FSE#>75");
    marks.replace(marks.find("#FST#>0"), 7, "#FST#>1");
    QVERIFY(WriteFileAtomically(folder() / "marks1QP.txt", marks).ok());
    std::filesystem::remove(folder() / "trend2QP.txt");
    const auto before = std::filesystem::last_write_time(folder() / "first3QP.txt");
    Start(builtIn_);
    QCOMPARE(Read("marks1QP.txt"), marks);
    QCOMPARE(Read("trend2QP.txt"), std::string("#TRD#\r\n"));
    QCOMPARE(std::filesystem::last_write_time(folder() / "first3QP.txt"), before);
    QVERIFY(notices_.isEmpty());
  }

  void aFileThatCannotBeRepairedIsSetAsideAndThePupilTold() {
    Start(builtIn_);
    QVERIFY(
        WriteFileAtomically(folder() / "first2QP.txt", "#101#>" + std::string(90, '>') + "x\r\n")
            .ok());
    Start(builtIn_);
    QCOMPARE(notices_.size(), 1);
    QVERIFY(notices_[0].contains("first2QP.set-aside-"));
    Start(builtIn_);
    QCOMPARE(notices_.size(), 1);  // told once
  }

  // A folder where a result file should be cannot be read, at this start or any later one.
  void aResultFileThatCannotBeReadIsSetAsideAndThePupilToldOnce() {
    Start(builtIn_);
    std::filesystem::remove(folder() / "marks2QP.txt");
    std::filesystem::create_directory(folder() / "marks2QP.txt");
    bool started = false;
    Start(builtIn_, &started);
    QVERIFY(started);
    QCOMPARE(notices_.size(), 1);
    QVERIFY2(notices_[0].contains("could not be read"), qPrintable(notices_[0]));
    QVERIFY(notices_[0].contains("marks2QP.set-aside-"));
    QVERIFY(notices_[0].contains("Is a directory"));
    QCOMPARE(Read("marks2QP.txt"), std::string(*builtIn_.Member(30121)));
    Start(builtIn_, &started);
    QVERIFY(started);
    QCOMPARE(notices_.size(), 1);
  }

  // Three papers marked, and the file ends 150 bytes in, inside the date of the first paper.
  void aCutMarksFileKeepsItsMarkedPapersMarkedAndACopy() {
    Start(builtIn_);
    const std::string cut = "#FSE#>75>100>66.7" + std::string(27, '>') + "\r\n#SSE#" +
                            std::string(30, '>') + "\r\n#LTM#>0:7:5>0:12:30>0:3:1" +
                            std::string(27, '>') + "\r\n#CDD#>09/12/2";
    QCOMPARE(cut.size(), std::size_t{150});
    QVERIFY(WriteFileAtomically(folder() / "marks1QP.txt", cut).ok());
    Start(builtIn_);
    QCOMPARE(notices_.size(), 1);
    QVERIFY2(notices_[0].contains("mended"), qPrintable(notices_[0]));
    QVERIFY(notices_[0].contains("marks1QP.set-aside-"));
    const auto path = folder() / "marks1QP.txt";
    const auto scores = ReadRecordList(path, "FSE", 30, kPaperCapacity);
    const auto status = ReadRecordList(path, "FST", 30, kPaperCapacity);
    const auto dates = ReadRecordList(path, "CDD", 30, kPaperCapacity);
    QVERIFY(scores && status && dates);
    QCOMPARE((*scores)[0], std::string("75"));
    QCOMPARE((*status)[0], std::string("1"));
    QCOMPARE((*status)[2], std::string("1"));
    QCOMPARE((*status)[3], std::string("0"));
    QCOMPARE((*dates)[0], std::string());  // the cut date is not kept as if it were whole
    std::string copy;
    for (const auto& entry : std::filesystem::directory_iterator(folder())) {
      if (entry.path().filename().string().starts_with("marks1QP.set-aside-")) {
        copy = Read(entry.path().filename().string());
      }
    }
    QCOMPARE(copy, cut);
    Start(builtIn_);
    QCOMPARE(notices_.size(), 1);  // told once
  }

  void aMarkingKilledHalfWayIsUndoneAndAnEraseCutShortCleared() {
    Start(builtIn_);
    const std::string results = Read("fresults2QP.txt");
    const std::string marks = Read("marks2QP.txt");
    // Killed after the glyphs of paper 101 were written, before its marks: no write reaches the
    // disk after the third (journal, answers, results).
    MarkedAttemptEntries entries;
    entries.key = PaperKey::AtIndex(1);
    entries.paperCount = 35;
    entries.answers = {"7"};
    entries.glyphs = {"\xFC"};  // a tick
    entries.marks = {{"FSE", "100"}, {"FST", "1"}};
    entries.trendValue = "100";
    for (auto [path, file] : {std::pair{&entries.answersFile, ResultFile::FirstAnswers},
                              {&entries.resultsFile, ResultFile::FirstResults},
                              {&entries.marksFile, ResultFile::Marks},
                              {&entries.trendFile, ResultFile::Trend}}) {
      *path = ResultFilePath(folder(), 2, file, "QP");
    }
    QCOMPARE(StoreMarkedAttempt(entries, testing::FailingWriter(4).writer()).outcome,
             JointWriteOutcome::PartlyWritten);
    QVERIFY(Read("fresults2QP.txt").find("#101#>\xFC") != std::string::npos);
    // And an erase cut short while it copied.
    std::filesystem::create_directory(folder() / "erased-2026-12-09-101500.partial");

    Start(builtIn_);
    QCOMPARE(Read("fresults2QP.txt"), results);
    QCOMPARE(Read("marks2QP.txt"), marks);
    QVERIFY(!std::filesystem::exists(JointWriteJournal(folder())));
    QVERIFY(!std::filesystem::exists(folder() / "erased-2026-12-09-101500.partial"));
    QVERIFY(notices_.isEmpty());
  }

  void anUnreadableHeaderStopsWithAMessage() {
    AlteredPackage altered({{30000, "...\r\n#NME#>Quillory\r\n..."}});
    bool started = true;
    Start(altered.package, &started);
    QVERIFY(!started);
    QCOMPARE(notices_.size(), 1);
    QVERIFY(notices_[0].contains("names no subject"));
  }

  // The disk itself is at fault, so the notice says so and reinstalling would not help.
  void aDiskThatCannotTakeTheFilesGetsAdviceThatFitsIt_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("advice");
    QTest::newRow("full") << false << QStringLiteral("No space left on device")
                          << QStringLiteral("make room on the disk");
    QTest::newRow("read-only") << true << QStringLiteral("Read-only file system")
                               << QStringLiteral("make the disk writable");
  }

  void aDiskThatCannotTakeTheFilesGetsAdviceThatFitsIt() {
    QFETCH(bool, readOnly);
    QFETCH(QString, reason);
    QFETCH(QString, advice);
    QTemporaryDir disk;
    const QByteArray where = QFile::encodeName(disk.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", readOnly ? MS_RDONLY : 0, "size=64k") != 0) {
      QSKIP("a small disk can be made only with the right to mount one");
    }
    const auto unmount = qScopeGuard([&] { ::umount2(where.constData(), MNT_DETACH); });
    if (!readOnly) {
      QFile filler(disk.filePath("filler"));
      QVERIFY(filler.open(QIODevice::WriteOnly));
      const QByteArray block(4096, 'x');
      while (filler.write(block) == block.size() && filler.flush()) {
      }
    }
    bool started = true;
    Start(builtIn_, &started, where.toStdString());
    QVERIFY(!started);
    QCOMPARE(notices_.size(), 1);
    QVERIFY2(notices_[0].contains(reason), qPrintable(notices_[0]));
    QVERIFY2(notices_[0].contains(advice), qPrintable(notices_[0]));
    QVERIFY(!notices_[0].contains("Reinstalling"));
  }

  // Where no small disk can be made, the advice is still checked from the error alone.
  void theAdviceFollowsTheReason_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("advice");
    QTest::newRow("full disk") << ENOSPC << QStringLiteral("make room on the disk");
    QTest::newRow("read-only disk") << EROFS << QStringLiteral("make the disk writable");
    QTest::newRow("no right to write") << EACCES << QStringLiteral("folder can be written");
    QTest::newRow("a folder in the way") << EISDIR << QStringLiteral("move it away");
    QTest::newRow("failing disk") << EIO << QStringLiteral("disk may be failing");
    QTest::newRow("damaged content") << 0 << QStringLiteral("Reinstalling");
  }

  void theAdviceFollowsTheReason() {
    QFETCH(int, code);
    QFETCH(QString, advice);
    const QString notice = HeaderFailureNotice(Error{code, "Quillory cannot read it."});
    QVERIFY2(notice.startsWith("Quillory cannot read it."), qPrintable(notice));
    QVERIFY2(notice.contains(advice), qPrintable(notice));
    QCOMPARE(notice.contains("Reinstalling"), code == 0);
    QVERIFY(
        ResultFilesFailureNotice(Error{code, "Could not write it."}, folder()).contains(advice));
  }

  void aFolderThatCannotBeWrittenStopsWithAMessage() {
    if (::geteuid() == 0) QSKIP("root may write anywhere");
    Start(builtIn_);
    std::filesystem::remove(folder() / "marks3QP.txt");
    std::filesystem::permissions(
        folder(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    bool started = true;
    Start(builtIn_, &started);
    std::filesystem::permissions(folder(), std::filesystem::perms::owner_all);
    QVERIFY(!started);
    QVERIFY(notices_.last().contains("cannot keep your work"));
  }

  // A lock whose holder cannot be read can never be found stale: saying "already open" would
  // refuse every start for good.
  void aLockThatCannotBeReadIsNamed_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder in its place") << "folder" << QStringLiteral("Is a directory");
    QTest::newRow("no holder written in it") << "garbage" << QStringLiteral("does not say");
    QTest::newRow("no one may read it") << "mode 000" << QStringLiteral("Permission denied");
  }

  void aLockThatCannotBeReadIsNamed() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString path = dir_.filePath("quillory.lock");
    if (kind == "folder") {
      QVERIFY(QDir().mkdir(path));
    } else {
      if (kind == "mode 000" && ::geteuid() == 0) QSKIP("root may read any file");
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      // A lock as a copy of Quillory that has gone would have left it.
      file.write(kind == "garbage" ? "not a lock\n" : "999999\nquillory\nhost\n");
      file.close();
      if (kind == "mode 000") QVERIFY(file.setPermissions(QFileDevice::Permissions()));
    }
    InstanceLock lock(dir_.path());
    QVERIFY(!lock.acquire());
    QVERIFY2(!lock.message().contains("Quillory is already open"), qPrintable(lock.message()));
    QVERIFY(lock.message().contains("cannot check whether it is already open"));
    QVERIFY(lock.message().contains(QDir::toNativeSeparators(path)));
    QVERIFY2(lock.message().contains(reason), qPrintable(lock.message()));
  }

  void aSecondCopyIsRefused() {
    InstanceLock first(dir_.path());
    QVERIFY(first.acquire());
    InstanceLock second(dir_.path());
    QVERIFY(!second.acquire());
    QVERIFY(second.message().contains("already open"));
  }

  void aLockLeftByAKilledCopyIsTakenOver() {
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
      QLockFile lock(dir_.filePath("quillory.lock"));
      ::_exit(lock.tryLock(0) ? 0 : 1);  // ends without unlocking, as a killed copy would
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(QFile::exists(dir_.filePath("quillory.lock")));
    InstanceLock lock(dir_.path());
    QVERIFY(lock.acquire());
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
