#include <algorithm>
#include <cmath>

#include "frame_style.h"
#include "paint_kit.h"
#include "picture_book.h"

// The frame pieces: title bar ends and middles for active and inactive windows, the stretched
// side and bottom edges and their corners. Pieces are built pixel by pixel from the shared frame
// and title colours, so stretched pieces meet their corners without a seam.
namespace quillory::art {
namespace {

// The top corners are clipped by the window outline (0,5) (1,3) (2,2) (3,1) (5,0); the outline
// colour follows that cut, with a half tone where the cut leaves a sliver.
constexpr int kCornerRows = 5;
constexpr int kCornerOutline[kCornerRows] = {99, 4, 2, 2, 1};  // outline up to this column
constexpr int kCornerSoft[kCornerRows] = {-1, 4, 2, 2, 1};     // half-tone column, -1 none

QImage titlePiece(bool active, int width, bool leftEnd, bool rightEnd) {
  QImage image(width, kTitleHeight, QImage::Format_RGB32);
  for (int y = 0; y < kTitleHeight; ++y) {
    const QColor row = titleRow(active, y);
    for (int x = 0; x < width; ++x) image.setPixelColor(x, y, row);
  }
  const auto shapeEnd = [&](auto column) {
    for (int y = 0; y < kTitleHeight; ++y) {
      const QColor row = titleRow(active, y);
      const int solid = y < kCornerRows ? kCornerOutline[y] : 1;
      for (int x = 0; x < std::min(solid, width); ++x) {
        image.setPixelColor(column(x), y, palette::kFrameOutline);
      }
      if (y < kCornerRows && kCornerSoft[y] >= 0 && y > 0) {
        image.setPixelColor(column(kCornerSoft[y]), y, mix(palette::kFrameOutline, row, 0.5));
      }
    }
  };
  if (leftEnd) shapeEnd([](int x) { return x; });
  if (rightEnd) shapeEnd([width](int x) { return width - 1 - x; });
  return image;
}

QImage framePiece(int width, int height, auto depthAt) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixelColor(x, y, frameColour(depthAt(x, y)));
  }
  return image;
}

// The message box's bottom corners are cut more deeply, so they are drawn as a quarter circle
// that meets the side edge along its top row and the bottom edge along its right column; outside
// the curve and inside the frame the picture is see-through. Half-way round, the window outline
// cuts about a pixel deeper than the circle, so there the frame bands move inwards by up to a
// pixel and the dark outline is not clipped away.
QImage messageBoxCorner() {
  constexpr int kWidth = 6;
  constexpr int kHeight = 7;
  constexpr double kRadius = 6.0;
  const QPointF centre(kRadius, kHeight - kRadius);
  QImage image(kWidth, kHeight, QImage::Format_ARGB32);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const double px = x + 0.5;
      const double py = y + 0.5;
      double depth = std::min(px, kHeight - py);
      double shift = 0;
      if (px < centre.x() && py > centre.y()) {
        depth = kRadius - std::hypot(px - centre.x(), py - centre.y());
        const double bend = std::sin(2 * std::atan2(py - centre.y(), centre.x() - px));
        shift = bend * bend;
      }
      const bool inFrame = depth >= -0.25 && depth - shift < 4;
      const int band = static_cast<int>(std::max(0.0, depth - shift));
      image.setPixel(x, y, inFrame ? frameColour(band).rgb() : qRgba(0, 0, 0, 0));
    }
  }
  return image;
}

}  // namespace

void addWindowFrame(PictureBook& book) {
  book["border_top_left.bmp"] = {[] { return titlePiece(true, 48, true, false); }};
  book["border_top_center.bmp"] = {[] { return titlePiece(true, 2, false, false); }};
  book["border_top_right.bmp"] = {[] { return titlePiece(true, 48, false, true); }};
  book["border_white_top_left.bmp"] = {[] { return titlePiece(false, 48, true, false); }};
  book["border_white_top_center.bmp"] = {[] { return titlePiece(false, 1, false, false); }};
  book["border_white_top_right.bmp"] = {[] { return titlePiece(false, 48, false, true); }};

  book["border_left.bmp"] = {[] { return framePiece(4, 2, [](int x, int) { return x; }); }};
  book["border_right.bmp"] = {[] { return framePiece(4, 2, [](int x, int) { return 3 - x; }); }};
  book["border_bot.bmp"] = {[] { return framePiece(2, 4, [](int, int y) { return 3 - y; }); }};
  book["border_left_corners.bmp"] = {
      [] { return framePiece(6, 4, [](int x, int y) { return std::min(x, 3 - y); }); }};
  book["border_right_corners.bmp"] = {
      [] { return framePiece(6, 4, [](int x, int y) { return std::min(5 - x, 3 - y); }); }};

  book["Border_bot_left.gif"] = {messageBoxCorner, palette::kBand};
  book["Border_bot_right.gif"] = {[] { return mirrored(messageBoxCorner()); }, palette::kBand};
}

}  // namespace quillory::art
