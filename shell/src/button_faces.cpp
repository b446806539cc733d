#include "quillory/shell/button_faces.h"

namespace quillory {

bool CursorOver(const QWidget* widget, const QPoint& cursor) {
  return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()).contains(cursor);
}

void SetHoverFace(Picture* button, const QPoint& cursor, const QPixmap& off, const QPixmap& on) {
  button->setFace(CursorOver(button, cursor) ? on : off);
}

void SetButtonFace(Picture* button, const QPoint& cursor, bool pressHeld, const QPixmap& off,
                   const QPixmap& on, const QPixmap& pressed) {
  if (!CursorOver(button, cursor)) {
    button->setFace(off);
  } else {
    button->setFace(pressHeld ? pressed : on);
  }
}

}  // namespace quillory
