#include "palette.h"

#include "straight_pixels.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace quillory::art {
namespace {

struct Entry {
  QRgb rgb;
  std::uint64_t count;
};

int channel(QRgb rgb, int c) { return c == 0 ? qRed(rgb) : c == 1 ? qGreen(rgb) : qBlue(rgb); }

int distance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b);
  const int dg = qGreen(a) - qGreen(b);
  const int db = qBlue(a) - qBlue(b);
  return dr * dr + dg * dg + db * db;
}

// Nearest slot at or after `first`; ties go to the lower slot so the result never depends on
// anything but the inputs.
int nearest(const std::vector<QRgb>& palette, QRgb rgb, int first) {
  int best = first;
  int bestDistance = distance(palette[first], rgb);
  for (int i = first + 1; i < static_cast<int>(palette.size()) && bestDistance > 0; ++i) {
    const int d = distance(palette[i], rgb);
    if (d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

QRgb meanOf(const std::vector<Entry>& entries, std::size_t begin, std::size_t end) {
  std::array<std::uint64_t, 3> sums{};
  std::uint64_t total = 0;
  for (std::size_t i = begin; i < end; ++i) {
    for (int c = 0; c < 3; ++c)
      sums[c] += static_cast<std::uint64_t>(channel(entries[i].rgb, c)) * entries[i].count;
    total += entries[i].count;
  }
  const auto avg = [&](int c) { return static_cast<int>((sums[c] + total / 2) / total); };
  return qRgb(avg(0), avg(1), avg(2));
}

struct Box {
  std::size_t begin;
  std::size_t end;
};

struct Spread {
  int channel = 0;
  int range = 0;
  std::uint64_t count = 0;
};

Spread spreadOf(const std::vector<Entry>& entries, const Box& box) {
  std::array<int, 3> lo{255, 255, 255};
  std::array<int, 3> hi{0, 0, 0};
  Spread s;
  for (std::size_t i = box.begin; i < box.end; ++i) {
    for (int c = 0; c < 3; ++c) {
      lo[c] = std::min(lo[c], channel(entries[i].rgb, c));
      hi[c] = std::max(hi[c], channel(entries[i].rgb, c));
    }
    s.count += entries[i].count;
  }
  for (int c = 0; c < 3; ++c) {
    if (hi[c] - lo[c] > s.range) {
      s.range = hi[c] - lo[c];
      s.channel = c;
    }
  }
  return s;
}

std::vector<QRgb> medianCut(std::vector<Entry> entries, int slotCount) {
  std::vector<Box> boxes{{0, entries.size()}};
  while (static_cast<int>(boxes.size()) < slotCount) {
    int pick = -1;
    std::uint64_t bestScore = 0;
    Spread pickSpread;
    for (int b = 0; b < static_cast<int>(boxes.size()); ++b) {
      if (boxes[b].end - boxes[b].begin < 2) continue;
      const Spread s = spreadOf(entries, boxes[b]);
      const std::uint64_t score = static_cast<std::uint64_t>(s.range) * s.range * s.count;
      if (s.range > 0 && score > bestScore) {
        bestScore = score;
        pick = b;
        pickSpread = s;
      }
    }
    if (pick < 0) break;
    const Box box = boxes[pick];
    const int c = pickSpread.channel;
    std::sort(entries.begin() + box.begin, entries.begin() + box.end,
              [c](const Entry& a, const Entry& b) {
                const int ca = channel(a.rgb, c);
                const int cb = channel(b.rgb, c);
                return ca != cb ? ca < cb : a.rgb < b.rgb;
              });
    std::uint64_t running = 0;
    std::size_t split = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
      running += entries[i].count;
      split = i + 1;
      if (running * 2 >= pickSpread.count) break;
    }
    boxes[pick] = {box.begin, split};
    boxes.insert(boxes.begin() + pick + 1, Box{split, box.end});
  }
  std::vector<QRgb> palette;
  for (const Box& box : boxes) palette.push_back(meanOf(entries, box.begin, box.end));

  for (int round = 0; round < 4; ++round) {
    std::vector<std::array<std::uint64_t, 4>> sums(palette.size());
    for (const Entry& e : entries) {
      auto& s = sums[nearest(palette, e.rgb, 0)];
      for (int ch = 0; ch < 3; ++ch)
        s[ch] += static_cast<std::uint64_t>(channel(e.rgb, ch)) * e.count;
      s[3] += e.count;
    }
    for (std::size_t i = 0; i < palette.size(); ++i) {
      if (sums[i][3] == 0) continue;
      const auto avg = [&](int ch) {
        return static_cast<int>((sums[i][ch] + sums[i][3] / 2) / sums[i][3]);
      };
      palette[i] = qRgb(avg(0), avg(1), avg(2));
    }
  }
  return palette;
}

}  // namespace

IndexedImage quantise(const QImage& source, const QuantiseOptions& options) {
  const QImage image = straightArgb(source);
  IndexedImage out;
  out.width = image.width();
  out.height = image.height();

  const auto isClear = [&](QRgb px) {
    return options.transparency && qAlpha(px) < options.alphaThreshold;
  };

  std::map<QRgb, std::uint64_t> histogram;
  bool anyClear = false;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (isClear(row[x])) {
        anyClear = true;
      } else {
        ++histogram[row[x] | 0xFF000000u];
      }
    }
  }

  const int first = anyClear ? 1 : 0;
  if (anyClear) {
    out.palette.push_back(options.transparentColour | 0xFF000000u);
    out.transparentIndex = 0;
  }
  const int slotCount = options.maxColours - first;
  if (slotCount < 1) throw std::invalid_argument("palette has no room for opaque colours");

  if (static_cast<int>(histogram.size()) <= slotCount) {
    for (const auto& [rgb, count] : histogram) out.palette.push_back(rgb);
  } else {
    std::vector<Entry> byUse;
    for (const auto& [rgb, count] : histogram) byUse.push_back({rgb, count});
    std::stable_sort(byUse.begin(), byUse.end(),
                     [](const Entry& a, const Entry& b) { return a.count > b.count; });
    const std::uint64_t pixels = static_cast<std::uint64_t>(image.width()) * image.height();
    const int maxPinned = slotCount / 4;
    std::vector<Entry> rest;
    for (const Entry& e : byUse) {
      const int pinned = static_cast<int>(out.palette.size()) - first;
      if (pinned < maxPinned && e.count * 200 >= pixels) {
        out.palette.push_back(e.rgb);
      } else {
        rest.push_back(e);
      }
    }
    const int pinnedCount = static_cast<int>(out.palette.size()) - first;
    for (QRgb rgb : medianCut(std::move(rest), slotCount - pinnedCount)) out.palette.push_back(rgb);
  }

  std::unordered_map<QRgb, std::uint8_t> lookup;
  out.pixels.reserve(static_cast<std::size_t>(out.width) * out.height);
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (isClear(row[x])) {
        out.pixels.push_back(0);
        continue;
      }
      const QRgb rgb = row[x] | 0xFF000000u;
      auto it = lookup.find(rgb);
      if (it == lookup.end()) {
        it = lookup.emplace(rgb, static_cast<std::uint8_t>(nearest(out.palette, rgb, first))).first;
      }
      out.pixels.push_back(it->second);
    }
  }
  return out;
}

}  // namespace quillory::art
