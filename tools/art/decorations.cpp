#include "motifs.h"
#include "paint_kit.h"
#include "picture_book.h"
#include "stroke_font.h"

// Pictures that carry a message or a name: the score panel, the fraction help, the wordmark
// and the message box's information mark.
namespace quillory::art {
namespace {

using namespace palette;

QImage scorePanel() {
  QImage image = canvas(117, 41, kBand);
  QPainter p;
  beginPainting(p, image);
  fillOutlined(p, roundedRect(QRectF(0.5, 0.5, 116, 40), 6),
               verticalGradient(0, 41, {{0, QColor(255, 255, 255)}, {1, QColor(250, 249, 238)}}),
               QColor(194, 199, 182), 1.0);
  p.setPen(QPen(QColor(240, 150, 150), 1.0));
  p.drawLine(QPointF(40.5, 4), QPointF(40.5, 37));
  p.setPen(QPen(QColor(186, 212, 240), 1.0));
  p.drawLine(QPointF(46, 31.5), QPointF(110, 31.5));
  p.translate(7, 35);
  p.rotate(-52);
  drawPencil(p, 40, 7);
  return image;
}

// A fraction as a textbook prints it: numerator over a bar over denominator, centred on x.
void drawStacked(QPainter& p, char top, char bottom, double centreX, double barY,
                 const Lettering& style, const QColor& ink) {
  const std::string t(1, top);
  const std::string b(1, bottom);
  drawLetters(p, t, {centreX - letterWidth(t, style) / 2, barY - 3}, style, ink);
  drawLetters(p, b, {centreX - letterWidth(b, style) / 2, barY + 3 + 7 * style.unit}, style, ink);
  p.setPen(QPen(ink, style.stroke, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(centreX - 6, barY), QPointF(centreX + 6, barY));
}

void drawArrow(QPainter& p, double x, double y) {
  QPainterPath shaft;
  shaft.moveTo(x, y);
  shaft.lineTo(x + 18, y);
  p.strokePath(shaft, QPen(kOrange, 3, Qt::SolidLine, Qt::RoundCap));
  QPainterPath head;
  head.moveTo(x + 15, y - 5.5);
  head.lineTo(x + 22, y);
  head.lineTo(x + 15, y + 5.5);
  p.strokePath(head, QPen(kOrange, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// An answer box like the ones on the answer sheet, with the text typed into it.
void drawAnswerBox(QPainter& p, const QRectF& box, std::string_view typed, const Lettering& style,
                   double baseline) {
  fillOutlined(p, roundedRect(box, 3), Qt::white, QColor(120, 150, 194), 1.0);
  drawLetters(p, typed, {box.left() + 7, baseline}, style, kInk);
}

void drawKey(QPainter& p, const QRectF& key) {
  fillOutlined(p, roundedRect(key, 3.5),
               verticalGradient(key.top(), key.height(),
                                {{0, QColor(255, 255, 255)}, {1, QColor(218, 224, 232)}}),
               QColor(132, 146, 166), 1.0);
  p.setPen(QPen(QColor(176, 186, 200), 1.0));
  p.drawLine(QPointF(key.left() + 3, key.bottom() - 2.5),
             QPointF(key.right() - 3, key.bottom() - 2.5));
}

QImage instruction() {
  QImage image = canvas(237, 85, kPage);
  QPainter p;
  beginPainting(p, image);
  fillOutlined(p, roundedRect(QRectF(0.5, 0.5, 236, 84), 8),
               verticalGradient(0, 85, {{0, QColor(255, 252, 236)}, {1, QColor(255, 246, 214)}}),
               QColor(232, 196, 104), 1.0);
  p.setPen(QPen(QColor(236, 212, 150), 1.0, Qt::DashLine));
  p.drawLine(QPointF(8, 42.5), QPointF(229, 42.5));

  const Lettering digits{.unit = 1.45, .spacing = 1.8, .stroke = 1.9};
  const Lettering typed{.unit = 1.45, .spacing = 1.2, .stroke = 1.9};
  const QColor ink = kBlueDark;

  // Three quarters.
  drawStacked(p, '3', '4', 24, 21.5, digits, ink);
  drawArrow(p, 42, 21.5);
  drawAnswerBox(p, QRectF(74.5, 10.5, 54, 22), "3/4", typed, 26.5);
  drawKey(p, QRectF(203.5, 10.5, 22, 22));
  drawLetters(p, "/", {209.5, 27}, typed, kInk);

  // Two and three quarters: the whole number, a space, then the fraction.
  drawLetters(p, "2", {9, 69.5}, {.unit = 1.6, .spacing = 1.6, .stroke = 2.0}, ink);
  drawStacked(p, '3', '4', 29, 63.5, digits, ink);
  drawArrow(p, 42, 63.5);
  drawAnswerBox(p, QRectF(74.5, 52.5, 70, 22), "2 3/4", typed, 68.5);
  QPainterPath gap;
  gap.moveTo(89, 70);
  gap.lineTo(89, 72.5);
  gap.lineTo(95, 72.5);
  gap.lineTo(95, 70);
  p.strokePath(gap, QPen(kOrange, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  drawKey(p, QRectF(152.5, 52.5, 45, 22));
  drawLetters(p, "space", {159, 65.5}, {.unit = 0.95, .spacing = 1.3, .stroke = 1.3}, kInk);
  drawKey(p, QRectF(203.5, 52.5, 22, 22));
  drawLetters(p, "/", {209.5, 69}, typed, kInk);
  return image;
}

QImage logo() {
  QImage image = canvas(204, 23, Qt::black);
  QPainter p;
  beginPainting(p, image);
  p.save();
  p.translate(3, 20);
  p.rotate(-40);
  drawPencil(p, 24, 6);
  p.restore();
  const Lettering style{.unit = 1.8, .spacing = 1.7, .stroke = 2.7};
  const QColor colours[] = {
      kOrange,      QColor(110, 190, 255), kGreenLight, QColor(255, 120, 110),
      kOrangeLight, QColor(110, 190, 255), kGreenLight, QColor(255, 120, 110)};
  double x = 28;
  const std::string_view word = "Quillory";
  for (std::size_t i = 0; i < word.size(); ++i) {
    const std::string_view letter = word.substr(i, 1);
    drawLetters(p, letter, {x, 15.5}, style, colours[i]);
    x += letterWidth(letter, style) + style.spacing * style.unit;
  }
  return image;
}

QImage infoMark() {
  QImage image = canvas(32, 27);
  QPainter p;
  beginPainting(p, image);
  drawInfoBadge(p, QPointF(16, 13.5), 12.6);
  p.end();
  return flatten(image, kBand, 100);
}

}  // namespace

void addDecorations(PictureBook& book) {
  book["pen.bmp"] = {scorePanel};
  book["instruction.gif"] = {instruction, kPage};
  book["Logo.gif"] = {logo};
  book["info_mark.gif"] = {infoMark, kBand};
}

}  // namespace quillory::art
