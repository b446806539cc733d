#include "ico_writer.h"

#include <stdexcept>

#include "byte_writer.h"

namespace quillory::art {

std::vector<std::uint8_t> encodeIco8(const IndexedImage& image) {
  if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256) {
    throw std::invalid_argument("an icon is 1 to 256 pixels each way");
  }
  const std::uint32_t xorRow = ((static_cast<std::uint32_t>(image.width) * 8 + 31) / 32) * 4;
  const std::uint32_t andRow = ((static_cast<std::uint32_t>(image.width) + 31) / 32) * 4;
  const std::uint32_t imageBytes =
      40 + 256 * 4 + (xorRow + andRow) * static_cast<std::uint32_t>(image.height);

  ByteWriter out;
  out.u16(0);
  out.u16(1);  // icon, not cursor
  out.u16(1);
  out.u8(image.width == 256 ? 0 : image.width);
  out.u8(image.height == 256 ? 0 : image.height);
  out.u8(0);  // 0 = 256 colours or more
  out.u8(0);
  out.u16(1);
  out.u16(8);
  out.u32(imageBytes);
  out.u32(6 + 16);

  out.u32(40);
  out.u32(static_cast<std::uint32_t>(image.width));
  out.u32(static_cast<std::uint32_t>(image.height) * 2);  // colour rows, then mask rows
  out.u16(1);
  out.u16(8);
  out.u32(0);
  out.u32((xorRow + andRow) * static_cast<std::uint32_t>(image.height));
  out.u32(0);
  out.u32(0);
  out.u32(256);
  out.u32(0);
  for (std::size_t i = 0; i < 256; ++i) {
    const QRgb c = i < image.palette.size() ? image.palette[i] : qRgb(0, 0, 0);
    out.u8(qBlue(c));
    out.u8(qGreen(c));
    out.u8(qRed(c));
    out.u8(0);
  }
  const auto clear = [&](int x, int y) {
    return image.transparentIndex >= 0 && image.at(x, y) == image.transparentIndex;
  };
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) out.u8(image.at(x, y));
    out.zeros(xorRow - image.width);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    std::uint32_t written = 0;
    for (int x = 0; x < image.width; x += 8) {
      std::uint32_t bits = 0;
      for (int b = 0; b < 8; ++b) {
        if (x + b < image.width && clear(x + b, y)) bits |= 0x80u >> b;
      }
      out.u8(bits);
      ++written;
    }
    out.zeros(andRow - written);
  }
  return out.take();
}

}  // namespace quillory::art
