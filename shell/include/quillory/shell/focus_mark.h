#pragma once

#include <QPainter>
#include <QRect>

namespace quillory {

// The skin's focus mark: a dotted frame just inside `area`, dark on the light faces the skin
// paints, drawn the same on every control that takes the keyboard.
void DrawFocusMark(QPainter& painter, const QRect& area);

}  // namespace quillory
