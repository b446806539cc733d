#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

// What the desktop's task bar and window list read: the home window's caption alone, with no
// program name after it. Needs an X display (as under Xvfb) and the X utilities.
class WindowTitleTest : public QObject {
  Q_OBJECT

 private:
  static QString Run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(5000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  // The window whose name begins with `caption`, as "id name".
  static QStringList WindowNamed(const QString& caption) {
    const QRegularExpression line(QStringLiteral("^\\s*(0x[0-9a-f]+) \"(%1[^\"]*)\"")
                                      .arg(QRegularExpression::escape(caption)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match =
        line.match(Run(QStringLiteral("xwininfo"), {"-root", "-tree"}));
    return match.hasMatch() ? QStringList{match.captured(1), match.captured(2)} : QStringList{};
  }

 private slots:
  void theHomeWindowIsNamedByItsCaptionAlone() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) QSKIP("no X display");
    for (const char* tool : {"xwininfo", "xprop"}) {
      if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) QSKIP("no X utilities");
    }
    QTemporaryDir home;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLORY_PROGRAM), {"-platform", "xcb"});
    QVERIFY(program.waitForStarted());
    const auto end = qScopeGuard([&] {
      ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
      program.waitForFinished(20000);
    });

    // The product header's title, as the home window's title bar shows it.
    const QString caption = QStringLiteral("Quillory Practice Papers");
    QTRY_VERIFY_WITH_TIMEOUT(!WindowNamed(caption).isEmpty(), 20000);
    const QStringList window = WindowNamed(caption);
    QCOMPARE(window.at(1), caption);
    QCOMPARE(Run(QStringLiteral("xprop"), {"-id", window.at(0), "_NET_WM_NAME"}).trimmed(),
             QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"%1\"").arg(caption));
  }
};

QTEST_GUILESS_MAIN(WindowTitleTest)
#include "window_title_test.moc"
