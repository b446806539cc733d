#include "quillory/platform/browser.h"

#include <QMetaObject>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

namespace quillory {
namespace {

// How long xdg-open may take to report a failure. A failure is reported at once; after this, it
// is waiting for the browser it started, and how the browser ends is no answer to the pupil's
// click.
constexpr int kSettledMs = 4000;

}  // namespace

void OpenInBrowser(const QUrl& url, QObject* context, std::function<void(BrowserOutcome)> done) {
  // Told once, from the event loop, to a context that still exists.
  auto pending = std::make_shared<std::function<void(BrowserOutcome)>>(
      [receiver = QPointer<QObject>(context), done = std::move(done)](BrowserOutcome outcome) {
        if (!receiver) return;
        QMetaObject::invokeMethod(
            receiver, [done, outcome] { done(outcome); }, Qt::QueuedConnection);
      });
  auto tell = [pending](BrowserOutcome outcome) {
    if (!*pending) return;
    const auto told = std::move(*pending);
    *pending = nullptr;
    told(outcome);
  };
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) {
    tell(BrowserOutcome::NoBrowser);
    return;
  }
  // Owned by no one: the end of the program must not end the browser that xdg-open may be
  // waiting for. It deletes itself once xdg-open has ended.
  auto* process = new QProcess;
  process->setProgram(opener);
  process->setArguments({url.toString(QUrl::FullyEncoded)});
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  QObject::connect(process, &QProcess::finished, process,
                   [process, tell](int code, QProcess::ExitStatus status) {
                     tell(status == QProcess::NormalExit && code == 0 ? BrowserOutcome::Opened
                                                                      : BrowserOutcome::Failed);
                     process->deleteLater();
                   });
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, tell](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;  // finished follows the others
                     tell(BrowserOutcome::Failed);
                     process->deleteLater();
                   });
  QTimer::singleShot(kSettledMs, process, [tell] { tell(BrowserOutcome::Opened); });
  process->start();
}

}  // namespace quillory
