#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QWindow>
#include <fstream>

#include "quillory/assets/embedded_package.h"
#include "quillory/content/content_package.h"
#include "quillory/content/file_io.h"
#include "quillory/content/record_file.h"
#include "quillory/home/contents.h"
#include "ratio_reporter.h"

namespace {

using namespace quillory;

const ContentPackage& Package() {
  static const ContentPackage package = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  return package;
}

std::filesystem::path Folder() {
  static QTemporaryDir dir;
  return dir.path().toStdString();
}

// A results file of 35 papers with 70 answers each, the largest the program writes.
std::filesystem::path ResultsFile() {
  const auto path = Folder() / "first2QP.txt";
  std::string bytes;
  for (int paper = 1; paper <= 35; ++paper) {
    bytes += "#" + std::to_string(100 + paper) + "#";
    for (int blank = 0; blank < 70; ++blank) bytes += ">answer";
    bytes += "\r\n";
  }
  WriteFileAtomically(path, bytes);
  return path;
}

void BM_ReadPaperLine(benchmark::State& state) {
  const auto path = ResultsFile();
  for (auto _ : state) {
    auto lines = ReadNumberedLines(path, 35);
    benchmark::DoNotOptimize(SplitRecordLine((*lines)[2], 70, kBlankCapacity));
  }
}

void BM_ReadWholeFileBaseline(benchmark::State& state) {
  const auto path = ResultsFile();
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    benchmark::DoNotOptimize(bytes);
  }
}

void BM_RewriteFileAtomically(benchmark::State& state) {
  const auto path = ResultsFile();
  RecordList lines = *ReadNumberedLines(path, 35);
  const RecordList values(70, "typed");
  for (auto _ : state) ReplaceRecordLine(lines, values, 3, "103", 35, 70, path);
}

// The plain rewrite the atomic one replaces: truncate, write, flush the file.
void BM_RewriteInPlaceBaseline(benchmark::State& state) {
  const auto path = ResultsFile();
  const std::string bytes = *ReadWholeFile(path);
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::fsync(fd);
    ::close(fd);
  }
}

std::filesystem::path QuestionPath(std::uint16_t id) {
  return Folder() / ("temppaper" + std::to_string(id) + ".mht");
}

std::uint16_t LargestPage() {
  std::uint16_t largest = 0;
  for (std::uint16_t id : Package().Ids()) {
    if (id >= 10000 && id < 30000 &&
        (largest == 0 || Package().Member(id)->size() > Package().Member(largest)->size())) {
      largest = id;
    }
  }
  return largest;
}

void BM_ExtractLargestPage(benchmark::State& state) {
  const std::uint16_t id = LargestPage();
  const auto path = QuestionPath(id);
  for (auto _ : state) ExtractResource(Package(), id, path);
  state.SetBytesProcessed(
      static_cast<std::int64_t>(state.iterations() * Package().Member(id)->size()));
}

void BM_WriteSameBytesBaseline(benchmark::State& state) {
  const std::uint16_t id = LargestPage();
  const auto path = QuestionPath(id);
  const std::string_view bytes = *Package().Member(id);
  for (auto _ : state)
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WaitUntilShown(QWidget& window) {
  window.show();
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
    QApplication::processEvents();
  }
}

// The whole start-up of a later run, until the home window is on the screen.
void BM_StartUp(benchmark::State& state) {
  const auto folder = Folder() / "startup";
  std::filesystem::create_directories(folder);
  const Skin skin(QString::fromStdString(GraphicsFolder(folder).string()));
  for (auto _ : state) {
    Contents contents(Package(), folder, skin);
    contents.setNotice([](const QString&, bool) {});
    contents.Form_Load();
    WaitUntilShown(contents);
  }
}

// A bare frameless window with as many child widgets as the home window has.
void BM_BareWindowBaseline(benchmark::State& state) {
  int children = 0;
  {
    const auto folder = Folder() / "count";
    std::filesystem::create_directories(folder);
    const Skin skin(QString::fromStdString(GraphicsFolder(folder).string()));
    Contents contents(Package(), folder, skin);
    children = static_cast<int>(contents.findChildren<QWidget*>().size());
  }
  for (auto _ : state) {
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.resize(405, 492);
    for (int i = 0; i < children; ++i) new QLabel(&window);
    WaitUntilShown(window);
  }
}

}  // namespace

BENCHMARK(BM_ReadPaperLine);
BENCHMARK(BM_ReadWholeFileBaseline);
BENCHMARK(BM_RewriteFileAtomically);
BENCHMARK(BM_RewriteInPlaceBaseline);
BENCHMARK(BM_ExtractLargestPage);
BENCHMARK(BM_WriteSameBytesBaseline);
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareWindowBaseline)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  quillory::bench::RatioReporter reporter(
      {{"BM_ReadPaperLine", "BM_ReadWholeFileBaseline"},
       {"BM_RewriteFileAtomically", "BM_RewriteInPlaceBaseline"},
       {"BM_ExtractLargestPage", "BM_WriteSameBytesBaseline"},
       {"BM_StartUp", "BM_BareWindowBaseline"}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
