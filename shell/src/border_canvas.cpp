#include "quillory/shell/border_canvas.h"

#include <QPainter>

#include "quillory/platform/screen_units.h"
#include "quillory/shell/skin_palette.h"

namespace quillory {

QColor BorderCanvas::BorderColour(int inout) const {
  if (inout == 0) return skin_colour::kAnswerFrame;
  if (inout == 2) return palette().color(backgroundRole());
  return skin_colour::kAnswerFrameIdle;
}

void BorderCanvas::createborder(int topf, int leftf, int bottf, int rightf, int inout) {
  const QColor colour = BorderColour(inout);
  const int pixel = 1;
  // Each line is kept, as a persistent drawing would keep it, until it is drawn over.
  lines_.append({QLine(leftf, topf, rightf, topf), colour});
  lines_.append({QLine(leftf, topf, leftf, bottf), colour});
  lines_.append({QLine(leftf, bottf, rightf + pixel, bottf), colour});
  lines_.append({QLine(rightf, topf, rightf, bottf + pixel), colour});
  // Older lines under a newer frame are gone for good; forgetting them keeps the list short.
  if (lines_.size() > 64) lines_.erase(lines_.begin(), lines_.end() - 64);
  update();
}

void BorderCanvas::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  for (const auto& [line, colour] : lines_) {
    painter.setPen(QPen(colour, 1));
    painter.drawLine(line);
  }
}

void drawborder(QWidget* control, BorderCanvas* parent, int inout) {
  const ScreenUnits u = ScreenUnits::ForWidget(parent);
  // Two pixels (30 twips) out at the top and left, one (15 twips) at the bottom and right.
  const int near = u.x(30);
  const int far = u.x(15);
  const QRect r = control->geometry();
  parent->createborder(r.top() - u.y(30), r.left() - near, r.top() + r.height() + u.y(15),
                       r.left() + r.width() + far, inout);
}

}  // namespace quillory
