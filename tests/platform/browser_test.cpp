#include "quillory/platform/browser.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using namespace quillory;

// Starts the browser through stand-ins for xdg-open that end as the real one does on desktops
// with and without a browser.
class BrowserTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir bin_;
  std::optional<BrowserOutcome> outcome_;

  QString Opener() const { return bin_.filePath(QStringLiteral("xdg-open")); }

  // Makes `program` the xdg-open on the PATH, or leaves none when it is empty.
  bool Install(const QByteArray& program) {
    QFile::remove(Opener());
    if (program.isEmpty()) return true;
    QFile file(Opener());
    if (!file.open(QIODevice::WriteOnly) || file.write(program) != program.size()) return false;
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  // Opens `url` with only the stand-in on the PATH; the outcome lands in `outcome`, else in
  // outcome_.
  void Start(const QUrl& url, QObject* context, std::optional<BrowserOutcome>* outcome = nullptr) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin_.path().toLocal8Bit());
    std::optional<BrowserOutcome>* into = outcome != nullptr ? outcome : &outcome_;
    OpenInBrowser(url, context, [into](BrowserOutcome result) { *into = result; });
    qputenv("PATH", path);
  }

  QByteArray Asked() const {
    QFile asked(bin_.filePath(QStringLiteral("asked")));
    return asked.open(QIODevice::ReadOnly) ? asked.readAll() : QByteArray();
  }

 private slots:
  void init() {
    outcome_.reset();
    QFile::remove(bin_.filePath(QStringLiteral("asked")));
  }

  void tellsHowTheStartEnded_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<int>("outcome");
    QTest::newRow("opened") << QByteArray("#!/bin/sh\nexit 0\n") << int(BrowserOutcome::Opened);
    QTest::newRow("no method available")
        << QByteArray("#!/bin/sh\necho 'xdg-open: no method available for opening' >&2\nexit 3\n")
        << int(BrowserOutcome::Failed);
    QTest::newRow("action failed")
        << QByteArray("#!/bin/sh\nexit 4\n") << int(BrowserOutcome::Failed);
    QTest::newRow("killed") << QByteArray("#!/bin/sh\nkill -9 $$\n") << int(BrowserOutcome::Failed);
    QTest::newRow("not a program") << QByteArray(
                                          "\x7f"
                                          "ELF\x02\x01\x01")
                                   << int(BrowserOutcome::Failed);
    QTest::newRow("no xdg-open") << QByteArray() << int(BrowserOutcome::NoBrowser);
  }

  void tellsHowTheStartEnded() {
    QFETCH(QByteArray, program);
    QFETCH(int, outcome);
    QVERIFY(Install(program));
    QObject owner;
    Start(QUrl(QStringLiteral("https://example.org/")), &owner);
    QTRY_VERIFY_WITH_TIMEOUT(outcome_.has_value(), 10000);
    QCOMPARE(int(*outcome_), outcome);
  }

  void passesTheAddressAsItsOneArgument() {
    QVERIFY(Install("#!/bin/sh\nprintf '%s|%s' \"$1\" \"$#\" > \"${0%/*}/asked\"\n"));
    QObject owner;
    Start(QUrl(QStringLiteral("https://www.example.org/edu prog.html?a=1&b=$(id)")), &owner);
    QTRY_VERIFY_WITH_TIMEOUT(outcome_.has_value(), 10000);
    QCOMPARE(*outcome_, BrowserOutcome::Opened);
    QCOMPARE(Asked(), QByteArray("https://www.example.org/edu%20prog.html?a=1&b=$(id)|1"));
  }

  // xdg-open may wait for the browser it started: once it has run a while, the page counts as
  // open, and nothing more is said when the browser ends later.
  void aStartThatKeepsRunningCountsAsOpened() {
    QVERIFY(Install("#!/bin/sh\n/bin/sleep 7\nexit 3\n"));
    QObject owner;
    QElapsedTimer clock;
    clock.start();
    Start(QUrl(QStringLiteral("https://example.org/")), &owner);
    QTRY_VERIFY_WITH_TIMEOUT(outcome_.has_value(), 10000);
    QCOMPARE(*outcome_, BrowserOutcome::Opened);
    QVERIFY(clock.elapsed() < 6500);
  }

  // A second asker, still there, whose start ends later: once it has heard, the first start has
  // ended too, and its gone asker heard nothing.
  void nothingIsToldOnceTheAskerIsGone() {
    QVERIFY(Install("#!/bin/sh\ncase \"$1\" in *later*) /bin/sleep 0.3 ;; esac\nexit 3\n"));
    auto owner = std::make_unique<QObject>();
    Start(QUrl(QStringLiteral("https://example.org/")), owner.get());
    owner.reset();
    QObject witness;
    std::optional<BrowserOutcome> heard;
    Start(QUrl(QStringLiteral("https://example.org/later")), &witness, &heard);
    QTRY_VERIFY_WITH_TIMEOUT(heard.has_value(), 10000);
    QCOMPARE(*heard, BrowserOutcome::Failed);
    QVERIFY(!outcome_.has_value());
  }
};

QTEST_GUILESS_MAIN(BrowserTest)
#include "browser_test.moc"
