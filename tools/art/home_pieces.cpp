#include "paint_kit.h"
#include "picture_book.h"

// The subject tabs, the column heads of the Home page and its topic bullets.
namespace quillory::art {
namespace {

using namespace palette;

constexpr int kTabWidth = 79;

enum class Tab { BackOff, BackOn, FrontOff, FrontOn };

// Slanted sides with rounded shoulders; neighbouring tabs overlap by four pixels, which the
// slant leaves to the backdrop. The path runs past the bottom so no bottom edge is drawn: the
// front tab melts into the strip below it.
QPainterPath tabShape(int height) {
  QPainterPath path;
  const double bottom = height + 2;
  path.moveTo(0.5, bottom);
  path.lineTo(3.0, 6.5);
  path.cubicTo(3.6, 2.5, 5.5, 0.5, 9.5, 0.5);
  path.lineTo(kTabWidth - 9.5, 0.5);
  path.cubicTo(kTabWidth - 5.5, 0.5, kTabWidth - 3.6, 2.5, kTabWidth - 3.0, 6.5);
  path.lineTo(kTabWidth - 0.5, bottom);
  return path;
}

QImage tab(Tab kind) {
  const bool front = kind == Tab::FrontOff || kind == Tab::FrontOn;
  const int height = front ? 27 : 26;
  QImage image = canvas(kTabWidth, height, kBand);
  QPainter p;
  beginPainting(p, image);
  const QPainterPath shape = tabShape(height);
  switch (kind) {
    case Tab::BackOff:
      fillOutlined(
          p, shape,
          verticalGradient(0, height, {{0, QColor(236, 240, 246)}, {1, QColor(206, 216, 229)}}),
          QColor(150, 166, 188), 1.0);
      break;
    case Tab::BackOn:
      fillOutlined(
          p, shape,
          verticalGradient(0, height, {{0, QColor(250, 253, 255)}, {1, QColor(212, 230, 250)}}),
          QColor(104, 150, 206), 1.0);
      break;
    case Tab::FrontOff:
    case Tab::FrontOn: {
      const bool lit = kind == Tab::FrontOn;
      // The last rows are exactly the strip's colour, where the tab stands on the strip.
      fillOutlined(p, shape,
                   verticalGradient(0, height,
                                    {{0, lit ? QColor(228, 242, 255) : QColor(255, 255, 255)},
                                     {0.85, kBand},
                                     {1, kBand}}),
                   QColor(120, 150, 190), 1.0);
      p.save();
      p.setClipPath(shape);
      p.fillRect(QRectF(0, 0, kTabWidth, 3.5), lit ? kBlueLight : kBlue);
      p.restore();
      p.strokePath(shape, QPen(lit ? kBlue : QColor(120, 150, 190), 1.0));
      break;
    }
  }
  return image;
}

QImage columnHead(int width) {
  QImage image = canvas(width, 24);
  QPainter p;
  beginPainting(p, image);
  p.fillRect(QRect(0, 0, width, 24),
             verticalGradient(0, 24, {{0, QColor(240, 247, 255)}, {1, QColor(204, 224, 247)}}));
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRect(0, 0, width, 1), QColor(255, 255, 255));
  p.fillRect(QRect(0, 22, width, 2), QColor(112, 156, 210));
  p.fillRect(QRect(width - 2, 3, 1, 17), QColor(160, 188, 222));
  p.fillRect(QRect(width - 1, 3, 1, 17), QColor(255, 255, 255));
  return image;
}

QImage bullet() {
  QImage image = canvas(13, 11, kPage);
  QPainter p;
  beginPainting(p, image);
  QPainterPath arrow;
  arrow.moveTo(3, 1.8);
  arrow.lineTo(10.8, 5.5);
  arrow.lineTo(3, 9.2);
  arrow.closeSubpath();
  p.strokePath(arrow, QPen(kOrangeDark, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.strokePath(arrow, QPen(kOrange, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.fillPath(arrow, kOrange);
  return image;
}

}  // namespace

void addHomePieces(PictureBook& book) {
  book["tabs_back_off.bmp"] = {[] { return tab(Tab::BackOff); }};
  book["tabs_back_on.bmp"] = {[] { return tab(Tab::BackOn); }};
  book["tabs_front_off.bmp"] = {[] { return tab(Tab::FrontOff); }};
  book["tabs_front_on.bmp"] = {[] { return tab(Tab::FrontOn); }};
  book["columnhead1.bmp"] = {[] { return columnHead(167); }};
  book["columnhead2.bmp"] = {[] { return columnHead(233); }};
  book["bullet.bmp"] = {bullet};
}

}  // namespace quillory::art
