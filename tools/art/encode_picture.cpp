#include "encode_picture.h"

#include "bmp_writer.h"
#include "gif_writer.h"
#include "ico_writer.h"
#include "palette.h"

namespace quillory::art {

std::vector<std::uint8_t> encodePicture(PictureFormat format, const QImage& image,
                                        QRgb clearColour) {
  switch (format) {
    case PictureFormat::Bmp24:
      return encodeBmp24(image);
    case PictureFormat::Bmp8:
      return encodeBmp8(quantise(image));
    case PictureFormat::Ico:
      // The icon's see-through pixels must be black so that the screen shows through unchanged.
      return encodeIco8(
          quantise(image, {.transparency = true, .transparentColour = qRgb(0, 0, 0)}));
    case PictureFormat::Gif:
      return encodeGif(quantise(image, {.transparency = true, .transparentColour = clearColour}));
  }
  return {};
}

}  // namespace quillory::art
