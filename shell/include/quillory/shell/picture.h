#pragma once

#include <QLabel>

namespace quillory {

// A picture control: shows one image stretched to its own size, and reports presses, releases
// and clicks so that it can serve as a button.
class Picture : public QLabel {
  Q_OBJECT

 public:
  Picture(QWidget* parent, const QString& objectName);

  // Shows `pixmap` unless it is already shown, so that a face set on every tick costs nothing.
  void setFace(const QPixmap& pixmap);

 signals:
  void pressed(Qt::MouseButton button);
  void released();
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  qint64 shownKey_ = 0;
};

}  // namespace quillory
