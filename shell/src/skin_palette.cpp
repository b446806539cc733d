#include "quillory/shell/skin_palette.h"

#include <QToolTip>
#include <QWidget>

namespace quillory {

QPalette SkinPalette() {
  // The light colours the windows were drawn against; the disabled group greys text and fields.
  struct Role {
    QPalette::ColorRole role;
    QColor normal;
    QColor disabled;
  };
  static const Role kRoles[] = {
      {QPalette::Window, {239, 239, 239}, {239, 239, 239}},
      {QPalette::WindowText, skin_colour::kInk, {190, 190, 190}},
      {QPalette::Base, skin_colour::kPage, {239, 239, 239}},
      {QPalette::AlternateBase, {247, 247, 247}, {247, 247, 247}},
      {QPalette::Text, skin_colour::kInk, {190, 190, 190}},
      {QPalette::PlaceholderText, {0, 0, 0, 128}, {0, 0, 0, 128}},
      {QPalette::Button, {239, 239, 239}, {239, 239, 239}},
      {QPalette::ButtonText, skin_colour::kInk, {190, 190, 190}},
      {QPalette::BrightText, {255, 255, 255}, {255, 255, 255}},
      {QPalette::Light, {255, 255, 255}, {255, 255, 255}},
      {QPalette::Midlight, {202, 202, 202}, {202, 202, 202}},
      {QPalette::Mid, {184, 184, 184}, {184, 184, 184}},
      {QPalette::Dark, {159, 159, 159}, {190, 190, 190}},
      {QPalette::Shadow, {118, 118, 118}, {177, 177, 177}},
      {QPalette::Highlight, skin_colour::kHighlight, {145, 145, 145}},
      {QPalette::HighlightedText, {255, 255, 255}, {255, 255, 255}},
      {QPalette::Link, {0, 0, 255}, {0, 0, 255}},
      {QPalette::LinkVisited, {255, 0, 255}, {255, 0, 255}},
      {QPalette::ToolTipBase, {255, 255, 220}, {255, 255, 220}},
      {QPalette::ToolTipText, skin_colour::kInk, skin_colour::kInk},
  };
  QPalette palette;
  for (const Role& r : kRoles) {
    palette.setColor(QPalette::Active, r.role, r.normal);
    palette.setColor(QPalette::Inactive, r.role, r.normal);
    palette.setColor(QPalette::Disabled, r.role, r.disabled);
  }
  return palette;
}

void ApplySkinPalette(QWidget* window) {
  static const QPalette kPalette = SkinPalette();
  window->setPalette(kPalette);
  // Tooltips are windows of their own that take the application's palette unless told.
  QToolTip::setPalette(kPalette);
}

QString CssColour(const QColor& colour) {
  return QStringLiteral("rgb(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

}  // namespace quillory
