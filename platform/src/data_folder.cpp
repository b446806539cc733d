#include "quillory/platform/data_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "quillory/content/content_package.h"
#include "quillory/content/file_io.h"

namespace quillory {
namespace {

// Folders 0700 and files 0600 all the way down: a child's results are private on a shared
// computer, also those an older version left readable to others. Links are left as they are.
void KeepPrivate(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::permissions(folder, fs::perms::owner_all, ec);
  for (auto it = fs::recursive_directory_iterator(folder, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    const fs::file_status status = it->symlink_status(ec);
    if (ec) break;
    if (fs::is_directory(status)) {
      fs::permissions(it->path(), fs::perms::owner_all, ec);
    } else if (fs::is_regular_file(status)) {
      fs::permissions(it->path(), fs::perms::owner_read | fs::perms::owner_write, ec);
    }
    ec.clear();
  }
}

}  // namespace

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
  KeepPrivate(folder.toStdString());
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
