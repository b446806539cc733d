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

  // Makes the picture a button a pupil reaches without the mouse: Tab stops at it, it shows a
  // focus mark, Space and Enter click it, and a screen reader meets a push button called `name`
  // (or, with no name given, its own text, or what its tooltip says).
  // A click of the mouse leaves the focus where it was, so typing goes on in the answer box.
  void makeButton(const QString& name);
  bool isButton() const { return button_; }

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
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ShowFace();

  qint64 shownKey_ = 0;
  int faceChanges_ = 0;
  bool hasFaces_ = false;
  bool over_ = false;
  bool held_ = false;
  bool button_ = false;
  QPixmap off_, on_, pressed_, disabled_;
};

}  // namespace quillory
