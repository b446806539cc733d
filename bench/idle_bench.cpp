#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>
#include <memory>

#include "quillory/assets/embedded_package.h"
#include "quillory/practice/page_view.h"
#include "quillory/practice/practice_windows.h"
#include "quillory/results/result_file_check.h"
#include "quillory/results/result_files.h"

// What a window costs while nothing happens: the main process's processor time over some idle
// seconds with a paper open, against a bare web view showing the same page file in the same run;
// and the cost of one tick of the practice window against one read of the cursor.
namespace {

using namespace quillory;

constexpr int kSettleMs = 4000;
constexpr int kIdleMs = 8000;
constexpr int kTicks = 20000;

double ProcessCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void Wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Percent of one core the main process used while the event loop ran idle for kIdleMs.
double IdleCpuPercent() {
  Wait(kSettleMs);
  const double before = ProcessCpuMs();
  QElapsedTimer wall;
  wall.start();
  Wait(kIdleMs);
  return 100.0 * (ProcessCpuMs() - before) / static_cast<double>(wall.elapsed());
}

}  // namespace

int main(int argc, char** argv) {
  if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  PreparePageViews();
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const std::filesystem::path folder = dir.path().toStdString();
  const ContentPackage package = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  InstallGraphics(package, folder);
  const SubjectCatalogue catalogue = *LoadProductHeader(package, folder);
  EnsureResultFiles(package, folder, catalogue, "bench");
  const Skin skin(QString::fromStdString(GraphicsFolder(folder).string()));

  QString response;
  PracticeWindows windows(
      skin, PracticeWindow::Services{&package, folder, &response, [] {},
                                     [](const QString&, const QString&, int,
                                        std::function<void(bool)> answered) { answered(true); },
                                     1});
  const PaperChoice paper{1, "QP", 30, 1, "Grammar", PaperKey::FromText("101"), 1};
  PracticeWindow* window = windows.Open(paper);
  if (window == nullptr) return 1;
  const std::string firstPage = window->paper().pages.front();
  windows.CloseAll();

  double bare = 0;
  {
    const std::filesystem::path page = folder / "bare.mhtml";
    ExtractResource(package, static_cast<std::uint16_t>(std::stoi(firstPage)), page);
    QWebEngineView view;
    view.resize(1000, 700);
    view.setUrl(QUrl::fromLocalFile(QString::fromStdString(page.string())));
    view.show();
    bare = IdleCpuPercent();
  }

  window = windows.Open(paper);
  if (window == nullptr) return 1;
  const double own = IdleCpuPercent();
  // The same window with its tick stopped: what the clock's once-a-second repaint costs.
  auto* tick = window->findChild<QTimer*>(QStringLiteral("Timer1"));
  tick->stop();
  const double withoutTick = IdleCpuPercent();
  tick->start();

  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < kTicks; ++i) window->PracticeTick();
  const double tickUs = static_cast<double>(timer.nsecsElapsed()) / 1e3 / kTicks;
  timer.restart();
  int sum = 0;
  for (int i = 0; i < kTicks; ++i) sum += QCursor::pos().x();
  const double cursorUs = static_cast<double>(timer.nsecsElapsed()) / 1e3 / kTicks;
  windows.CloseAll();

  std::printf("%-34s %8.2f %% of a core  bare view %6.2f %%  above it %+6.2f %%\n",
              "idle, a paper open", own, bare, own - bare);
  std::printf("%-34s %8.2f %% of a core\n", "idle, a paper open, tick stopped", withoutTick);
  std::printf("%-34s %8.3f us  cursor read %6.3f us  ratio %6.2fx%s\n", "practice window tick",
              tickUs, cursorUs, cursorUs > 0 ? tickUs / cursorUs : 0.0, sum == 42 ? " " : "");
  return 0;
}
