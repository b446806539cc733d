#pragma once

#include <QRgb>
#include <cstdint>
#include <vector>

namespace quillory::art {

// A picture reduced to a palette of at most 256 opaque colours, pixels top row first.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<QRgb> palette;
  std::vector<std::uint8_t> pixels;
  // The palette slot of see-through pixels, or -1 when every pixel is opaque.
  int transparentIndex = -1;

  std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace quillory::art
