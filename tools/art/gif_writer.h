#pragma once

#include <cstdint>
#include <vector>

#include "indexed_image.h"

namespace quillory::art {

// A GIF89a file of one frame with a global colour table and LZW-compressed pixels; the
// transparent slot, if any, is named in a graphic control extension.
std::vector<std::uint8_t> encodeGif(const IndexedImage& image);

}  // namespace quillory::art
