#include "quillory/shell/picture.h"

#include <QMouseEvent>

namespace quillory {

Picture::Picture(QWidget* parent, const QString& objectName) : QLabel(parent) {
  setObjectName(objectName);
  setScaledContents(true);
}

void Picture::setFace(const QPixmap& pixmap) {
  if (pixmap.cacheKey() == shownKey_ && !pixmap.isNull()) return;
  shownKey_ = pixmap.cacheKey();
  setPixmap(pixmap);
}

void Picture::mousePressEvent(QMouseEvent* event) {
  emit pressed(event->button());
  event->accept();
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
  emit released();
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  event->accept();
}

}  // namespace quillory
