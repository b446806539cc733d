#pragma once

#include <QLabel>
#include <QPixmap>

namespace quillory {

// A picture control: shows one image stretched to its own size, and reports presses, releases
// and clicks so that it can serve as a button. A button given its faces changes them itself, from
// its own enter, leave, press and release events, so nothing has to watch the cursor for it.
class Picture : public QLabel {
  Q_OBJECT

 public:
  Picture(QWidget* parent, const QString& objectName);

  // Shows `pixmap` unless it is already shown, so that setting an unchanged face costs nothing.
  void setFace(const QPixmap& pixmap);

  // The faces the button shows from now on: `off` unless the cursor is over it, `on` while it
  // is, `pressed` while a left press on it is held with the cursor over it, `disabled` while it
  // is disabled. A null face falls back: pressed to on, on and disabled to off.
  void setFaces(const QPixmap& off, const QPixmap& on = {}, const QPixmap& pressed = {},
                const QPixmap& disabled = {});

  // How many times a picture was actually put on the control: an idle window adds none.
  int faceChanges() const { return faceChanges_; }

 signals:
  void pressed(Qt::MouseButton button);
  void released();
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ShowFace();

  qint64 shownKey_ = 0;
  int faceChanges_ = 0;
  bool hasFaces_ = false;
  bool over_ = false;
  bool held_ = false;
  QPixmap off_, on_, pressed_, disabled_;
};

}  // namespace quillory
