#include "frame_style.h"

#include <algorithm>

#include "paint_kit.h"

namespace quillory::art {

QColor frameColour(int depth) {
  switch (std::clamp(depth, 0, 3)) {
    case 0:
      return palette::kFrameOutline;
    case 1:
      return palette::kFrameLight;
    case 2:
      return palette::kFrameMid;
    default:
      return palette::kFrameInner;
  }
}

QColor titleRow(bool active, int y) {
  if (y <= 0) return palette::kFrameOutline;
  if (active) {
    if (y == 1) return QColor(140, 192, 242);
    if (y >= kTitleHeight - 1) return QColor(40, 88, 150);
    return gradientAt(
        y, 2, kTitleHeight - 3,
        {{0, QColor(92, 160, 232)}, {0.55, QColor(62, 130, 210)}, {1, QColor(46, 108, 186)}});
  }
  if (y == 1) return QColor(255, 255, 255);
  if (y >= kTitleHeight - 1) return QColor(178, 190, 206);
  return gradientAt(y, 2, kTitleHeight - 3,
                    {{0, QColor(253, 254, 255)}, {1, QColor(226, 232, 240)}});
}

}  // namespace quillory::art
