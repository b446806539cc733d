#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>

namespace quillory {
namespace {

// The options QGuiApplication and QApplication read themselves: with a value, then without.
constexpr const char* kQtValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "display",       "name",    "title",
    "style",       "stylesheet",         "session",       "geometry"};
constexpr const char* kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Quillory: practise primary-school test papers in English, Mathematics and "
                     "Science.\nThe pupil's work is kept in $XDG_DATA_HOME/quillory "
                     "(~/.local/share/quillory)."));
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Show the version and exit."));
  parser.addOption(help);
  parser.addOption(version);
  for (const char* name : kQtValueOptions) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kQtFlagOptions) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  // The help text names the program; without an application object it cannot find it itself.
  const QString usage = parser.helpText().replace(
      QRegularExpression(QStringLiteral("^Usage: \\S*")), QStringLiteral("Usage: quillory"));
  if (!parser.parse(arguments)) {
    print(stderr, QStringLiteral("quillory: %1\n\n%2").arg(parser.errorText(), usage));
    return 2;
  }
  if (!parser.positionalArguments().isEmpty()) {
    print(stderr, QStringLiteral("quillory: unexpected argument '%1'\n\n%2")
                      .arg(parser.positionalArguments().first(), usage));
    return 2;
  }
  if (parser.isSet(help)) {
    print(stdout, usage);
    return 0;
  }
  if (parser.isSet(version)) {
    print(stdout, QStringLiteral("quillory %1\n").arg(QStringLiteral(QUILLORY_VERSION)));
    return 0;
  }
  return std::nullopt;
}

}  // namespace quillory
