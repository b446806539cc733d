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
  ++faceChanges_;
  setPixmap(pixmap);
}

void Picture::setFaces(const QPixmap& off, const QPixmap& on, const QPixmap& pressed,
                       const QPixmap& disabled) {
  off_ = off;
  on_ = on.isNull() ? off : on;
  pressed_ = pressed.isNull() ? on_ : pressed;
  disabled_ = disabled.isNull() ? off : disabled;
  hasFaces_ = true;
  ShowFace();
}

void Picture::ShowFace() {
  if (!hasFaces_) return;
  if (!isEnabled()) {
    setFace(disabled_);
  } else if (!over_) {
    setFace(off_);
  } else {
    setFace(held_ ? pressed_ : on_);
  }
}

void Picture::enterEvent(QEnterEvent* event) {
  over_ = true;
  ShowFace();
  QLabel::enterEvent(event);
}

void Picture::leaveEvent(QEvent* event) {
  over_ = false;
  ShowFace();
  QLabel::leaveEvent(event);
}

void Picture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    held_ = true;
    over_ = true;
    ShowFace();
  }
  emit pressed(event->button());
  event->accept();
}

void Picture::mouseMoveEvent(QMouseEvent* event) {
  // While a press is held the button keeps the mouse: whether the cursor is over it is read here.
  if (held_) {
    over_ = rect().contains(event->position().toPoint());
    ShowFace();
  }
  QLabel::mouseMoveEvent(event);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
  const bool inside = rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    held_ = false;
    over_ = inside;
    ShowFace();
  }
  emit released();
  if (event->button() == Qt::LeftButton && inside) emit clicked();
  event->accept();
}

void Picture::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    // A disabled button hears no enter or leave: where the cursor is now is asked once.
    over_ = underMouse();
    if (!isEnabled()) held_ = false;
    ShowFace();
  }
  QLabel::changeEvent(event);
}

}  // namespace quillory
