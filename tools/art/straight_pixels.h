#pragma once

#include <QImage>
#include <QRgb>

namespace quillory::art {

// Conversions between premultiplied and straight alpha done here in integers, never by Qt: Qt's
// vector paths divide with the processor's approximate reciprocal, so a channel that lands on an
// exact half (161 * 255 / 210 = 195.5) rounds one way on one processor and the other way on
// another, and the committed pictures would differ by machine.

// The straight colour of a premultiplied pixel, each channel rounded to nearest, halves up.
QRgb unpremultiplied(QRgb premultiplied);

// The premultiplied form of a straight pixel, each channel rounded to nearest, halves up.
QRgb premultiplied(QRgb straight);

// A premultiplied pixel laid over an opaque backdrop: the opaque colour the screen would show.
QRgb compositeOver(QRgb premultiplied, QRgb backdrop);

// `image` in Format_ARGB32 (straight alpha), whatever its format.
QImage straightArgb(const QImage& image);

// `image` in Format_ARGB32_Premultiplied, whatever its format.
QImage premultipliedArgb(const QImage& image);

}  // namespace quillory::art
