#pragma once

#include <QColor>
#include <QLine>
#include <QVector>
#include <QWidget>

namespace quillory {

// A container that keeps the one-pixel frames drawn around its controls (the answer sheet frames
// the slot being answered) and repaints them with itself.
class BorderCanvas : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // Frames the rectangle with four lines in the colour of `inout`: 0 light blue, 2 the
  // container's background (which wipes a frame drawn before), anything else light grey.
  // Positions are the container's pixels.
  void createborder(int topf, int leftf, int bottf, int rightf, int inout);

  QColor BorderColour(int inout) const;
  const QVector<std::pair<QLine, QColor>>& lines() const { return lines_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QVector<std::pair<QLine, QColor>> lines_;
};

// Frames `control` on its container: two pixels outside its top and left edges, one outside its
// bottom and right edges.
void drawborder(QWidget* control, BorderCanvas* parent, int inout);

}  // namespace quillory
