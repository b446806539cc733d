#pragma once

#include <QLabel>

#include "quillory/shell/picture.h"

namespace quillory {

// A toolbar button of a window's band: a 44 × 45 picture at `left` twips with its caption label
// ("lblTB0n") along its foot. A press on the caption is the button's.
struct ToolbarButton {
  Picture* button;
  QLabel* caption;
};
ToolbarButton MakeToolbarButton(QWidget* band, int number, double left, const QString& caption = {},
                                const QString& tooltip = {});

}  // namespace quillory
