#include "quillory/platform/windows1252.h"

#include <array>

namespace quillory {
namespace {

// Bytes 0x80 to 0x9F of Windows-1252; 0 where the code page has no character.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int ByteOf(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c && c != 0) return static_cast<int>(0x80 + i);
  }
  return -1;
}

}  // namespace

QString FromWindows1252(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    const char16_t c = (b >= 0x80 && b <= 0x9F) ? kHighControls[b - 0x80] : b;
    text.append(QChar(c == 0 ? u'\uFFFD' : c));
  }
  return text;
}

std::string ToWindows1252(const QString& text, bool* ok) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  bool all = true;
  for (QChar c : text) {
    const int b = ByteOf(c.unicode());
    all = all && b >= 0;
    bytes += static_cast<char>(b >= 0 ? b : '?');
  }
  if (ok != nullptr) *ok = all;
  return bytes;
}

bool FitsWindows1252(QChar c) {
  return c.unicode() >= 0x20 && c.unicode() != 0x7F && ByteOf(c.unicode()) >= 0;
}

}  // namespace quillory
