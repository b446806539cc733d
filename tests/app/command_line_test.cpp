#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The options a user tries first answer at once, on a terminal without a desktop, and leave the
// pupil's data folder alone.
class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void answersWithoutAWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString usage = QStringLiteral("Usage: quillory [options]");
    const QString version = QStringLiteral("quillory " QUILLORY_VERSION "\n");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
    QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << QString();
    QTest::newRow("--version") << QStringList{"--version"} << 0 << version << QString();
    QTest::newRow("-v") << QStringList{"-v"} << 0 << version << QString();
    QTest::newRow("unknown option")
        << QStringList{"--frobnicate"} << 2 << QString() << "Unknown option 'frobnicate'";
    QTest::newRow("stray argument")
        << QStringList{"paper.txt"} << 2 << QString() << "unexpected argument 'paper.txt'";
  }

  void answersWithoutAWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLORY_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString complaint = QString::fromLocal8Bit(program.readAllStandardError());
    if (status == 0) {
      QVERIFY2(printed.startsWith(out), qPrintable(printed));
      QVERIFY(complaint.isEmpty());
    } else {
      QVERIFY(printed.isEmpty());
      QVERIFY2(complaint.contains(err), qPrintable(complaint));
      QVERIFY(complaint.contains(QStringLiteral("Usage: quillory [options]")));
    }
    QVERIFY(QDir(home.path()).isEmpty());
  }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
