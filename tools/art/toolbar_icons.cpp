#include "toolbar_icons.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <stdexcept>
#include <string>

#include "motifs.h"
#include "paint_kit.h"

namespace quillory::art {
namespace {

using namespace palette;

QBrush down(double top, double height, const QColor& light, const QColor& dark) {
  return verticalGradient(top, height, {{0, light}, {1, dark}});
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(points));
  path.closeSubpath();
  return path;
}

void drawAbout(QPainter& p) { drawInfoBadge(p, QPointF(12, 12), 10.5); }

void drawBack(QPainter& p) {
  const QPainterPath arrow = polygon(
      {{2.5, 12}, {11.5, 3.5}, {11.5, 8.2}, {21.5, 8.2}, {21.5, 15.8}, {11.5, 15.8}, {11.5, 20.5}});
  fillOutlined(p, arrow, down(3.5, 17, kGreenLight, QColor(56, 160, 52)), kGreenDark, 1.4);
  p.setPen(QPen(QColor(255, 255, 255, 110), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(12.8, 9.6), QPointF(20.0, 9.6));
}

void drawForward(QPainter& p) {
  p.translate(24, 0);
  p.scale(-1, 1);
  drawBack(p);
}

void drawClose(QPainter& p) {
  QPainterPath bar;
  bar.addRoundedRect(QRectF(-10.5, -3.3, 21, 6.6), 3.3, 3.3);
  const QPainterPath a = QTransform().translate(12, 12).rotate(45).map(bar);
  const QPainterPath b = QTransform().translate(12, 12).rotate(-45).map(bar);
  fillOutlined(p, a.united(b), down(2, 20, kRedLight, QColor(214, 56, 44)), kRedDark, 1.3);
}

void drawHome(QPainter& p) {
  const QColor wall(255, 246, 222);
  const QColor wallLine(150, 104, 60);
  const QColor glass(190, 225, 255);
  fillOutlined(p, roundedRect(QRectF(4.5, 10, 15, 12), 1.2),
               down(10, 12, wall, QColor(250, 222, 172)), wallLine, 1.1);
  p.fillPath(polygon({{5, 11}, {12, 4.2}, {19, 11}}), wall);
  fillOutlined(p, roundedRect(QRectF(15.8, 1.2, 3, 6.5), 0.6), QColor(214, 120, 88), kRedDark, 1.0);
  QPainterPath roof;
  roof.moveTo(2, 11.6);
  roof.lineTo(12, 2.4);
  roof.lineTo(22, 11.6);
  p.strokePath(roof, QPen(kRedDark, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.strokePath(roof, QPen(QColor(242, 100, 84), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  fillOutlined(p, roundedRect(QRectF(7, 14.5, 4.6, 7.5), 1.6), down(14.5, 7.5, kBlueLight, kBlue),
               kBlueDark, 1.0);
  fillOutlined(p, roundedRect(QRectF(13.5, 14, 4, 4), 0.6), glass, kBlueDark, 1.0);
  p.setPen(QPen(kBlueDark, 0.8));
  p.drawLine(QPointF(15.5, 14.2), QPointF(15.5, 17.8));
  p.drawLine(QPointF(13.7, 16), QPointF(17.3, 16));
}

void drawMark(QPainter& p) {
  QPainterPath sheet;
  sheet.moveTo(4, 3);
  sheet.lineTo(14, 3);
  sheet.lineTo(19, 8);
  sheet.lineTo(19, 21.5);
  sheet.lineTo(4, 21.5);
  sheet.closeSubpath();
  fillOutlined(p, sheet, Qt::white, kGreyLine, 1.1);
  fillOutlined(p, polygon({{14, 3}, {14, 8}, {19, 8}}), QColor(226, 232, 240), kGreyLine, 1.0);
  p.setPen(QPen(QColor(170, 205, 240), 1.0));
  for (double y : {9.5, 12.5, 15.5, 18.5}) p.drawLine(QPointF(6.5, y), QPointF(16.5, y));

  QPainterPath tick;
  tick.moveTo(6.5, 13);
  tick.lineTo(11, 18.2);
  tick.lineTo(21.5, 4.5);
  p.strokePath(tick, QPen(kRedDark, 5.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.strokePath(tick, QPen(QColor(238, 74, 62), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void drawPrint(QPainter& p) { drawPrinter(p); }

void drawReport(QPainter& p) {
  struct Bar {
    double x, top;
    QColor light, dark, line;
  };
  const Bar bars[] = {{3.5, 13, kBlueLight, kBlue, kBlueDark},
                      {9.5, 8, kGreenLight, kGreen, kGreenDark},
                      {15.5, 3, kOrangeLight, kOrange, kOrangeDark}};
  for (const Bar& b : bars) {
    QPainterPath bar;
    bar.addRoundedRect(QRectF(b.x, b.top, 5, 21 - b.top + 1.5), 1.3, 1.3);
    fillOutlined(p, bar, down(b.top, 21 - b.top, b.light, b.dark), b.line, 1.1);
  }
  p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(2, 21.6), QPointF(22, 21.6));
}

void drawSave(QPainter& p) {
  const QPainterPath disk = polygon({{3, 3}, {18, 3}, {21, 6}, {21, 21}, {3, 21}});
  QPainterPath rounded;
  rounded.addRoundedRect(QRectF(3, 3, 18, 18), 2.2, 2.2);
  fillOutlined(p, disk.intersected(rounded), down(3, 18, kBlueLight, QColor(40, 112, 200)),
               kBlueDark, 1.3);
  fillOutlined(p, roundedRect(QRectF(7, 3.6, 10, 6.4), 0.8),
               down(3.6, 6.4, QColor(238, 242, 247), QColor(190, 200, 214)), QColor(110, 125, 145),
               1.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(72, 88, 110));
  p.drawRoundedRect(QRectF(13.2, 4.8, 2.2, 4.0), 0.5, 0.5);
  fillOutlined(p, roundedRect(QRectF(6, 12.5, 12, 8.5), 1.2), Qt::white, QColor(120, 150, 190),
               1.0);
  p.setPen(QPen(QColor(160, 196, 236), 1.0));
  p.drawLine(QPointF(8, 15.5), QPointF(16, 15.5));
  p.drawLine(QPointF(8, 18), QPointF(16, 18));
}

void drawSetup(QPainter& p) {
  p.save();
  p.translate(-1.0, -1.2);
  p.scale(0.8, 0.8);
  drawPrinter(p);
  p.restore();
  drawGear(p, QPointF(16.6, 16.4), 6.6, 8);
}

void drawTrash(QPainter& p) {
  const QColor line(78, 98, 122);
  QPainterPath can;
  can.moveTo(5.2, 8);
  can.lineTo(18.8, 8);
  can.lineTo(17.4, 20.4);
  can.quadTo(17.2, 22, 15.6, 22);
  can.lineTo(8.4, 22);
  can.quadTo(6.8, 22, 6.6, 20.4);
  can.closeSubpath();
  fillOutlined(p, can, down(8, 14, QColor(178, 200, 222), QColor(112, 138, 166)), line, 1.2);
  p.setPen(QPen(QColor(236, 242, 248, 200), 1.3, Qt::SolidLine, Qt::RoundCap));
  for (double x : {9.4, 12.0, 14.6}) p.drawLine(QPointF(x, 11), QPointF(x, 19.2));
  fillOutlined(p, roundedRect(QRectF(9.5, 2.5, 5, 3.2), 1.2), Qt::NoBrush, line, 1.2);
  fillOutlined(p, roundedRect(QRectF(3.2, 4.8, 17.6, 3.4), 1.5),
               down(4.8, 3.4, QColor(160, 184, 210), QColor(104, 128, 156)), line, 1.2);
}

}  // namespace

void drawToolbarIcon(QPainter& painter, std::string_view name) {
  struct Entry {
    std::string_view name;
    void (*draw)(QPainter&);
  };
  static constexpr Entry kIcons[] = {
      {"about", drawAbout}, {"back", drawBack},   {"close", drawClose}, {"forward", drawForward},
      {"home", drawHome},   {"mark", drawMark},   {"print", drawPrint}, {"report", drawReport},
      {"save", drawSave},   {"setup", drawSetup}, {"trash", drawTrash},
  };
  for (const Entry& e : kIcons) {
    if (e.name == name) {
      painter.save();
      e.draw(painter);
      painter.restore();
      return;
    }
  }
  throw std::invalid_argument("no toolbar icon named " + std::string(name));
}

}  // namespace quillory::art
