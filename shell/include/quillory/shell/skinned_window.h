#pragma once

#include <QLabel>
#include <QWidget>

#include "quillory/platform/screen_units.h"
#include "quillory/shell/picture.h"
#include "quillory/shell/skin.h"

namespace quillory {

// The pictures a window's frame is made of, besides the title bar ends that follow activation.
struct FrameSkin {
  QString icon;  // empty: the window has no icon
  QString bottomLeft = QStringLiteral("border_left_corners.bmp");
  QString bottomRight = QStringLiteral("border_right_corners.bmp");
  bool followsActivation = true;  // the main windows repaint their title bar when (in)active
  bool titleButtons = true;       // minimise and close on the title bar
  QString titleName = QStringLiteral("Title");  // objectName of the title label
};

// A borderless window that draws its own frame and title bar from the window pictures, clips
// itself to an outline with cut top corners and moves when its title bar is dragged. The home,
// practice and message windows are all built on it.
class SkinnedWindow : public QWidget {
  Q_OBJECT

 public:
  SkinnedWindow(const Skin& skin, const FrameSkin& frame, QWidget* parent = nullptr);

  // Loads the frame pictures (and the icon) into the frame controls.
  void LoadSkin();
  // Places the frame pieces around the window's current inner size.
  void LayoutFrame();
  // Clips the window to its outline: by default the top corners cut, the bottom corners square.
  void pRoundCorners();
  // The window's outline in its own pixels, for pRoundCorners.
  virtual QPolygon Outline() const;

  virtual void ShowActiveChrome();
  virtual void ShowInactiveChrome();
  bool focusFlag() const { return focusFlag_; }
  // Gives the window a maximise button on its title bar, whose faces follow activation and
  // whether the window is maximised.
  void SetMaximiseButton(Picture* button);

  ScreenUnits units() const { return ScreenUnits::ForWidget(this); }
  // The size, in this screen's pixels, of a picture drawn for 96 dots per inch.
  QSize PictureSize(const QPixmap& pixmap) const;

 protected:
  const Skin& skin() const { return skin_; }
  void changeEvent(QEvent* event) override;
  // What the close button on the title bar does.
  virtual void CloseButtonClicked() { close(); }

  Picture* BTopLeft;
  Picture* BTopCentre;
  Picture* BTopRight;
  Picture* BLeft;
  Picture* BRight;
  Picture* BBotLeft;
  Picture* BBotRight;
  Picture* BBot;
  Picture* ImgIco = nullptr;
  Picture* imgProgMin = nullptr;
  Picture* imgProgClose = nullptr;
  QLabel* Title;

 private:
  void SetTitleBarFaces(bool active);
  void SetMaximiseFaces();

  const Skin& skin_;
  FrameSkin frame_;
  bool focusFlag_ = true;
  Picture* maximise_ = nullptr;
};

}  // namespace quillory
