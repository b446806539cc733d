#pragma once

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <utility>

namespace quillory {

// A dark desktop theme, as a dark colour scheme hands it to every program: the Fusion style
// with light text on dark grounds. The windows must look under it as under a light one.
inline QPalette DarkDesktopPalette() {
  QPalette dark;
  for (auto [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)},
                              {QPalette::WindowText, QColor(255, 255, 255)},
                              {QPalette::Base, QColor(42, 42, 42)},
                              {QPalette::AlternateBase, QColor(66, 66, 66)},
                              {QPalette::Text, QColor(255, 255, 255)},
                              {QPalette::Button, QColor(53, 53, 53)},
                              {QPalette::ButtonText, QColor(255, 255, 255)},
                              {QPalette::ToolTipBase, QColor(42, 42, 42)},
                              {QPalette::ToolTipText, QColor(255, 255, 255)},
                              {QPalette::Highlight, QColor(42, 130, 218)},
                              {QPalette::HighlightedText, QColor(0, 0, 0)},
                              {QPalette::PlaceholderText, QColor(160, 160, 160)},
                              {QPalette::Light, QColor(80, 80, 80)},
                              {QPalette::Dark, QColor(30, 30, 30)}}) {
    dark.setColor(role, colour);
  }
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    dark.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
  }
  return dark;
}

inline void UseDarkDesktopTheme() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setPalette(DarkDesktopPalette());
}

}  // namespace quillory
