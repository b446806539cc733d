#include "quillory/shell/skinned_window.h"

#include <QEvent>
#include <QIcon>

#include "quillory/platform/window_system.h"
#include "quillory/shell/fonts.h"
#include "quillory/shell/skin_palette.h"

namespace quillory {

SkinnedWindow::SkinnedWindow(const Skin& skin, const FrameSkin& frame, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), skin_(skin), frame_(frame) {
  // Before any child exists, so that what each one copies of the palette is already the skin's.
  ApplySkinPalette(this);
  BTopLeft = new Picture(this, QStringLiteral("BTopLeft"));
  BTopCentre = new Picture(this, QStringLiteral("BTopCentre"));
  BTopRight = new Picture(this, QStringLiteral("BTopRight"));
  BLeft = new Picture(this, QStringLiteral("BLeft"));
  BRight = new Picture(this, QStringLiteral("BRight"));
  BBotLeft = new Picture(this, QStringLiteral("BBotLeft"));
  BBotRight = new Picture(this, QStringLiteral("BBotRight"));
  BBot = new Picture(this, QStringLiteral("BBot"));
  if (!frame_.icon.isEmpty()) ImgIco = new Picture(this, QStringLiteral("ImgIco"));
  if (frame_.titleButtons) {
    imgProgMin = new Picture(this, QStringLiteral("imgProgMin"));
    imgProgClose = new Picture(this, QStringLiteral("imgProgClose"));
    imgProgMin->setCursor(Qt::PointingHandCursor);
    imgProgClose->setCursor(Qt::PointingHandCursor);
    imgProgMin->makeButton(QStringLiteral("Minimise"));
    imgProgClose->makeButton(QStringLiteral("Close"));
    connect(imgProgMin, &Picture::clicked, this, &QWidget::showMinimized);
    connect(imgProgClose, &Picture::clicked, this, &SkinnedWindow::CloseButtonClicked);
  }
  Title = new QLabel(this);
  Title->setObjectName(frame_.titleName);
  Title->setFont(WindowFont(9.75, true, QStringLiteral("Trebuchet MS")));
  // Any button on the title bar moves the window.
  for (Picture* piece : {BTopLeft, BTopCentre, BTopRight}) MakeTitleBar(piece);
  // A press on the title text lands on the title bar beneath it.
  Title->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize SkinnedWindow::PictureSize(const QPixmap& pixmap) const {
  const ScreenUnits u = units();
  return u.size(pixmap.width() * 15.0, pixmap.height() * 15.0);
}

void SkinnedWindow::LoadSkin() {
  auto load = [&](Picture* piece, const QString& name) {
    const QPixmap& pixmap = skin_.picture(name);
    piece->setFace(pixmap);
    piece->resize(PictureSize(pixmap));
  };
  load(BLeft, QStringLiteral("border_left.bmp"));
  load(BRight, QStringLiteral("border_right.bmp"));
  load(BBot, QStringLiteral("border_bot.bmp"));
  load(BBotLeft, frame_.bottomLeft);
  load(BBotRight, frame_.bottomRight);
  if (ImgIco != nullptr) {
    load(ImgIco, frame_.icon);
    // The desktop's task bar and switcher show the picture the title bar shows.
    setWindowIcon(QIcon(ImgIco->pixmap()));
  }
  ShowActiveChrome();
}

void SkinnedWindow::SetTitleBarFaces(bool active) {
  const QString prefix =
      active ? QStringLiteral("border_top_") : QStringLiteral("border_white_top_");
  for (auto [piece, name] : {std::pair{BTopLeft, "left"}, std::pair{BTopCentre, "center"},
                             std::pair{BTopRight, "right"}}) {
    const QPixmap& pixmap = skin_.picture(prefix + name + QStringLiteral(".bmp"));
    piece->setFace(pixmap);
    piece->resize(piece == BTopCentre ? QSize(piece->width(), PictureSize(pixmap).height())
                                      : PictureSize(pixmap));
  }
  if (frame_.titleButtons) {
    for (auto [button, name] : {std::pair{imgProgMin, "min"}, std::pair{imgProgClose, "close"}}) {
      const QString kind = QLatin1String(name);
      // An inactive window's buttons keep their white faces under the cursor.
      if (active) {
        button->setFaces(skin_.picture(QStringLiteral("prog_blueoff_%1.bmp").arg(kind)),
                         skin_.picture(QStringLiteral("prog_blue_%1.bmp").arg(kind)));
      } else {
        button->setFaces(skin_.picture(QStringLiteral("prog_white_%1.bmp").arg(kind)));
      }
      button->resize(PictureSize(button->pixmap()));
    }
  }
  SetMaximiseFaces();
}

void SkinnedWindow::SetMaximiseButton(Picture* button) {
  maximise_ = button;
  SetMaximiseFaces();
  maximise_->resize(PictureSize(maximise_->pixmap()));
}

void SkinnedWindow::SetMaximiseFaces() {
  // A minimised window keeps the faces it had.
  if (maximise_ == nullptr || isMinimized()) return;
  if (!focusFlag_) {
    maximise_->setFaces(skin_.picture(QStringLiteral("prog_white_max.bmp")));
    return;
  }
  const QString kind = isMaximized() ? QStringLiteral("norm") : QStringLiteral("max");
  maximise_->setFaces(skin_.picture(QStringLiteral("prog_blueoff_%1.bmp").arg(kind)),
                      skin_.picture(QStringLiteral("prog_blue_%1.bmp").arg(kind)));
}

void SkinnedWindow::LayoutFrame() {
  const int w = width();
  const int h = height();
  BTopLeft->move(0, 0);
  BTopRight->move(w - BTopRight->width(), 0);
  BTopCentre->setGeometry(BTopLeft->x() + BTopLeft->width(), 0,
                          BTopRight->x() - (BTopLeft->x() + BTopLeft->width()),
                          BTopCentre->height());
  BBotLeft->move(0, h - BBotLeft->height());
  const int sideTop = BTopLeft->y() + BTopLeft->height();
  BLeft->setGeometry(0, sideTop, BLeft->width(), BBotLeft->y() - sideTop);
  BBotRight->move(w - BBotRight->width(), h - BBotRight->height());
  const int rightTop = BTopRight->y() + BTopRight->height();
  BRight->setGeometry(w - BRight->width(), rightTop, BRight->width(), BBotRight->y() - rightTop);
  const int bottomLeft = BBotLeft->x() + BBotLeft->width();
  BBot->setGeometry(bottomLeft, h - BBot->height(), BBotRight->x() - bottomLeft, BBot->height());
  for (QWidget* piece : {static_cast<QWidget*>(BTopLeft), static_cast<QWidget*>(BTopCentre),
                         static_cast<QWidget*>(BTopRight)}) {
    piece->lower();
  }
}

QPolygon SkinnedWindow::Outline() const {
  const int w = width();
  const int h = height();
  return QPolygon({{0, 5},
                   {1, 3},
                   {2, 2},
                   {3, 1},
                   {5, 0},
                   {w - 5, 0},
                   {w - 3, 1},
                   {w - 2, 2},
                   {w - 2, 3},
                   {w, 5},
                   {w, h},
                   {0, h}});
}

void SkinnedWindow::pRoundCorners() { SetWindowRgn(this, Outline()); }

void SkinnedWindow::ShowActiveChrome() {
  focusFlag_ = true;
  Title->setStyleSheet(QStringLiteral("color: %1;").arg(CssColour(skin_colour::kActiveCaption)));
  SetTitleBarFaces(true);
}

void SkinnedWindow::ShowInactiveChrome() {
  focusFlag_ = false;
  Title->setStyleSheet(QStringLiteral("color: %1;").arg(CssColour(skin_colour::kInactiveCaption)));
  SetTitleBarFaces(false);
}

void SkinnedWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && frame_.followsActivation) {
    if (isActiveWindow()) {
      ShowActiveChrome();
    } else {
      ShowInactiveChrome();
    }
  }
  if (event->type() == QEvent::WindowStateChange) SetMaximiseFaces();
  QWidget::changeEvent(event);
}

}  // namespace quillory
