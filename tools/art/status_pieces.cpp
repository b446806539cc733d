#include "paint_kit.h"
#include "picture_book.h"

// The practice window's status bar: label panels, the marking trough with its progress segments,
// the resize grip, the answer-sheet handle, and a plain decorative bar.
namespace quillory::art {
namespace {

using namespace palette;

constexpr int kStatusHeight = 25;
// The marking trough of bottombg4 and the progress segments drawn into it share this colour, so
// segments placed in the trough show no edge.
const QColor kTrough(226, 231, 219);
constexpr int kTroughTop = 3;
constexpr int kTroughRows = 19;

QImage labelPanel(int width) {
  QImage image = canvas(width, kStatusHeight, kBand);
  QPainter p;
  beginPainting(p, image);
  fillOutlined(p, roundedRect(QRectF(1.5, 2.5, width - 3, kStatusHeight - 5), 3.5),
               verticalGradient(2, kStatusHeight - 4,
                                {{0, QColor(255, 255, 255)}, {1, QColor(245, 246, 238)}}),
               QColor(194, 199, 182), 1.0);
  return image;
}

QImage markingTrough() {
  constexpr int kWidth = 200;
  QImage image = canvas(kWidth, kStatusHeight, kBand);
  QPainter p;
  beginPainting(p, image);
  fillOutlined(p, roundedRect(QRectF(2.5, kTroughTop - 0.5, kWidth - 5, kTroughRows + 1), 3.5),
               kTrough, QColor(170, 177, 158), 1.0);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRect(5, kTroughTop, kWidth - 10, kTroughRows), kTrough);
  return image;
}

QImage progressSegment() {
  QImage image = canvas(11, kTroughRows, kTrough);
  QPainter p;
  beginPainting(p, image);
  fillOutlined(
      p, roundedRect(QRectF(1.5, 1.5, 8, kTroughRows - 3), 2),
      verticalGradient(1, kTroughRows - 2,
                       {{0, QColor(170, 236, 150)}, {0.5, kGreen}, {1, QColor(52, 140, 56)}}),
      kGreenDark, 1.0);
  p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
  p.drawLine(QPointF(3.5, 3.5), QPointF(3.5, 9));
  return image;
}

QImage resizeGrip() {
  QImage image = canvas(8, 8, kPage);
  for (auto [x, y] : {std::pair{6, 0}, {3, 3}, {6, 3}, {0, 6}, {3, 6}, {6, 6}}) {
    image.setPixelColor(x, y, QColor(132, 148, 170));
    image.setPixelColor(x + 1, y, QColor(168, 182, 200));
    image.setPixelColor(x, y + 1, QColor(168, 182, 200));
    image.setPixelColor(x + 1, y + 1, QColor(222, 228, 236));
  }
  return image;
}

QImage sheetHandle() {
  QImage image = canvas(6, 40, kBand);
  QPainter p;
  beginPainting(p, image);
  fillOutlined(p, roundedRect(QRectF(0.5, 0.5, 5, 39), 2.5),
               verticalGradient(0, 40, {{0, QColor(226, 236, 248)}, {1, QColor(196, 212, 234)}}),
               QColor(128, 154, 190), 1.0);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 5; ++i) {
    const double y = 13.5 + 3.5 * i;
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(3.3, y + 0.4), 0.9, 0.9);
    p.setBrush(QColor(96, 124, 164));
    p.drawEllipse(QPointF(3.0, y), 0.9, 0.9);
  }
  return image;
}

QImage plainBar() {
  QImage image = canvas(401, 17, kBand);
  QPainter p;
  beginPainting(p, image);
  fillOutlined(
      p, roundedRect(QRectF(0.5, 1.5, 400, 14), 7),
      verticalGradient(
          1, 15,
          {{0, QColor(120, 182, 240)}, {0.5, QColor(62, 130, 210)}, {1, QColor(46, 108, 186)}}),
      kFrameOutline, 1.0);
  p.setPen(QPen(QColor(255, 255, 255, 110), 1.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8, 3.5), QPointF(392, 3.5));
  return image;
}

}  // namespace

void addStatusPieces(PictureBook& book) {
  book["bottombg1.bmp"] = {[] { return labelPanel(128); }};
  book["bottombg2.bmp"] = {[] { return labelPanel(120); }};
  book["bottombg3.bmp"] = {[] { return labelPanel(64); }};
  book["bottombg4.bmp"] = {markingTrough};
  book["progressbar.bmp"] = {progressSegment};
  book["statusgrabber.bmp"] = {resizeGrip};
  book["Handle.bmp"] = {sheetHandle};
  book["bar.bmp"] = {plainBar};
}

}  // namespace quillory::art
