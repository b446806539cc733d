#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

#include "indexed_image.h"

namespace quillory::art {

// A Windows bitmap of 24 bits per pixel (BI_RGB, bottom row first, rows padded to 4 bytes).
// Alpha is ignored.
std::vector<std::uint8_t> encodeBmp24(const QImage& image);

// A Windows bitmap of 8 bits per pixel with a full 256-entry colour table (BI_RGB); slots past the
// image's palette are black.
std::vector<std::uint8_t> encodeBmp8(const IndexedImage& image);

}  // namespace quillory::art
