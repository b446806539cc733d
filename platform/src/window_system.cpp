#include "quillory/platform/window_system.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace quillory {
namespace {

// Moves a window with the mouse until the button is released, for window systems that cannot
// move it themselves.
class ManualMove : public QObject {
 public:
  explicit ManualMove(QWidget* window)
      : QObject(window), window_(window), offset_(QCursor::pos() - window->pos()) {
    window_->grabMouse();
    window_->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseMove:
        window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - offset_);
        return true;
      case QEvent::MouseButtonRelease:
        window_->releaseMouse();
        deleteLater();
        return true;
      default:
        return false;
    }
  }

 private:
  QWidget* window_;
  QPoint offset_;
};

}  // namespace

void SetWindowRgn(QWidget* window, const QPolygon& outline) {
  window->setMask(QRegion(outline, Qt::WindingFill));
}

void StartWindowMove(QWidget* window) {
  QWindow* handle = window->window()->windowHandle();
  if (handle != nullptr && handle->startSystemMove()) return;
  new ManualMove(window->window());
}

}  // namespace quillory
