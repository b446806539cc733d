#include <string>
#include <string_view>

#include "frame_style.h"
#include "paint_kit.h"
#include "picture_book.h"

// The 19 × 19 close, maximise, minimise and restore buttons of the title bar: "blueoff" at rest on
// the active bar, "blue" under the cursor, "white" on an inactive window's bar.
namespace quillory::art {
namespace {

constexpr int kSize = 19;

enum class Look { BlueOff, Blue, White };

struct Style {
  bool activeBar;
  QColor plate;
  QColor rim;
  QColor glyph;
  QColor shadow;
};

Style styleOf(Look look) {
  switch (look) {
    case Look::BlueOff:
      return {true, QColor(255, 255, 255, 34), QColor(255, 255, 255, 110), Qt::white,
              QColor(20, 60, 120, 120)};
    case Look::Blue:
      return {true, QColor(255, 255, 255, 96), QColor(255, 255, 255, 230), Qt::white,
              QColor(20, 60, 120, 150)};
    case Look::White:
      break;
  }
  return {false, QColor(255, 255, 255, 160), QColor(170, 182, 198), QColor(118, 130, 146),
          Qt::transparent};
}

void drawGlyph(QPainter& p, std::string_view glyph, const QColor& colour, QPointF offset) {
  p.save();
  p.translate(offset);
  if (glyph == "close") {
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 6), QPointF(13, 13));
    p.drawLine(QPointF(13, 6), QPointF(6, 13));
  } else if (glyph == "max") {
    p.setPen(QPen(colour, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5.5, 5.5, 8, 8));
    p.fillRect(QRectF(5, 5, 9, 2.6), colour);
  } else if (glyph == "min") {
    p.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 13), QPointF(13, 13));
  } else {
    p.setPen(QPen(colour, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(7.5, 5.5), QPointF(13.5, 5.5));
    p.drawLine(QPointF(13.5, 5.5), QPointF(13.5, 11.5));
    p.fillRect(QRectF(7, 4.6, 7, 2), colour);
    p.drawRect(QRectF(4.5, 8.5, 7, 6));
    p.fillRect(QRectF(4, 7.6, 8, 2.2), colour);
  }
  p.restore();
}

QImage titleButton(Look look, std::string_view glyph) {
  const Style s = styleOf(look);
  QImage image = canvas(kSize, kSize);
  for (int y = 0; y < kSize; ++y) {
    const QColor row = titleRow(s.activeBar, y + kTitleButtonTop);
    for (int x = 0; x < kSize; ++x) image.setPixelColor(x, y, row);
  }
  QPainter p;
  beginPainting(p, image);
  fillOutlined(p, roundedRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1), 4), s.plate, s.rim, 1.0);
  if (s.shadow.alpha() > 0) drawGlyph(p, glyph, s.shadow, QPointF(0, 1));
  drawGlyph(p, glyph, s.glyph, QPointF(0, 0));
  return image;
}

}  // namespace

void addTitleButtons(PictureBook& book) {
  struct Named {
    std::string_view prefix;
    Look look;
  };
  static constexpr Named kLooks[] = {
      {"prog_blue_", Look::Blue}, {"prog_blueoff_", Look::BlueOff}, {"prog_white_", Look::White}};
  for (const Named& n : kLooks) {
    for (std::string_view glyph : {"close", "max", "min", "norm"}) {
      const Look look = n.look;
      const std::string g(glyph);
      book[std::string(n.prefix) + g + ".bmp"] = {[look, g] { return titleButton(look, g); }};
    }
  }
}

}  // namespace quillory::art
