#include "straight_pixels.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <vector>

#include "bmp_writer.h"
#include "palette.h"

namespace quillory::art {
namespace {

// Pixel (1,1) of the home window's badge: red 161 at alpha 210 is exactly 195.5 once divided
// out, which vector code rounds differently on different processors.
constexpr QRgb kTiePixel = qRgba(161, 100, 50, 210);

// A row wide enough that Qt would take its vector path for it.
QImage rowOf(QRgb pixel, int width = 64) {
  QImage image(width, 1, QImage::Format_ARGB32_Premultiplied);
  auto* row = reinterpret_cast<QRgb*>(image.scanLine(0));
  for (int x = 0; x < width; ++x) row[x] = pixel;
  return image;
}

struct Unpremultiply {
  QRgb premultiplied;
  QRgb straight;
};

class Unpremultiplies : public ::testing::TestWithParam<Unpremultiply> {};

TEST_P(Unpremultiplies, RoundsHalvesUp) {
  EXPECT_EQ(unpremultiplied(GetParam().premultiplied), GetParam().straight);
  const QImage image = straightArgb(rowOf(GetParam().premultiplied));
  for (int x = 0; x < image.width(); ++x) {
    ASSERT_EQ(image.pixel(x, 0), GetParam().straight) << "pixel " << x;
  }
}

INSTANTIATE_TEST_SUITE_P(Pixels, Unpremultiplies,
                         ::testing::Values(Unpremultiply{kTiePixel, qRgba(196, 121, 61, 210)},
                                           Unpremultiply{qRgba(1, 1, 1, 2),
                                                         qRgba(128, 128, 128, 2)},
                                           Unpremultiply{qRgba(9, 8, 7, 255), qRgba(9, 8, 7, 255)},
                                           Unpremultiply{qRgba(0, 0, 0, 0), qRgba(0, 0, 0, 0)},
                                           Unpremultiply{qRgba(5, 5, 5, 0), qRgba(0, 0, 0, 0)}));

TEST(Premultiplied, GivesBackEveryPremultipliedPixelItCameFrom) {
  for (int a = 1; a < 256; ++a) {
    for (int c = 0; c <= a; ++c) {
      const QRgb pixel = qRgba(c, a - c, c / 2, a);
      ASSERT_EQ(premultiplied(unpremultiplied(pixel)), pixel) << "channel " << c << " alpha " << a;
    }
  }
}

TEST(CompositeOver, ShowsTheBackdropThroughWhatIsSeeThrough) {
  const QRgb backdrop = qRgb(244, 245, 235);
  EXPECT_EQ(compositeOver(qRgba(0, 0, 0, 0), backdrop), backdrop);
  EXPECT_EQ(compositeOver(qRgba(10, 20, 30, 255), backdrop), qRgb(10, 20, 30));
  EXPECT_EQ(compositeOver(qRgba(100, 0, 50, 128), qRgb(0, 200, 255)), qRgb(100, 100, 177));
}

TEST(PictureWriters, TakeTheirColoursFromTheIntegerConversion) {
  const std::vector<std::uint8_t> bmp = encodeBmp24(rowOf(kTiePixel, 4));
  ASSERT_GE(bmp.size(), 57u);
  EXPECT_EQ(bmp[54], 61);   // blue
  EXPECT_EQ(bmp[55], 121);  // green
  EXPECT_EQ(bmp[56], 196);  // red

  const IndexedImage indexed = quantise(rowOf(kTiePixel));
  ASSERT_EQ(indexed.palette.size(), 1u);
  EXPECT_EQ(indexed.palette[0], qRgb(196, 121, 61));
}

}  // namespace
}  // namespace quillory::art
