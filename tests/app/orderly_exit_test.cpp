#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "program_under_test.h"

// A logout, `kill` or Ctrl+C ends the program the way its Close button does: exit status 0, and
// neither the lock nor a page file is left behind to trouble the next start.
class OrderlyExitTest : public QObject {
  Q_OBJECT

 private slots:
  void endsCleanlyOnASignal_data() {
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("duringANotice");
    QTest::newRow("SIGTERM") << SIGTERM << false;
    QTest::newRow("SIGINT") << SIGINT << false;
    QTest::newRow("SIGHUP") << SIGHUP << false;
    QTest::newRow("SIGTERM while a start-up notice waits") << SIGTERM << true;
  }

  void endsCleanlyOnASignal() {
    QFETCH(int, signal);
    QFETCH(bool, duringANotice);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString folder = DataFolderUnder(home.path());
    QVERIFY(QDir().mkpath(folder));
    if (duringANotice) {
      // A marks file that is no record file: start-up sets it aside and tells the pupil.
      QFile damaged(folder + QStringLiteral("/marks1QP.txt"));
      QVERIFY(damaged.open(QIODevice::WriteOnly));
      damaged.write("not a marks file\r\n");
    }
    QProcess program;
    StartProgram(program, home.path());
    QVERIFY(program.waitForStarted());
    const auto setAside = [&] {
      return !QDir(folder).entryList({QStringLiteral("marks1QP.set-aside-*")}).isEmpty();
    };
    if (duringANotice) {
      QTRY_VERIFY_WITH_TIMEOUT(setAside(), 20000);
    } else {
      QTRY_VERIFY_WITH_TIMEOUT(StartUpFinished(home.path()), 20000);
    }
    const QString lock = folder + QStringLiteral("/quillory.lock");
    QVERIFY(QFile::exists(lock));

    ::kill(static_cast<pid_t>(program.processId()), signal);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(!QFile::exists(lock));
  }
};

QTEST_GUILESS_MAIN(OrderlyExitTest)
#include "orderly_exit_test.moc"
