#include "quillory/platform/data_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "quillory/content/content_package.h"
#include "quillory/content/file_io.h"

namespace quillory {

QString DataFolder(QString* error) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) {
    *error = QStringLiteral("Quillory cannot create its folder \"%1\".").arg(folder);
    return {};
  }
  if (!QFileInfo(folder).isWritable()) {
    *error = QStringLiteral("Quillory cannot write in its folder \"%1\".").arg(folder);
    return {};
  }
  return folder;
}

void RemoveLeftovers(const QString& dataFolder) {
  const std::filesystem::path folder = dataFolder.toStdString();
  RemoveLeftoverTemporaries(folder);
  RemoveLeftoverTemporaries(GraphicsFolder(folder));
  QDir dir(dataFolder);
  for (const QString& name : dir.entryList(
           {QStringLiteral("temppaper*.mht"), QStringLiteral("temptext*.txt")}, QDir::Files)) {
    dir.remove(name);
  }
}

}  // namespace quillory
