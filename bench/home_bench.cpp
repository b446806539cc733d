#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <memory>

#include "quillory/assets/embedded_package.h"
#include "quillory/home/contents.h"
#include "ratio_reporter.h"

namespace {

using namespace quillory;

// A home window started over a scratch data folder, kept for the whole run.
struct HomeWindow {
  QTemporaryDir dir;
  ContentPackage package = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  std::filesystem::path folder = dir.path().toStdString();
  Skin skin{QString::fromStdString(GraphicsFolder(folder).string())};
  Contents contents{package, folder, skin};
  HomeWindow() {
    contents.setNotice([](const QString&, bool) {});
    contents.Form_Load();
    contents.show();
    QApplication::processEvents();
  }
};

// Made on first use and destroyed by main while the application still exists: a window that
// outlived QApplication would crash the run at exit.
std::unique_ptr<HomeWindow> gWindow;

HomeWindow& Window() {
  if (!gWindow) gWindow = std::make_unique<HomeWindow>();
  return *gWindow;
}

// The cursor crossing a toolbar button: its face changes on the enter and back on the leave.
// The window does nothing between such events.
void BM_HoverAButton(benchmark::State& state) {
  HomeWindow& window = Window();
  QWidget* button = window.contents.findChild<QWidget*>(QStringLiteral("ToolBar01"));
  for (auto _ : state) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
  }
}

// What a tick that polled the cursor did at the least: read it and test 23 rectangles.
void BM_HitTestBaseline(benchmark::State& state) {
  HomeWindow& window = Window();
  const auto buttons = window.contents.findChildren<QLabel*>();
  for (auto _ : state) {
    const QPoint cursor = QCursor::pos();
    int over = 0;
    for (int i = 0; i < 23 && i < buttons.size(); ++i) {
      over += QRect(buttons[i]->mapToGlobal(QPoint(0, 0)), buttons[i]->size()).contains(cursor);
    }
    benchmark::DoNotOptimize(over);
  }
}

void BM_SwitchSubjectTab(benchmark::State& state) {
  HomeWindow& window = Window();
  int tab = 1;
  for (auto _ : state) {
    tab = tab == 1 ? 2 : 1;
    window.contents.TabClick(tab);
  }
}

// Reading the subject's four score lists, which every switch does: the floor of a switch.
void BM_ReadScoresBaseline(benchmark::State& state) {
  HomeWindow& window = Window();
  const auto marks = window.contents.subjectView().marksFile;
  for (auto _ : state) {
    for (const char* key : {"FSE", "SSE", "LTM", "CDD"}) {
      benchmark::DoNotOptimize(ReadRecordList(marks, key, 30, kPaperCapacity));
    }
  }
}

}  // namespace

BENCHMARK(BM_HoverAButton);
BENCHMARK(BM_HitTestBaseline);
BENCHMARK(BM_SwitchSubjectTab);
BENCHMARK(BM_ReadScoresBaseline);

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  quillory::bench::RatioReporter reporter({{"BM_HoverAButton", "BM_HitTestBaseline"},
                                           {"BM_SwitchSubjectTab", "BM_ReadScoresBaseline"}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  gWindow.reset();
  return 0;
}
