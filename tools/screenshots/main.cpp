// quillory-screenshots [--dark] OUTDIR: the program's pictures for its AppStream metadata, taken
// of the real windows over a data folder of its own: the home window, and a practice window with a
// marked page. Meant to run under Xvfb (xcb), where a screen grab also holds the web view. With
// --dark the desktop's theme is a dark one, which must leave the pictures as they are.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>
#include <cstring>
#include <functional>

#include "dark_desktop.h"
#include "program_windows.h"
#include "quillory/assets/embedded_package.h"
#include "quillory/content/content_package.h"
#include "quillory/practice/page_scheme.h"
#include "quillory/practice/page_view.h"

namespace {

bool Save(QWidget* window, const QString& path) {
  const QPixmap picture = window->screen()->grabWindow(window->winId());
  if (picture.isNull() || !picture.save(path, "PNG")) {
    std::fprintf(stderr, "quillory-screenshots: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// Runs `next` once the view has loaded the page asked for after this call, and has drawn it.
void AfterLoad(QWebEngineView* view, std::function<void()> next) {
  auto* once = new QObject(view);
  QObject::connect(view, &QWebEngineView::loadFinished, once, [once, next](bool) {
    once->deleteLater();
    // The engine draws the loaded page in its next frames.
    QTimer::singleShot(300, next);
  });
}

}  // namespace

int main(int argc, char** argv) {
  const bool dark = argc == 3 && std::strcmp(argv[1], "--dark") == 0;
  if (argc != 2 && !dark) {
    std::fprintf(stderr, "usage: quillory-screenshots [--dark] OUTDIR\n");
    return 2;
  }
  // Chromium will not start its sandbox as root, as in a build; the pages run no script.
  if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  quillory::PreparePageViews();
  QApplication app(argc, argv);
  if (dark) quillory::UseDarkDesktopTheme();
  const QDir out(QString::fromLocal8Bit(argv[argc - 1]));
  if (!QDir().mkpath(out.path())) return 1;
  QTemporaryDir data;
  if (!data.isValid()) return 1;

  auto package = quillory::ContentPackage::FromBytes(quillory::EmbeddedPackageBytes());
  if (!package) return 1;
  quillory::PracticeWindow::Services services{};
  services.ask = [](const QString&, const QString&, int, std::function<void(bool)> answered) {
    answered(true);
  };
  services.animationStep = 1;
  quillory::ProgramWindows windows(*package, data.path().toStdString(), services);
  quillory::Contents& contents = windows.contents();
  quillory::PracticeWindows& practice = windows.practice();
  if (!contents.Form_Load()) return 1;
  contents.move(0, 0);
  contents.show();

  int status = 0;
  quillory::PracticeWindow* window = nullptr;
  const auto finish = [&] {
    if (!Save(window, out.filePath(QStringLiteral("worked.png")))) status = 1;
    practice.CloseAll();
    QApplication::exit(status);
  };
  // Runs `next` once the window shows its paper marked and the page asked for.
  const auto whenMarked = [&](int page, std::function<void()> next) {
    auto* marked = new QTimer(window);
    QObject::connect(marked, &QTimer::timeout, window, [&, marked, page, next] {
      if (!window->paper().marked) return;
      marked->stop();
      marked->deleteLater();
      AfterLoad(window->pageView(), next);
      window->GoToPage(page);
    });
    marked->start(20);
  };
  const auto retry = [&] {
    if (!Save(window, out.filePath(QStringLiteral("practice.png")))) status = 1;
    // The retry, marked: the practice is over, and the worked answer of the page stands under
    // the expected answer of its blank still wrong.
    contents.OpenPaperWindow(0, 2);
    window = practice.current();
    if (window == nullptr) {
      QApplication::exit(1);
      return;
    }
    window->move(0, 0);
    AfterLoad(window->pageView(), [&] {
      window->MarkPaper();
      whenMarked(3, finish);
    });
  };
  const auto mark = [&] {
    // Two right answers and a wrong one, then the first page again, marked.
    quillory::AnswerSheet* sheet = window->answerSheet();
    window->GoToPage(1);
    sheet->slot(1).answer->setText(QStringLiteral("2"));
    window->GoToPage(2);
    sheet->slot(1).answer->setText(QStringLiteral("4"));
    window->GoToPage(3);
    sheet->slot(1).answer->setText(QStringLiteral("1"));
    window->MarkPaper();
    // The bars of the marking run first; page 1 is taken once the window shows it marked.
    whenMarked(1, retry);
  };
  const auto open = [&] {
    if (!Save(&contents, out.filePath(QStringLiteral("home.png")))) status = 1;
    // Paper 1 of the first topic, through the home window's take button as a pupil opens it.
    contents.OpenPaperWindow(0, 1);
    window = practice.current();
    if (window == nullptr) {
      QApplication::exit(1);
      return;
    }
    window->move(0, 0);
    AfterLoad(window->pageView(), mark);
  };
  // The home window has no web view: it is drawn once the events of showing it are handled.
  QTimer::singleShot(300, open);
  return QApplication::exec();
}
