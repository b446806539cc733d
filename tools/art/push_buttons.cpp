#include "paint_kit.h"
#include "picture_book.h"

// The 80 × 25 buttons of the message box and the Trash page (the window writes the caption on
// them) and the small green take and retry buttons of the Home page's paper list.
namespace quillory::art {
namespace {

using namespace palette;

enum class Face { Off, On, Pressed };

QImage pushButton(Face face) {
  QImage image = canvas(80, 25, kBand);
  QPainter p;
  beginPainting(p, image);
  const QPainterPath body = roundedRect(QRectF(0.5, 0.5, 79, 24), 5);
  switch (face) {
    case Face::Off:
      fillOutlined(
          p, body,
          verticalGradient(0, 25, {{0, QColor(255, 255, 255)}, {1, QColor(222, 230, 240)}}),
          QColor(136, 158, 188), 1.0);
      break;
    case Face::On:
      fillOutlined(
          p, body,
          verticalGradient(0, 25, {{0, QColor(246, 251, 255)}, {1, QColor(196, 222, 250)}}),
          QColor(70, 132, 206), 1.0);
      p.strokePath(roundedRect(QRectF(1.5, 1.5, 77, 22), 4), QPen(QColor(255, 255, 255, 190), 1.0));
      break;
    case Face::Pressed:
      fillOutlined(
          p, body,
          verticalGradient(0, 25, {{0, QColor(168, 198, 236)}, {1, QColor(204, 222, 246)}}),
          QColor(56, 110, 182), 1.0);
      p.setPen(QPen(QColor(110, 150, 204), 1.0));
      p.drawLine(QPointF(4, 1.7), QPointF(76, 1.7));
      break;
  }
  return image;
}

QImage loadButton(bool lit) {
  // The paper list alternates white and light grey rows; the corners are blended for both.
  QImage image = canvas(35, 14, QColor(246, 246, 246));
  QPainter p;
  beginPainting(p, image);
  const QPainterPath pill = roundedRect(QRectF(0.5, 0.5, 34, 13), 6.5);
  fillOutlined(
      p, pill,
      lit ? verticalGradient(0, 14, {{0, QColor(186, 244, 160)}, {1, QColor(92, 196, 84)}})
          : verticalGradient(0, 14, {{0, QColor(150, 218, 132)}, {1, QColor(66, 160, 70)}}),
      lit ? QColor(60, 150, 60) : kGreenDark, 1.0);
  if (lit)
    p.strokePath(roundedRect(QRectF(1.5, 1.5, 32, 11), 5.5), QPen(QColor(255, 255, 255, 150), 1.0));
  QPainterPath play;
  play.moveTo(14.5, 3.8);
  play.lineTo(21.5, 7);
  play.lineTo(14.5, 10.2);
  play.closeSubpath();
  p.strokePath(play, QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(play, Qt::white);
  return image;
}

}  // namespace

void addPushButtons(PictureBook& book) {
  book["button_off.bmp"] = {[] { return pushButton(Face::Off); }};
  book["button_on.bmp"] = {[] { return pushButton(Face::On); }};
  book["button_pressed.bmp"] = {[] { return pushButton(Face::Pressed); }};
  book["loadbutton_off.bmp"] = {[] { return loadButton(false); }};
  book["loadbutton_on.bmp"] = {[] { return loadButton(true); }};
}

}  // namespace quillory::art
