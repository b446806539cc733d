#pragma once

#include <QLabel>

#include "quillory/shell/picture.h"

namespace quillory {

// A toolbar button of a window's band: a 44 × 45 picture at `left` twips with its caption label
// ("lblTB0n") along its foot. A press on the caption is the button's. The button takes the
// keyboard; its tooltip says what it does and, after it, the `keys` that do the same.
struct ToolbarButton {
  Picture* button;
  QLabel* caption;
};
ToolbarButton MakeToolbarButton(QWidget* band, int number, double left, const QString& caption = {},
                                const QString& tooltip = {}, const QString& keys = {});

// "Next question (Page Down)": what a control does, and the keys that do it too.
QString TooltipWithKeys(const QString& tooltip, const QString& keys);

}  // namespace quillory
