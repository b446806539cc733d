#include "paint_kit.h"

#include <QTransform>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "straight_pixels.h"

namespace quillory::art {

QImage canvas(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void beginPainting(QPainter& painter, QImage& image) {
  painter.begin(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
}

QColor mix(const QColor& a, const QColor& b, double t) {
  const auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

QColor gradientAt(double y, double top, double height,
                  std::initializer_list<std::pair<double, QColor>> stops) {
  const double t = height <= 1 ? 0.0 : std::clamp((y - top) / (height - 1), 0.0, 1.0);
  auto next = std::find_if(stops.begin(), stops.end(), [t](const auto& s) { return s.first >= t; });
  if (next == stops.begin()) return next->second;
  if (next == stops.end()) return std::prev(next)->second;
  const auto prev = std::prev(next);
  const double span = next->first - prev->first;
  return mix(prev->second, next->second, span <= 0 ? 1.0 : (t - prev->first) / span);
}

QBrush verticalGradient(double top, double height,
                        std::initializer_list<std::pair<double, QColor>> stops) {
  const int rows = std::max(1, static_cast<int>(std::lround(height)));
  QImage strip(1, rows, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < rows; ++y) {
    strip.setPixelColor(0, y, gradientAt(top + y, top, rows, stops));
  }
  QBrush brush(strip);
  brush.setTransform(QTransform::fromTranslate(0, std::round(top)));
  return brush;
}

QPainterPath roundedRect(const QRectF& rect, double radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                  const QColor& line, double lineWidth) {
  painter.fillPath(path, fill);
  if (lineWidth > 0) {
    painter.strokePath(path, QPen(line, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
}

QImage flatten(const QImage& image, const QColor& backdrop, int keepAlpha) {
  const QImage src = premultipliedArgb(image);
  QImage out(src.size(), QImage::Format_ARGB32);
  for (int y = 0; y < src.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      to[x] =
          qAlpha(from[x]) < keepAlpha ? qRgba(0, 0, 0, 0) : compositeOver(from[x], backdrop.rgb());
    }
  }
  return out;
}

QImage greyedOut(const QImage& image, double opacity) {
  QImage out = straightArgb(image);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb px = row[x];
      // Lightened grey, so the shape reads as "not now" rather than as a dark silhouette.
      const int grey = (qRed(px) * 30 + qGreen(px) * 59 + qBlue(px) * 11) / 100;
      const int light = (grey + 176) / 2;
      const int alpha = static_cast<int>(std::lround(qAlpha(px) * opacity));
      row[x] = qRgba(light, light, light, alpha);
    }
  }
  return premultipliedArgb(out);
}

QImage mirrored(const QImage& image) { return image.mirrored(true, false); }

}  // namespace quillory::art
