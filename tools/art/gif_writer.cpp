#include "gif_writer.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "byte_writer.h"

namespace quillory::art {
namespace {

constexpr int kMaxCodes = 4096;

// Packs variable-width codes least significant bit first, as GIF wants.
class CodePacker {
 public:
  void put(int code, int width) {
    buffer_ |= static_cast<std::uint32_t>(code) << bits_;
    bits_ += width;
    while (bits_ >= 8) {
      bytes_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFFu));
      buffer_ >>= 8;
      bits_ -= 8;
    }
  }
  std::vector<std::uint8_t> finish() {
    if (bits_ > 0) bytes_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFFu));
    buffer_ = 0;
    bits_ = 0;
    return std::move(bytes_);
  }

 private:
  std::uint32_t buffer_ = 0;
  int bits_ = 0;
  std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> lzw(const std::vector<std::uint8_t>& pixels, int minCodeSize) {
  const int clearCode = 1 << minCodeSize;
  const int endCode = clearCode + 1;
  // children[code * 256 + pixel] is the code of that string plus the pixel, or 0 if none yet.
  std::vector<std::uint16_t> children(static_cast<std::size_t>(kMaxCodes) * 256, 0);
  int codeSize = minCodeSize + 1;
  int nextCode = endCode + 1;

  CodePacker packer;
  packer.put(clearCode, codeSize);
  if (pixels.empty()) {
    packer.put(endCode, codeSize);
    return packer.finish();
  }
  int current = pixels[0];
  for (std::size_t i = 1; i < pixels.size(); ++i) {
    const int pixel = pixels[i];
    std::uint16_t& child = children[static_cast<std::size_t>(current) * 256 + pixel];
    if (child != 0) {
      current = child;
      continue;
    }
    packer.put(current, codeSize);
    if (nextCode < kMaxCodes) {
      child = static_cast<std::uint16_t>(nextCode);
      // The decoder learns each code one step later, so it widens when this code is in use.
      if (nextCode == (1 << codeSize) && codeSize < 12) ++codeSize;
      ++nextCode;
    } else {
      packer.put(clearCode, codeSize);
      std::fill(children.begin(), children.end(), 0);
      codeSize = minCodeSize + 1;
      nextCode = endCode + 1;
    }
    current = pixel;
  }
  packer.put(current, codeSize);
  packer.put(endCode, codeSize);
  return packer.finish();
}

}  // namespace

std::vector<std::uint8_t> encodeGif(const IndexedImage& image) {
  if (image.palette.empty() || image.palette.size() > 256) {
    throw std::invalid_argument("a GIF palette holds 1 to 256 colours");
  }
  int tableBits = 1;
  while ((1u << tableBits) < image.palette.size()) ++tableBits;

  ByteWriter out;
  for (char c : std::string_view("GIF89a")) out.u8(static_cast<std::uint8_t>(c));
  out.u16(static_cast<std::uint32_t>(image.width));
  out.u16(static_cast<std::uint32_t>(image.height));
  out.u8(0x80u | (7u << 4) | static_cast<std::uint32_t>(tableBits - 1));
  out.u8(image.transparentIndex >= 0 ? static_cast<std::uint32_t>(image.transparentIndex) : 0);
  out.u8(0);
  for (std::size_t i = 0; i < (1u << tableBits); ++i) {
    const QRgb c = i < image.palette.size() ? image.palette[i] : qRgb(0, 0, 0);
    out.u8(qRed(c));
    out.u8(qGreen(c));
    out.u8(qBlue(c));
  }
  if (image.transparentIndex >= 0) {
    out.u8(0x21);
    out.u8(0xF9);
    out.u8(4);
    out.u8(0x01);  // no disposal, transparent colour given
    out.u16(0);
    out.u8(static_cast<std::uint32_t>(image.transparentIndex));
    out.u8(0);
  }
  out.u8(0x2C);
  out.u16(0);
  out.u16(0);
  out.u16(static_cast<std::uint32_t>(image.width));
  out.u16(static_cast<std::uint32_t>(image.height));
  out.u8(0);

  const int minCodeSize = std::max(2, tableBits);
  out.u8(static_cast<std::uint32_t>(minCodeSize));
  const std::vector<std::uint8_t> data = lzw(image.pixels, minCodeSize);
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, data.size() - at);
    out.u8(static_cast<std::uint32_t>(n));
    out.append({data.begin() + static_cast<std::ptrdiff_t>(at),
                data.begin() + static_cast<std::ptrdiff_t>(at + n)});
  }
  out.u8(0);
  out.u8(0x3B);
  return out.take();
}

}  // namespace quillory::art
