#include "motifs.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

#include "paint_kit.h"

namespace quillory::art {

using namespace palette;

void drawInfoBadge(QPainter& painter, QPointF centre, double radius) {
  QPainterPath disc;
  disc.addEllipse(centre, radius, radius);
  const double top = centre.y() - radius;
  fillOutlined(painter, disc,
               verticalGradient(top, 2 * radius, {{0, kBlueLight}, {1, QColor(40, 112, 200)}}),
               kBlueDark, radius / 9.0);
  QPainterPath shine;
  shine.addEllipse(QPointF(centre.x(), centre.y() - radius * 0.5), radius * 0.62, radius * 0.34);
  painter.fillPath(shine, QColor(255, 255, 255, 60));

  const double s = radius / 10.5;
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(centre.x(), centre.y() - 5.2 * s), 1.9 * s, 1.9 * s);
  painter.drawRoundedRect(QRectF(centre.x() - 1.7 * s, centre.y() - 2.0 * s, 3.4 * s, 8.6 * s),
                          1.5 * s, 1.5 * s);
}

void drawPencil(QPainter& painter, double length, double thickness) {
  const double h = thickness / 2;
  const double cone = thickness * 1.35;
  const double ferrule = thickness * 0.7;
  const double eraser = thickness * 0.75;
  const double bodyEnd = length - ferrule - eraser;
  const QColor outline(120, 82, 30);
  const double lw = std::max(0.8, thickness / 9);

  QPainterPath body;
  body.addRect(QRectF(cone, -h, bodyEnd - cone, thickness));
  fillOutlined(
      painter, body,
      verticalGradient(
          -h, thickness,
          {{0, QColor(255, 222, 110)}, {0.5, QColor(255, 196, 40)}, {1, QColor(232, 160, 20)}}),
      outline, lw);
  painter.setPen(QPen(QColor(214, 140, 14), lw));
  painter.drawLine(QPointF(cone, -h / 3), QPointF(bodyEnd, -h / 3));
  painter.drawLine(QPointF(cone, h / 3), QPointF(bodyEnd, h / 3));

  QPainterPath wood;
  wood.moveTo(0, 0);
  wood.lineTo(cone, -h);
  wood.lineTo(cone, h);
  wood.closeSubpath();
  fillOutlined(painter, wood, QColor(245, 214, 166), outline, lw);
  QPainterPath lead;
  lead.moveTo(0, 0);
  lead.lineTo(cone * 0.38, -h * 0.38);
  lead.lineTo(cone * 0.38, h * 0.38);
  lead.closeSubpath();
  fillOutlined(painter, lead, QColor(70, 70, 80), QColor(50, 50, 60), lw * 0.6);

  QPainterPath metal;
  metal.addRect(QRectF(bodyEnd, -h, ferrule, thickness));
  fillOutlined(
      painter, metal,
      verticalGradient(-h, thickness, {{0, QColor(236, 240, 245)}, {1, QColor(160, 170, 184)}}),
      QColor(110, 118, 130), lw);
  QPainterPath rubber;
  rubber.addRoundedRect(QRectF(bodyEnd + ferrule, -h, eraser, thickness), h * 0.6, h * 0.6);
  QPainterPath squared;
  squared.addRect(QRectF(bodyEnd + ferrule, -h, eraser / 2, thickness));
  fillOutlined(
      painter, rubber.united(squared),
      verticalGradient(-h, thickness, {{0, QColor(255, 170, 186)}, {1, QColor(232, 110, 136)}}),
      QColor(170, 70, 95), lw);
}

void drawPrinter(QPainter& painter) {
  const QColor line(95, 111, 133);
  fillOutlined(painter, roundedRect(QRectF(6.5, 2.5, 11, 8), 1), Qt::white, line, 1.1);
  fillOutlined(painter, roundedRect(QRectF(2.5, 8.5, 19, 9.5), 2.5),
               verticalGradient(8.5, 9.5, {{0, QColor(222, 229, 238)}, {1, QColor(156, 171, 192)}}),
               line, 1.2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(70, 82, 100));
  painter.drawRoundedRect(QRectF(5.5, 14.2, 13, 1.6), 0.8, 0.8);
  painter.setBrush(QColor(93, 211, 91));
  painter.drawEllipse(QPointF(18.3, 11.4), 1.1, 1.1);
  fillOutlined(painter, roundedRect(QRectF(6.5, 15, 11, 7), 0.8), Qt::white, line, 1.1);
  painter.setPen(QPen(QColor(150, 190, 235), 1.0));
  painter.drawLine(QPointF(8.5, 17.8), QPointF(15.5, 17.8));
  painter.drawLine(QPointF(8.5, 19.8), QPointF(13.5, 19.8));
}

void drawGear(QPainter& painter, QPointF centre, double radius, int teeth) {
  QPolygonF outline;
  const double inner = radius * 0.74;
  const int steps = teeth * 4;
  for (int i = 0; i < steps; ++i) {
    const double a = 2 * std::numbers::pi * (i - 0.5) / steps;
    const double r = (i % 4 == 0 || i % 4 == 1) ? radius : inner;
    outline << QPointF(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
  }
  QPainterPath wheel;
  wheel.addPolygon(outline);
  wheel.closeSubpath();
  QPainterPath hole;
  hole.addEllipse(centre, radius * 0.3, radius * 0.3);
  fillOutlined(painter, wheel.subtracted(hole),
               verticalGradient(centre.y() - radius, 2 * radius,
                                {{0, kOrangeLight}, {1, QColor(240, 140, 26)}}),
               kOrangeDark, 1.1);
}

}  // namespace quillory::art
