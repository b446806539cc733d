#include "straight_pixels.h"

namespace quillory::art {
namespace {

bool isPremultiplied(const QImage& image) {
  return image.pixelFormat().premultiplied() == QPixelFormat::Premultiplied;
}

// Every pixel of `image`, premultiplied, as 32-bit ARGB. Reordering channels and widening is
// exact in Qt; only the division by alpha is not, and that is never asked of it here.
QImage premultipliedSource(const QImage& image) {
  if (image.format() == QImage::Format_ARGB32_Premultiplied) return image;
  if (isPremultiplied(image)) return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage straight = image.convertToFormat(QImage::Format_ARGB32);
  QImage out(straight.size(), QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < straight.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < straight.width(); ++x) to[x] = premultiplied(from[x]);
  }
  return out;
}

}  // namespace

QRgb unpremultiplied(QRgb pixel) {
  const int a = qAlpha(pixel);
  if (a == 255) return pixel;
  if (a == 0) return qRgba(0, 0, 0, 0);
  const auto channel = [a](int c) { return c >= a ? 255 : (c * 255 + a / 2) / a; };
  return qRgba(channel(qRed(pixel)), channel(qGreen(pixel)), channel(qBlue(pixel)), a);
}

QRgb premultiplied(QRgb pixel) {
  const int a = qAlpha(pixel);
  if (a == 255) return pixel;
  const auto channel = [a](int c) { return (c * a + 127) / 255; };
  return qRgba(channel(qRed(pixel)), channel(qGreen(pixel)), channel(qBlue(pixel)), a);
}

QRgb compositeOver(QRgb pixel, QRgb backdrop) {
  const int rest = 255 - qAlpha(pixel);
  const auto channel = [rest](int fg, int bg) {
    const int c = (fg * 255 + bg * rest + 127) / 255;
    return c > 255 ? 255 : c;
  };
  return qRgb(channel(qRed(pixel), qRed(backdrop)), channel(qGreen(pixel), qGreen(backdrop)),
              channel(qBlue(pixel), qBlue(backdrop)));
}

QImage straightArgb(const QImage& image) {
  if (!isPremultiplied(image)) return image.convertToFormat(QImage::Format_ARGB32);
  const QImage source = premultipliedSource(image);
  QImage out(source.size(), QImage::Format_ARGB32);
  for (int y = 0; y < source.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < source.width(); ++x) to[x] = unpremultiplied(from[x]);
  }
  return out;
}

QImage premultipliedArgb(const QImage& image) { return premultipliedSource(image); }

}  // namespace quillory::art
