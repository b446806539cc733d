#include "quillory/platform/default_printer.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillory;

// The printer chosen in Setup is handed to CUPS as the user's default, so the next start and every
// other program print on it; when that cannot be done, the pupil is told why.
class DefaultPrinterTest : public QObject {
  Q_OBJECT

  QTemporaryDir bin_;
  QByteArray path_;

  // An `lpoptions` of our own, first on PATH: it records its arguments and ends as told.
  void FakeLpoptions(const QByteArray& body) {
    const QString script = bin_.filePath(QStringLiteral("lpoptions"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/arguments\"\n" + body + "\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

 private slots:
  void initTestCase() { path_ = qgetenv("PATH"); }
  void cleanup() { qputenv("PATH", path_); }

  void handsTheChoiceToCups_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("reason");
    QTest::newRow("kept") << QByteArray("exit 0") << QString();
    QTest::newRow("refused")
        << QByteArray("echo 'lpoptions: The printer or class does not exist.' >&2; exit 1")
        << QStringLiteral("lpoptions: The printer or class does not exist.");
    QTest::newRow("refused silently")
        << QByteArray("exit 4") << QStringLiteral("lpoptions ended with status 4");
  }

  void handsTheChoiceToCups() {
    QFETCH(QByteArray, body);
    QFETCH(QString, reason);
    FakeLpoptions(body);
    qputenv("PATH", QFile::encodeName(bin_.path()) + ":" + path_);
    QCOMPARE(KeepAsDefaultPrinter(QStringLiteral("Class Room")), reason);
    QFile arguments(bin_.filePath(QStringLiteral("arguments")));
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(arguments.readAll(), QByteArray("-d Class Room\n"));
  }

  void saysSoWhenThePrintingToolsAreMissing() {
    qputenv("PATH", QFile::encodeName(bin_.path() + QStringLiteral("/nothing-here")));
    QVERIFY(KeepAsDefaultPrinter(QStringLiteral("Office")).contains(QStringLiteral("cups-client")));
  }

  // With a real CUPS and a queue on this machine, the default is what lpstat reports afterwards.
  void becomesTheDefaultCupsReports() {
    const QString lpstat = QStandardPaths::findExecutable(QStringLiteral("lpstat"));
    if (lpstat.isEmpty()) QSKIP("CUPS is not installed here (no lpstat)");
    QProcess queues;
    queues.start(lpstat, {QStringLiteral("-e")});
    QVERIFY(queues.waitForFinished(10000));
    const QStringList names = QString::fromLocal8Bit(queues.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (names.isEmpty()) QSKIP("CUPS has no printer queue here (no scheduler, or no cups-pdf)");
    QProcess before;
    before.start(lpstat, {QStringLiteral("-d")});
    QVERIFY(before.waitForFinished(10000));
    QCOMPARE(KeepAsDefaultPrinter(names.last()), QString());
    QProcess after;
    after.start(lpstat, {QStringLiteral("-d")});
    QVERIFY(after.waitForFinished(10000));
    QVERIFY(QString::fromLocal8Bit(after.readAllStandardOutput()).contains(names.last()));
    const QString old = QString::fromLocal8Bit(before.readAllStandardOutput())
                            .section(QStringLiteral(": "), 1)
                            .trimmed();
    if (!old.isEmpty()) KeepAsDefaultPrinter(old);
  }
};

QTEST_GUILESS_MAIN(DefaultPrinterTest)
#include "default_printer_test.moc"
