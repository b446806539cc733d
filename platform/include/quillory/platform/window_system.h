#pragma once

#include <QPolygon>

class QWidget;

namespace quillory {

// Clips a top-level window to a polygon given in its own pixels; points on the outline belong
// to the window.
void SetWindowRgn(QWidget* window, const QPolygon& outline);

// Hands the window to the window manager's interactive move, as a press on a title bar would.
// Where no window manager helps, the window follows the mouse itself until the button is released.
void StartWindowMove(QWidget* window);

}  // namespace quillory
