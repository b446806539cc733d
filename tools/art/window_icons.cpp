#include "motifs.h"
#include "paint_kit.h"
#include "picture_book.h"
#include "stroke_font.h"

// The icons: the home window's badge, the practice windows' pencil and the pointing hand shown
// over the web link.
namespace quillory::art {
namespace {

using namespace palette;

QImage badge() {
  QImage image = canvas(16, 16);
  QPainter p;
  beginPainting(p, image);
  fillOutlined(p, roundedRect(QRectF(0.5, 0.5, 15, 15), 3.5),
               verticalGradient(0, 16, {{0, kOrangeLight}, {1, QColor(236, 128, 20)}}), kOrangeDark,
               1.0);
  drawLetters(p, "Q", {3.6, 11.6}, {.unit = 1.22, .spacing = 0, .stroke = 1.9}, Qt::white);
  return image;
}

QImage pencilIcon() {
  QImage image = canvas(16, 16);
  QPainter p;
  beginPainting(p, image);
  p.translate(1.6, 14.4);
  p.rotate(-45);
  drawPencil(p, 18.5, 5.4);
  return image;
}

QImage pointingHand() {
  QImage image = canvas(32, 32);
  QPainter p;
  beginPainting(p, image);
  const auto capsule = [](double x, double y, double w, double h) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), w / 2, w / 2);
    return path;
  };
  QPainterPath hand = capsule(10.5, 1.5, 5.5, 19);
  hand = hand.united(capsule(15.5, 11, 5, 11));
  hand = hand.united(capsule(20, 12, 5, 10));
  hand = hand.united(capsule(24.5, 13.5, 4.5, 9));
  QPainterPath palm;
  palm.addRoundedRect(QRectF(9.5, 16, 19.5, 14.5), 5, 5);
  hand = hand.united(palm);
  QPainterPath thumb;
  thumb.moveTo(10.5, 25);
  thumb.lineTo(4.5, 19.8);
  thumb.cubicTo(2.6, 18.2, 4.6, 15.4, 6.8, 16.8);
  thumb.lineTo(11, 19.5);
  thumb.closeSubpath();
  hand = hand.united(thumb);
  hand = hand.simplified();
  fillOutlined(p, hand, Qt::white, Qt::black, 1.4);
  p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(15.8, 14), QPointF(15.8, 19));
  p.drawLine(QPointF(20.3, 15), QPointF(20.3, 19.5));
  p.drawLine(QPointF(24.7, 16.5), QPointF(24.7, 20));
  return image;
}

}  // namespace

void addWindowIcons(PictureBook& book) {
  book["QXicon.ico"] = {badge};
  book["pencil.ico"] = {pencilIcon};
  book["hand.ico"] = {pointingHand};
}

}  // namespace quillory::art
