#include "quillory/shell/focus_mark.h"

#include <QPen>

namespace quillory {

void DrawFocusMark(QPainter& painter, const QRect& area) {
  painter.save();
  QPen pen(QColor(0, 60, 140));
  pen.setWidth(1);
  pen.setStyle(Qt::DotLine);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(1, 1, -2, -2));
  painter.restore();
}

}  // namespace quillory
