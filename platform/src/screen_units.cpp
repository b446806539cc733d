#include "quillory/platform/screen_units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quillory {

ScreenUnits ScreenUnits::ForScreen(const QScreen* screen) {
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {96.0, 96.0};
  // Logical dots per inch: the scale the desktop asks for, so a window at 200 % is twice as big
  // in device pixels and the same size to the eye.
  return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

ScreenUnits ScreenUnits::ForWidget(const QWidget* widget) {
  return ForScreen(widget != nullptr ? widget->screen() : nullptr);
}

}  // namespace quillory
