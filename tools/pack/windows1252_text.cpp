#include "windows1252_text.h"

#include <array>
#include <cstdint>
#include <optional>

namespace quillory::pack {
namespace {

// The code page's 0x80 to 0x9F; 0 marks the five bytes it leaves undefined.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<unsigned char> ByteFor(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == code) {
      return static_cast<unsigned char>(0x80 + i);
    }
  }
  return std::nullopt;
}

// One code point from the front of `text`, or nullopt for a malformed sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const int length = lead < 0x80           ? 1
                     : (lead >> 5) == 0x6  ? 2
                     : (lead >> 4) == 0xE  ? 3
                     : (lead >> 3) == 0x1E ? 4
                                           : 0;
  if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) return std::nullopt;
  char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(k)]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3Fu);
  }
  at += static_cast<std::size_t>(length);
  return code;
}

}  // namespace

Result<std::string> Utf8ToWindows1252(std::string_view utf8) {
  std::string bytes;
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t start = at;
    const auto code = NextCodePoint(utf8, at);
    if (!code) return Error{0, "the text is not UTF-8 at byte " + std::to_string(start + 1)};
    const auto byte = ByteFor(*code);
    if (!byte) {
      return Error{0, "\"" + std::string(utf8.substr(start, at - start)) +
                          "\" is not a character the files can hold"};
    }
    bytes += static_cast<char>(*byte);
  }
  return bytes;
}

}  // namespace quillory::pack
