#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "program_under_test.h"

// Starting the program while it runs brings the open copy forward and ends quietly, instead of
// stopping at a message that only says Quillory is already open.
class SecondStartTest : public QObject {
  Q_OBJECT

 private slots:
  void aSecondStartEndsQuietlyAndLeavesTheFirstRunning() {
    QTemporaryDir home;
    QProcess first;
    StartProgram(first, home.path());
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(StartUpFinished(home.path()), 20000);

    QProcess second;
    StartProgram(second, home.path());
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    QVERIFY(first.waitForFinished(20000));
    QCOMPARE(first.exitCode(), 0);
  }
};

QTEST_GUILESS_MAIN(SecondStartTest)
#include "second_start_test.moc"
