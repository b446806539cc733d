#include "quillory/platform/default_printer.h"

#include <QProcess>
#include <QStandardPaths>

namespace quillory {

QString KeepAsDefaultPrinter(const QString& printer) {
  const QString lpoptions = QStandardPaths::findExecutable(QStringLiteral("lpoptions"));
  if (lpoptions.isEmpty()) {
    return QStringLiteral(
        "the printing tools (lpoptions, from the cups-client package) are not "
        "installed");
  }
  QProcess process;
  process.start(lpoptions, {QStringLiteral("-d"), printer});
  // lpoptions only writes the user's settings file; it answers at once or not at all.
  if (!process.waitForFinished(10000)) {
    process.kill();
    process.waitForFinished(1000);
    return QStringLiteral("lpoptions did not answer");
  }
  if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return {};
  const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
  return said.isEmpty() ? QStringLiteral("lpoptions ended with status %1").arg(process.exitCode())
                        : said;
}

}  // namespace quillory
