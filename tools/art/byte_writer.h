#pragma once

#include <cstdint>
#include <vector>

namespace quillory::art {

// Appends the little-endian fields of the Windows picture formats and GIF.
class ByteWriter {
 public:
  void u8(std::uint32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value & 0xFFu)); }
  void u16(std::uint32_t value) {
    u8(value);
    u8(value >> 8);
  }
  void u32(std::uint32_t value) {
    u16(value & 0xFFFFu);
    u16(value >> 16);
  }
  void zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  void append(const std::vector<std::uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
  }
  std::size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace quillory::art
