#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <vector>

#include "quillory/content/graphics_catalogue.h"

namespace quillory::art {

// The file bytes of a drawn picture in one of the window picture formats. Pictures bound for
// 8-bit files are reduced to a palette; GIF and ICO keep pixels under half opacity see-through,
// with `clearColour` in the GIF's see-through slot.
std::vector<std::uint8_t> encodePicture(PictureFormat format, const QImage& image,
                                        QRgb clearColour);

}  // namespace quillory::art
