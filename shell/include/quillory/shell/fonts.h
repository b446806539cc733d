#pragma once

#include <QFont>

namespace quillory {

// The windows' lettering: the family a window was laid out for where it is installed, otherwise
// Liberation Sans, which has Arial's widths so every caption fits its place, then DejaVu Sans.
QFont WindowFont(double points, bool bold = false,
                 const QString& preferred = QStringLiteral("Arial"));

}  // namespace quillory
