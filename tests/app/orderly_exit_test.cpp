#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLORY_PROGRAM), {});
    QVERIFY(program.waitForStarted());

    const QString folder = home.path() + QStringLiteral("/quillory");
    const QString lock = folder + QStringLiteral("/quillory.lock");
    // The result files are made after the lock is taken, so their presence means start-up is over.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder + QStringLiteral("/marks1QP.txt")), 20000);
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
