#include "quillory/platform/window_system.h"

#include <QEvent>
#include <QMouseEvent>
#include <QRegion>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace quillory {
namespace {

SystemMoveResize& Handlers() {
  static SystemMoveResize handlers;
  return handlers;
}

bool SystemMove(QWidget* window) {
  QWindow* handle = window->windowHandle();
  if (handle == nullptr) return false;
  return Handlers().move ? Handlers().move(handle) : handle->startSystemMove();
}

bool SystemResize(QWidget* window, Qt::Edges edges) {
  QWindow* handle = window->windowHandle();
  if (handle == nullptr) return false;
  return Handlers().resize ? Handlers().resize(handle, edges) : handle->startSystemResize(edges);
}

QPoint GlobalPoint(QEvent* event) {
  return static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
}

// Watches the presses on a title bar piece. The piece keeps the mouse from a press to its
// release, so its own move and release events are all a move needs.
class TitleBarDrag : public QObject {
 public:
  explicit TitleBarDrag(QWidget* handle) : QObject(handle), handle_(handle) {
    handle->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        if (button_ == Qt::NoButton) {
          button_ = static_cast<QMouseEvent*>(event)->button();
          pressedAt_ = GlobalPoint(event);
          offset_ = pressedAt_ - handle_->window()->pos();
          askSystem_ = button_ == Qt::LeftButton;
        }
        return false;
      case QEvent::MouseMove: {
        auto* move = static_cast<QMouseEvent*>(event);
        if (button_ == Qt::NoButton || !(move->buttons() & button_)) return false;
        const QPoint at = GlobalPoint(event);
        if (at == pressedAt_) return false;
        if (askSystem_) {
          askSystem_ = false;
          if (SystemMove(handle_->window())) {
            button_ = Qt::NoButton;  // the window manager has it until the release
            return true;
          }
        }
        handle_->window()->move(at - offset_);
        return true;
      }
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == button_) button_ = Qt::NoButton;
        return false;
      default:
        return false;
    }
  }

 private:
  QWidget* handle_;
  Qt::MouseButton button_ = Qt::NoButton;
  QPoint pressedAt_;
  QPoint offset_;
  bool askSystem_ = false;
};

// Follows the mouse events of the control that received the press until the left button is
// released, then removes itself.
class CornerFollower : public QObject {
 public:
  CornerFollower(QWidget* window, QWidget* pressedOn)
      : QObject(pressedOn), window_(window), origin_(window->pos()) {
    pressedOn->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseMove: {
        const QPoint size = GlobalPoint(event) - origin_;
        window_->resize(std::max(size.x(), window_->minimumWidth()),
                        std::max(size.y(), window_->minimumHeight()));
        return true;
      }
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        deleteLater();
        parent()->removeEventFilter(this);
        return true;
      default:
        return false;
    }
  }

 private:
  QWidget* window_;
  QPoint origin_;
};

}  // namespace

void SetWindowRgn(QWidget* window, const QPolygon& outline) {
  window->setMask(QRegion(outline, Qt::WindingFill));
}

void SetSystemMoveResize(SystemMoveResize handlers) { Handlers() = std::move(handlers); }

void MakeTitleBar(QWidget* handle) { new TitleBarDrag(handle); }

void ResizeFromBottomRight(QWidget* window, QWidget* pressedOn) {
  if (SystemResize(window, Qt::BottomEdge | Qt::RightEdge)) return;
  // One follower at a time: a second press while one follows only restarts it.
  const QObjectList children = pressedOn->children();
  for (QObject* child : children) {
    if (dynamic_cast<CornerFollower*>(child) != nullptr) delete child;
  }
  new CornerFollower(window, pressedOn);
}

}  // namespace quillory
