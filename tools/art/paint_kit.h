#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <initializer_list>
#include <utility>

#include "quillory/shell/skin_palette.h"

namespace quillory::art {

// The colours every window picture shares, so that pieces drawn apart still meet cleanly.
namespace palette {
inline const QColor kBand = skin_colour::kBand;  // the windows fill around the pictures with it
inline const QColor kPage = skin_colour::kPage;
inline const QColor kFrameOutline{44, 90, 148};
inline const QColor kFrameLight{106, 156, 216};
inline const QColor kFrameMid{74, 128, 194};
inline const QColor kFrameInner{201, 220, 242};
inline const QColor kBlue{61, 139, 224};
inline const QColor kBlueLight{104, 174, 242};
inline const QColor kBlueDark{31, 95, 168};
inline const QColor kGreen{76, 176, 80};
inline const QColor kGreenLight{128, 212, 112};
inline const QColor kGreenDark{46, 125, 50};
inline const QColor kRed{229, 83, 75};
inline const QColor kRedLight{255, 128, 112};
inline const QColor kRedDark{170, 40, 32};
inline const QColor kOrange{245, 166, 35};
inline const QColor kOrangeLight{255, 203, 102};
inline const QColor kOrangeDark{186, 104, 12};
inline const QColor kInk{64, 72, 86};
inline const QColor kGreyLine{143, 155, 172};
}  // namespace palette

// An image of the given size filled with one colour (ARGB, premultiplied, for painting).
QImage canvas(int width, int height, const QColor& fill = Qt::transparent);

// A painter on `image` with antialiasing on.
void beginPainting(QPainter& painter, QImage& image);

QColor mix(const QColor& a, const QColor& b, double t);

// A vertical gradient over rows top..top+height, computed here rather than by the paint engine
// so that the pictures come out the same on every machine.
QBrush verticalGradient(double top, double height,
                        std::initializer_list<std::pair<double, QColor>> stops);

// The colour of a vertical gradient at a row, the same as the brush paints it there.
QColor gradientAt(double y, double top, double height,
                  std::initializer_list<std::pair<double, QColor>> stops);

QPainterPath roundedRect(const QRectF& rect, double radius);

// Fills a path and draws its outline on top.
void fillOutlined(QPainter& painter, const QPainterPath& path, const QBrush& fill,
                  const QColor& line, double lineWidth);

// Composites `image` over `backdrop`: pixels at least `keepAlpha` opaque become fully opaque,
// the others fully transparent (for formats with one-bit transparency).
QImage flatten(const QImage& image, const QColor& backdrop, int keepAlpha = 1);

// The picture in grey and faded towards transparency, for a button that cannot be used.
QImage greyedOut(const QImage& image, double opacity);

// Mirrors left and right.
QImage mirrored(const QImage& image);

}  // namespace quillory::art
