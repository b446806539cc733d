#include "quillory/shell/fonts.h"

#include <QStringList>

namespace quillory {

QFont WindowFont(double points, bool bold, const QString& preferred) {
  QFont font;
  font.setFamilies({preferred, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace quillory
