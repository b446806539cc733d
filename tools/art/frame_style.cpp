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
    // Deep enough that the white caption on it reads at 4.5:1 or better from top to bottom.
    if (y == 1) return QColor(120, 172, 230);
    if (y >= kTitleHeight - 1) return QColor(20, 62, 122);
    return gradientAt(
        y, 2, kTitleHeight - 3,
        {{0, QColor(40, 100, 180)}, {0.55, QColor(32, 88, 164)}, {1, QColor(26, 76, 148)}});
  }
  if (y == 1) return QColor(255, 255, 255);
  if (y >= kTitleHeight - 1) return QColor(178, 190, 206);
  return gradientAt(y, 2, kTitleHeight - 3,
                    {{0, QColor(253, 254, 255)}, {1, QColor(226, 232, 240)}});
}

}  // namespace quillory::art
