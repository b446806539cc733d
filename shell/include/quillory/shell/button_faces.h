#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include "quillory/shell/picture.h"

namespace quillory {

// True when `cursor` (screen pixels) lies on `widget`: its left and top edges inside, its right
// and bottom edges outside.
bool CursorOver(const QWidget* widget, const QPoint& cursor);

// Two faces: `on` while the cursor is over the button, `off` otherwise.
void SetHoverFace(Picture* button, const QPoint& cursor, const QPixmap& off, const QPixmap& on);

// Three faces: `pressed` while the cursor is over the button and a press is held, `on` while it
// is over it, `off` otherwise.
void SetButtonFace(Picture* button, const QPoint& cursor, bool pressHeld, const QPixmap& off,
                   const QPixmap& on, const QPixmap& pressed);

}  // namespace quillory
