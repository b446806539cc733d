#pragma once

#include <QPainter>
#include <QPointF>

namespace quillory::art {

// Drawings that appear in more than one picture, so that they look the same everywhere.

// A blue disc with a white "i".
void drawInfoBadge(QPainter& painter, QPointF centre, double radius);

// A yellow pencil lying along the x axis with its point at the origin, pointing left; the
// painter's transform places and turns it.
void drawPencil(QPainter& painter, double length, double thickness);

// A printer in the 24 × 24 box of a toolbar icon.
void drawPrinter(QPainter& painter);

// An orange cog wheel.
void drawGear(QPainter& painter, QPointF centre, double radius, int teeth);

}  // namespace quillory::art
