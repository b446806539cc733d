#include "quillory/platform/browser.h"

#include <QProcess>
#include <QStandardPaths>

namespace quillory {

BrowserOutcome OpenInBrowser(const QUrl& url) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return BrowserOutcome::NoBrowser;
  return QProcess::startDetached(opener, {url.toString()}) ? BrowserOutcome::Opened
                                                           : BrowserOutcome::Failed;
}

}  // namespace quillory
