#include "quillory/shell/toolbar_button.h"

#include "quillory/platform/screen_units.h"
#include "quillory/shell/fonts.h"

namespace quillory {

QString TooltipWithKeys(const QString& tooltip, const QString& keys) {
  return keys.isEmpty() ? tooltip : QStringLiteral("%1 (%2)").arg(tooltip, keys);
}

ToolbarButton MakeToolbarButton(QWidget* band, int number, double left, const QString& caption,
                                const QString& tooltip, const QString& keys) {
  const ScreenUnits u = ScreenUnits::ForWidget(band);
  auto* button = new Picture(band, QStringLiteral("ToolBar0%1").arg(number));
  button->setGeometry(u.rect(left, 65, 660, 675));
  button->setCursor(Qt::PointingHandCursor);
  button->setToolTip(TooltipWithKeys(tooltip, keys));
  button->makeButton(tooltip);
  auto* label = new QLabel(caption, button);
  label->setObjectName(QStringLiteral("lblTB0%1").arg(number));
  label->setGeometry(u.rect(0, 420, 660, 255));
  label->setAlignment(Qt::AlignCenter);
  label->setFont(WindowFont(8.25));
  label->setToolTip(button->toolTip());
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return {button, label};
}

}  // namespace quillory
