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
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
  }

  void endsCleanlyOnASignal() {
    QFETCH(int, signal);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcess program;
    StartProgram(program, home.path());
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(StartUpFinished(home.path()), 20000);
    const QString lock = DataFolderUnder(home.path()) + QStringLiteral("/quillory.lock");
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
