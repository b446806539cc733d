#include <sys/wait.h>
#include <unistd.h>

#include <QLabel>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include "../support/failing_writer.h"
#include "quillory/assets/embedded_package.h"
#include "quillory/content/file_io.h"
#include "quillory/home/contents.h"
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
  std::unique_ptr<Contents> Start(const ContentPackage& package, bool* started = nullptr) {
    auto skin = std::make_unique<Skin>(QString::fromStdString(GraphicsFolder(folder()).string()));
    auto contents = std::make_unique<Contents>(package, folder(), *skin);
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

  void aMarkingKilledHalfWayIsUndoneAndAnEraseCutShortCleared() {
    Start(builtIn_);
    const std::string results = Read("fresults2QP.txt");
    const std::string marks = Read("marks2QP.txt");
    // Killed after the glyphs of paper 101 were written, before its marks: no write reaches the
    // disk after the third (journal, answers, results).
    MarkedAttemptEntries entries;
    entries.paperKey = "101";
    entries.paperIndex = 1;
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
