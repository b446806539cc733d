#include "stroke_font.h"

#include <QPen>
#include <QTransform>
#include <stdexcept>
#include <string>

namespace quillory::art {
namespace {

struct Glyph {
  QPainterPath path;
  double width = 0;
};

void line(QPainterPath& p, double x1, double y1, double x2, double y2) {
  p.moveTo(x1, y1);
  p.lineTo(x2, y2);
}

void arc(QPainterPath& p, const QRectF& r, double start, double sweep) {
  p.arcMoveTo(r, start);
  p.arcTo(r, start, sweep);
}

// A dot is a very short stroke: the round caps make it a disc.
void dot(QPainterPath& p, double x, double y) { line(p, x, y, x, y - 0.05); }

Glyph glyphFor(char c) {
  Glyph g;
  QPainterPath& p = g.path;
  switch (c) {
    case ' ':
      g.width = 2.4;
      break;
    case 'Q':
      p.addEllipse(QRectF(0, -7, 6.6, 7));
      line(p, 4.0, -1.9, 6.8, 0.9);
      g.width = 6.8;
      break;
    case 'a':
      p.addEllipse(QRectF(0, -5, 4.3, 5));
      line(p, 4.4, -5, 4.4, 0);
      g.width = 4.4;
      break;
    case 'c':
      arc(p, QRectF(0, -5, 4.5, 5), 45, 270);
      g.width = 4.2;
      break;
    case 'e':
      p.moveTo(0.1, -2.5);
      p.lineTo(4.5, -2.5);
      p.arcTo(QRectF(0, -5, 4.5, 5), 0, 305);
      g.width = 4.5;
      break;
    case 'i':
      line(p, 0, -5, 0, 0);
      dot(p, 0, -7);
      g.width = 0;
      break;
    case 'l':
      p.moveTo(0, -7.5);
      p.lineTo(0, -1.2);
      p.quadTo(0, 0, 1.2, 0);
      g.width = 1.2;
      break;
    case 'o':
      p.addEllipse(QRectF(0, -5, 4.6, 5));
      g.width = 4.6;
      break;
    case 'p':
      line(p, 0, -5, 0, 2.5);
      p.addEllipse(QRectF(0, -5, 4.5, 5));
      g.width = 4.5;
      break;
    case 'r':
      line(p, 0, -5, 0, 0);
      p.moveTo(0, -2.6);
      p.cubicTo(0, -4.3, 1.3, -5.1, 3.2, -4.9);
      g.width = 3.2;
      break;
    case 's':
      arc(p, QRectF(0.3, -5, 3.8, 2.5), 20, 250);
      p.arcTo(QRectF(0.1, -2.5, 4.2, 2.5), 90, -255);
      g.width = 4.3;
      break;
    case 'u':
      p.moveTo(0, -5);
      p.lineTo(0, -2);
      p.arcTo(QRectF(0, -4, 4.4, 4), 180, 180);
      line(p, 4.4, -5, 4.4, 0);
      g.width = 4.4;
      break;
    case 'y':
      line(p, 0, -5, 2.3, -0.3);
      p.moveTo(4.6, -5);
      p.lineTo(2.0, 1.2);
      p.quadTo(1.4, 2.6, 0, 2.5);
      g.width = 4.6;
      break;
    case '2':
      arc(p, QRectF(0, -7, 4.6, 4.4), 160, -195);
      p.lineTo(0, 0);
      p.lineTo(4.8, 0);
      g.width = 4.8;
      break;
    case '3':
      arc(p, QRectF(0.2, -7, 4.1, 3.6), 150, -240);
      p.arcTo(QRectF(0, -3.6, 4.6, 3.6), 90, -240);
      g.width = 4.6;
      break;
    case '4':
      p.moveTo(3.5, 0);
      p.lineTo(3.5, -7);
      p.lineTo(0, -2.1);
      p.lineTo(5.0, -2.1);
      g.width = 5.0;
      break;
    case '/':
      line(p, 0, 0.8, 3.6, -7.4);
      g.width = 3.6;
      break;
    default:
      throw std::invalid_argument(std::string("no lettering for '") + c + "'");
  }
  return g;
}

}  // namespace

QPainterPath letterPath(std::string_view text, QPointF origin, const Lettering& style) {
  QPainterPath all;
  double x = 0;
  for (char c : text) {
    const Glyph g = glyphFor(c);
    all.addPath(g.path.translated(x, 0));
    x += g.width + style.spacing;
  }
  QTransform t;
  t.translate(origin.x(), origin.y());
  t.scale(style.unit, style.unit);
  return t.map(all);
}

double letterWidth(std::string_view text, const Lettering& style) {
  double x = 0;
  for (char c : text) x += glyphFor(c).width + style.spacing;
  return text.empty() ? 0 : (x - style.spacing) * style.unit;
}

void drawLetters(QPainter& painter, std::string_view text, QPointF origin, const Lettering& style,
                 const QColor& colour) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(colour, style.stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(letterPath(text, origin, style));
  painter.restore();
}

}  // namespace quillory::art
