#pragma once

#include <QPolygon>
#include <functional>

class QWidget;
class QWindow;

namespace quillory {

// Clips a top-level window to a polygon given in its own pixels; points on the outline belong
// to the window.
void SetWindowRgn(QWidget* window, const QPolygon& outline);

// How a window is handed to the window manager's own interactive move and resize. Each returns
// false where the window manager cannot do it. Tests put their own in place to see what a press
// asks of the window manager.
struct SystemMoveResize {
  std::function<bool(QWindow*)> move;
  std::function<bool(QWindow*, Qt::Edges)> resize;
};
// Puts `handlers` in place of the window manager's; empty members restore its own.
void SetSystemMoveResize(SystemMoveResize handlers);

// Makes `handle` (a title bar piece) move its top-level window when dragged. A left press hands
// the window to the window manager's move once the mouse moves with it held, so that a quick
// click never starts a move nobody ends. Any other button, or a window manager that cannot move
// windows, makes the window follow the mouse until that button is released.
void MakeTitleBar(QWidget* handle);

// Resizes `window` from its bottom-right corner for the left press `pressedOn` just received:
// by the window manager where it can, otherwise by following the mouse events `pressedOn`
// receives until the button is released, never below the window's least size. Returns at once.
void ResizeFromBottomRight(QWidget* window, QWidget* pressedOn);

}  // namespace quillory
