#include "quillory/shell/picture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "quillory/shell/focus_mark.h"

namespace quillory {
namespace {

// What a screen reader sees of a picture: a push button with its name, which it can press, once
// the picture is made a button; until then a picture or its text. The role is read when asked,
// so that an interface met before the picture became a button still tells the truth.
class PictureAccessible : public QAccessibleWidget {
 public:
  explicit PictureAccessible(Picture* picture) : QAccessibleWidget(picture) {}

  QAccessible::Role role() const override {
    if (picture()->isButton()) return QAccessible::Button;
    return picture()->text().isEmpty() ? QAccessible::Graphic : QAccessible::StaticText;
  }
  // The name given, or else the picture's own words, or else what its tooltip says it does.
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      const QString words = picture()->text();
      return words.isEmpty() ? widget()->toolTip() : words;
    }
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override {
    return picture()->isButton() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& action) override {
    if (action == pressAction() && picture()->isButton() && picture()->isEnabled()) {
      emit picture()->clicked();
    }
  }

 private:
  Picture* picture() const { return static_cast<Picture*>(widget()); }
};

QAccessibleInterface* PictureInterface(const QString& className, QObject* object) {
  auto* picture = qobject_cast<Picture*>(object);
  if (className != QLatin1String("quillory::Picture") || picture == nullptr) return nullptr;
  return new PictureAccessible(picture);
}

}  // namespace

Picture::Picture(QWidget* parent, const QString& objectName) : QLabel(parent) {
  static const bool described = [] {
    QAccessible::installFactory(PictureInterface);
    return true;
  }();
  (void)described;
  setObjectName(objectName);
  setScaledContents(true);
}

void Picture::makeButton(const QString& name) {
  button_ = true;
  setFocusPolicy(Qt::TabFocus);
  // Without a name the tooltip speaks for the button; it may change with the window's state.
  setAccessibleName(name);
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

void Picture::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (button_ && !event->isAutoRepeat() &&
      (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    if (isEnabled()) emit clicked();
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

void Picture::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (button_ && hasFocus()) {
    QPainter painter(this);
    DrawFocusMark(painter, rect());
  }
}

void Picture::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  if (button_) update();
}

void Picture::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  if (button_) update();
}

}  // namespace quillory
