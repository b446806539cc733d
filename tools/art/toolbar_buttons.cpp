#include <string>
#include <string_view>

#include "paint_kit.h"
#include "picture_book.h"
#include "toolbar_icons.h"

// The 44 × 45 toolbar buttons of the home and practice windows. The window writes the caption
// over the lowest 17 rows, so the symbol keeps to the top and the plates reach the bottom.
namespace quillory::art {
namespace {

using namespace palette;

constexpr int kWidth = 44;
constexpr int kHeight = 45;
constexpr QPointF kIconAt{10, 2.5};

enum class Face { Off, On, Pressed, Disabled };

QImage iconLayer(std::string_view name) {
  QImage layer = canvas(kWidth, kHeight);
  QPainter p;
  beginPainting(p, layer);
  p.translate(kIconAt);
  drawToolbarIcon(p, name);
  return layer;
}

void drawPlate(QPainter& p, Face face) {
  const QRectF plate(1.5, 1.5, kWidth - 3, kHeight - 3);
  if (face == Face::On) {
    fillOutlined(
        p, roundedRect(plate, 7),
        verticalGradient(1, kHeight - 2, {{0, QColor(255, 255, 255)}, {1, QColor(218, 234, 251)}}),
        QColor(150, 190, 234), 1.0);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.drawLine(QPointF(7, 2.5), QPointF(kWidth - 7, 2.5));
  } else if (face == Face::Pressed) {
    fillOutlined(
        p, roundedRect(plate, 7),
        verticalGradient(1, kHeight - 2, {{0, QColor(176, 204, 238)}, {1, QColor(206, 224, 246)}}),
        QColor(96, 143, 204), 1.0);
    p.setPen(QPen(QColor(120, 160, 212, 150), 1.0));
    p.drawLine(QPointF(7, 2.6), QPointF(kWidth - 7, 2.6));
  }
}

QImage face(std::string_view name, Face face) {
  QImage image = canvas(kWidth, kHeight, kBand);
  QPainter p;
  beginPainting(p, image);
  drawPlate(p, face);
  const QImage icon = iconLayer(name);
  if (face == Face::Disabled) {
    p.drawImage(0, 0, greyedOut(icon, 0.8));
  } else if (face == Face::Pressed) {
    p.drawImage(1, 1, icon);
  } else {
    p.drawImage(0, 0, icon);
  }
  return image;
}

}  // namespace

void addToolbarButtons(PictureBook& book) {
  struct Family {
    std::string_view name;
    bool canBeDisabled;
  };
  static constexpr Family kFamilies[] = {
      {"about", false}, {"back", true},   {"close", false}, {"forward", true},
      {"home", false},  {"mark", true},   {"print", false}, {"report", false},
      {"save", true},   {"setup", false}, {"trash", false},
  };
  for (const Family& f : kFamilies) {
    const std::string stem(f.name);
    book[stem + "_off.bmp"] = {[stem] { return face(stem, Face::Off); }};
    book[stem + "_on.bmp"] = {[stem] { return face(stem, Face::On); }};
    book[stem + "_pressed.bmp"] = {[stem] { return face(stem, Face::Pressed); }};
    if (f.canBeDisabled) {
      book[stem + "_disabled.bmp"] = {[stem] { return face(stem, Face::Disabled); }};
    }
  }
}

}  // namespace quillory::art
