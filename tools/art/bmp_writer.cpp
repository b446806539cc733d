#include "bmp_writer.h"

#include "byte_writer.h"
#include "straight_pixels.h"

namespace quillory::art {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch

std::uint32_t paddedRow(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

void writeHeaders(ByteWriter& out, int width, int height, int bitsPerPixel,
                  std::uint32_t paletteEntries) {
  const std::uint32_t imageSize = paddedRow(width, bitsPerPixel) * height;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + paletteEntries * 4;
  out.u8('B');
  out.u8('M');
  out.u32(offset + imageSize);
  out.u32(0);
  out.u32(offset);
  out.u32(kInfoHeaderSize);
  out.u32(static_cast<std::uint32_t>(width));
  out.u32(static_cast<std::uint32_t>(height));
  out.u16(1);
  out.u16(static_cast<std::uint32_t>(bitsPerPixel));
  out.u32(0);  // BI_RGB
  out.u32(imageSize);
  out.u32(kPixelsPerMetre);
  out.u32(kPixelsPerMetre);
  out.u32(paletteEntries);
  out.u32(0);
}

}  // namespace

std::vector<std::uint8_t> encodeBmp24(const QImage& source) {
  const QImage image = straightArgb(source);
  ByteWriter out;
  writeHeaders(out, image.width(), image.height(), 24, 0);
  const std::uint32_t padding = paddedRow(image.width(), 24) - 3u * image.width();
  for (int y = image.height() - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      out.u8(qBlue(row[x]));
      out.u8(qGreen(row[x]));
      out.u8(qRed(row[x]));
    }
    out.zeros(padding);
  }
  return out.take();
}

std::vector<std::uint8_t> encodeBmp8(const IndexedImage& image) {
  ByteWriter out;
  writeHeaders(out, image.width, image.height, 8, 256);
  for (std::size_t i = 0; i < 256; ++i) {
    const QRgb c = i < image.palette.size() ? image.palette[i] : qRgb(0, 0, 0);
    out.u8(qBlue(c));
    out.u8(qGreen(c));
    out.u8(qRed(c));
    out.u8(0);
  }
  const std::uint32_t padding = paddedRow(image.width, 8) - image.width;
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) out.u8(image.at(x, y));
    out.zeros(padding);
  }
  return out.take();
}

}  // namespace quillory::art
