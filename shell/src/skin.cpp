#include "quillory/shell/skin.h"

#include <QDir>

namespace quillory {

const QPixmap& Skin::picture(const QString& fileName) const {
  auto it = cache_.find(fileName);
  // A picture that is not there yet is looked for again next time.
  if (it == cache_.end() || it->isNull()) {
    it = cache_.insert(fileName, QPixmap(QDir(folder_).filePath(fileName)));
  }
  return *it;
}

}  // namespace quillory
