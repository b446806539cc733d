#pragma once

#include <cstdint>
#include <vector>

#include "indexed_image.h"

namespace quillory::art {

// An icon file holding one image of 8 bits per pixel (256 colours) with its AND mask. Pixels in
// the transparent slot are masked out; that slot's colour should be black, so that the screen
// shows through unchanged.
std::vector<std::uint8_t> encodeIco8(const IndexedImage& image);

}  // namespace quillory::art
