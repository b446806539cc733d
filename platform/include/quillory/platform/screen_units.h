#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace quillory {

// Converts the twips (1/1440 inch) and HIMETRIC units (1/100 mm) that window layouts are written
// in to the pixels of a screen, with that screen's own dots per inch, so a window keeps its
// physical size whatever the scaling.
class ScreenUnits {
 public:
  ScreenUnits(double dotsPerInchX, double dotsPerInchY)
      : dpiX_(dotsPerInchX), dpiY_(dotsPerInchY) {}
  static ScreenUnits ForScreen(const QScreen* screen);
  static ScreenUnits ForWidget(const QWidget* widget);

  double twipsPerPixelX() const { return 1440.0 / dpiX_; }
  double twipsPerPixelY() const { return 1440.0 / dpiY_; }

  int x(double twips) const { return Round(twips / twipsPerPixelX()); }
  int y(double twips) const { return Round(twips / twipsPerPixelY()); }
  QPoint point(double left, double top) const { return {x(left), y(top)}; }
  QSize size(double width, double height) const { return {x(width), y(height)}; }
  QRect rect(double left, double top, double width, double height) const {
    return {point(left, top), size(width, height)};
  }

  static double HimetricToTwips(double himetric) { return himetric * 1440.0 / 2540.0; }

 private:
  static int Round(double value) { return static_cast<int>(value < 0 ? value - 0.5 : value + 0.5); }
  double dpiX_;
  double dpiY_;
};

}  // namespace quillory
