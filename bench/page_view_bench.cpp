#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "quillory/assets/embedded_package.h"
#include "quillory/content/content_package.h"
#include "quillory/content/mhtml.h"
#include "quillory/content/paper_tables.h"
#include "quillory/practice/page_scheme.h"
#include "quillory/practice/page_view.h"

// The page view against a bare web view showing the same decoded page through the same scheme
// handler on the engine's default profile: opening a paper's first page, the next page, and the
// memory of a process with a page on show. A first page in a fresh process is measured in child
// processes, one per run, since the engine starts only once per process.
namespace {

using namespace quillory;

constexpr int kFirstPage = 22012;
constexpr int kNextPage = 22043;
constexpr int kOpenRounds = 10;
constexpr int kNextRounds = 40;
constexpr int kColdRounds = 3;

const ContentPackage& Package() {
  static const ContentPackage package = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  return package;
}

QString PageFile(const QTemporaryDir& dir, int id) {
  const std::filesystem::path path = QuestionPagePath(dir.path().toStdString(), std::to_string(id));
  ExtractResource(Package(), static_cast<std::uint16_t>(id), path);
  return QString::fromStdString(path.string());
}

MhtmlDocument Decoded(int id) {
  return DecodeMhtml(*Package().Member(static_cast<std::uint16_t>(id)));
}

// Runs `start` and waits for the view's next loadFinished; milliseconds taken.
double TimeLoad(QWebEngineView& view, const std::function<void()>& start) {
  QEventLoop loop;
  const auto connection = QObject::connect(&view, &QWebEngineView::loadFinished, &loop,
                                           [&](bool ok) { loop.exit(ok ? 0 : 1); });
  QTimer::singleShot(60000, &loop, [&] { loop.exit(2); });
  QElapsedTimer timer;
  timer.start();
  start();
  const int result = loop.exec();
  const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  QObject::disconnect(connection);
  if (result != 0) std::fprintf(stderr, "a page did not load (%d)\n", result);
  return ms;
}

void Settle(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

long RssKb(const std::string& pid) {
  std::ifstream status("/proc/" + pid + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

// Resident memory of this process and every process it started (the engine's helpers).
long TreeRssKb(const std::string& pid) {
  long total = RssKb(pid);
  const std::filesystem::path tasks = "/proc/" + pid + "/task";
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream children(task.path() / "children");
    for (std::string child; children >> child;) total += TreeRssKb(child);
  }
  return total;
}

// Serves the bare view the same decoded page through the same scheme.
struct BareView {
  PageSchemeHandler handler;
  std::unique_ptr<QWebEngineView> view;

  BareView() {
    QWebEngineProfile::defaultProfile()->installUrlSchemeHandler(kPageScheme, &handler);
    view = std::make_unique<QWebEngineView>();
    view->resize(900, 700);
    view->show();
  }
  ~BareView() {
    view.reset();
    QWebEngineProfile::defaultProfile()->removeUrlSchemeHandler(&handler);
  }
  double Show(int id) {
    const QUrl address = handler.setDocument(Decoded(id));
    return TimeLoad(*view, [&] { view->load(address); });
  }
};

struct OwnView {
  std::unique_ptr<PageView> view = std::make_unique<PageView>();
  OwnView() {
    view->resize(900, 700);
    view->show();
  }
  double Show(const QString& file) {
    return TimeLoad(*view, [&] { view->ShowPageFile(file); });
  }
};

// One first page in this fresh process, from making the view on: prints milliseconds and
// resident kilobytes.
int ColdRun(bool own, const QTemporaryDir& dir) {
  const QString file = PageFile(dir, kFirstPage);
  QElapsedTimer timer;
  timer.start();
  std::unique_ptr<OwnView> ownView;
  std::unique_ptr<BareView> bareView;
  if (own) {
    ownView = std::make_unique<OwnView>();
    ownView->Show(file);
  } else {
    bareView = std::make_unique<BareView>();
    bareView->Show(kFirstPage);
  }
  const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  Settle(1500);
  std::printf("%f %ld\n", ms, TreeRssKb(std::to_string(::getpid())));
  return 0;
}

void Report(const char* operation, double own, double bare, const char* unit) {
  std::printf("  %-34s %10.1f %s   bare view %10.1f %s   ratio %.2f\n", operation, own, unit, bare,
              unit, bare > 0 ? own / bare : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  // Chromium will not start its sandbox as root.
  if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  PreparePageViews();
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QStringList arguments = QApplication::arguments();
  if (arguments.contains(QStringLiteral("--cold-own"))) return ColdRun(true, dir);
  if (arguments.contains(QStringLiteral("--cold-bare"))) return ColdRun(false, dir);

  std::vector<double> coldOwn, coldBare, memoryOwn, memoryBare;
  for (int round = 0; round < kColdRounds; ++round) {
    for (bool own : {true, false}) {
      QProcess child;
      child.start(QApplication::applicationFilePath(),
                  {own ? QStringLiteral("--cold-own") : QStringLiteral("--cold-bare")});
      child.waitForFinished(120000);
      double ms = 0;
      long kb = 0;
      if (std::sscanf(child.readAllStandardOutput().constData(), "%lf %ld", &ms, &kb) != 2) {
        std::fprintf(stderr, "a cold run failed\n");
        continue;
      }
      (own ? coldOwn : coldBare).push_back(ms);
      (own ? memoryOwn : memoryBare).push_back(static_cast<double>(kb) / 1024);
    }
  }

  const QString first = PageFile(dir, kFirstPage);
  const QString next = PageFile(dir, kNextPage);
  std::vector<double> openOwn, openBare, nextOwn, nextBare;
  {
    OwnView warmUp;
    warmUp.Show(first);
    BareView bareWarmUp;
    bareWarmUp.Show(kFirstPage);
  }
  for (int round = 0; round < kOpenRounds; ++round) {
    {
      OwnView view;
      openOwn.push_back(view.Show(first));
    }
    Settle(100);
    {
      BareView view;
      openBare.push_back(view.Show(kFirstPage));
    }
    Settle(100);
  }
  {
    OwnView own;
    BareView bare;
    own.Show(first);
    bare.Show(kFirstPage);
    for (int round = 0; round < kNextRounds; ++round) {
      const bool even = round % 2 == 0;
      nextOwn.push_back(own.Show(even ? next : first));
      nextBare.push_back(bare.Show(even ? kNextPage : kFirstPage));
    }
  }

  std::printf("Page view against a bare web view, medians (page %d, then %d):\n", kFirstPage,
              kNextPage);
  Report("first page, engine not started", Median(coldOwn), Median(coldBare), "ms");
  Report("first page of a paper", Median(openOwn), Median(openBare), "ms");
  Report("next page", Median(nextOwn), Median(nextBare), "ms");
  Report("memory with a page on show", Median(memoryOwn), Median(memoryBare), "MB");
  return 0;
}
