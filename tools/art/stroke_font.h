#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <string_view>

namespace quillory::art {

// A small rounded single-line lettering, drawn as pen strokes so that the pictures never depend
// on the fonts of the machine that makes them. Units: the x-height is 5, capitals and digits
// are 7 high, descenders reach 2.5 below the baseline; y grows downwards.
struct Lettering {
  double unit = 1.0;     // pixels per unit
  double spacing = 1.6;  // units between letters
  double stroke = 1.5;   // pen width in pixels
};

// The centre lines of `text` with its baseline starting at `origin`. Throws for a character it
// has no shape for.
QPainterPath letterPath(std::string_view text, QPointF origin, const Lettering& style);

// Width of `text` in pixels, pen width not included.
double letterWidth(std::string_view text, const Lettering& style);

void drawLetters(QPainter& painter, std::string_view text, QPointF origin, const Lettering& style,
                 const QColor& colour);

}  // namespace quillory::art
