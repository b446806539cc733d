#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

namespace quillory {

// The window pictures of the Graphics folder, each read from its file the first time it is asked
// for and kept, so that faces can be set ten times a second without touching the disk.
class Skin {
 public:
  explicit Skin(QString graphicsFolder) : folder_(std::move(graphicsFolder)) {}

  // The picture of `fileName`; a null pixmap when the file is missing or unreadable.
  const QPixmap& picture(const QString& fileName) const;
  const QString& folder() const { return folder_; }

 private:
  QString folder_;
  mutable QHash<QString, QPixmap> cache_;
};

}  // namespace quillory
