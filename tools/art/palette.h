#pragma once

#include <QImage>
#include <QRgb>

#include "indexed_image.h"

namespace quillory::art {

struct QuantiseOptions {
  int maxColours = 256;
  // When set, pixels with alpha below `alphaThreshold` share palette slot 0, which holds
  // `transparentColour`; the other pixels count as opaque whatever their alpha.
  bool transparency = false;
  QRgb transparentColour = qRgb(0, 0, 0);
  int alphaThreshold = 128;
};

// Reduces `image` to a palette, deterministically: an image with few enough colours keeps every
// colour exactly (in ascending order); otherwise its most used colours keep their exact value, so
// flat areas still meet their neighbours seamlessly, and the rest are found by median cut refined
// with a few rounds of nearest-colour averaging.
IndexedImage quantise(const QImage& image, const QuantiseOptions& options = {});

}  // namespace quillory::art
