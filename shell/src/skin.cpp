#include "quillory/shell/skin.h"

#include <QDir>

namespace quillory {

const QPixmap& Skin::picture(const QString& fileName) const {
  auto it = cache_.find(fileName);
  if (it == cache_.end()) it = cache_.insert(fileName, QPixmap(QDir(folder_).filePath(fileName)));
  return *it;
}

}  // namespace quillory
