#include "quillory/shell/pop_up.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "quillory/shell/fonts.h"
#include "quillory/shell/skin_palette.h"

namespace quillory {
namespace {

// Sizes in pixels of a 96-dpi screen.
constexpr int kClientWidth = 265, kClientHeight = 150;
constexpr int kMargin = 16;   // from the frame to the title, icon and buttons
constexpr int kIconGap = 10;  // between the icon and the message
constexpr int kMessageWidth = 192;
constexpr int kShortDrop = 7;  // lowers a one-line message to the middle of the icon
constexpr int kButtonGap = 10;
constexpr int kShortMessage = 32;  // characters that still fit on one line

QFont BoxFont(const QString& family, double points, bool bold = false) {
  return WindowFont(points, bold, family);
}

// Wrapping breaks a line only between words, and a path is one long word that would run out of
// the box. Such a word may break after its separators, and a piece still too wide anywhere.
QString WithBreaks(const QString& text, const QFontMetrics& metrics, int width) {
  const QChar kBreak(0x200B);  // zero-width space: a place to break, never seen
  auto tooWide = [&](const QString& piece) { return metrics.horizontalAdvance(piece) > width; };
  auto breakAnywhere = [&](const QString& piece) {
    if (!tooWide(piece)) return piece;
    QString out;
    for (QChar c : piece) {
      out += c;
      if (!c.isHighSurrogate()) out += kBreak;  // never between the halves of one character
    }
    return out;
  };
  QString out;
  QString word;
  auto flush = [&] {
    if (!tooWide(word)) {
      out += word;
    } else {
      QString piece;
      for (QChar c : word) {
        piece += c;
        if (QStringLiteral("/\\-_.").contains(c)) {
          out += breakAnywhere(piece) + kBreak;
          piece.clear();
        }
      }
      out += breakAnywhere(piece);
    }
    word.clear();
  };
  for (QChar c : text) {
    if (c.isSpace()) {
      flush();
      out += c;
    } else {
      word += c;
    }
  }
  flush();
  return out;
}

QLabel* Caption(Picture* button, const QString& name) {
  auto* label = new QLabel(button);
  label->setObjectName(name);
  label->setFont(BoxFont(QStringLiteral("Arial"), 8.25));
  label->setAlignment(Qt::AlignCenter);
  // The caption lies on its button: a click on the text is a click on the button.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace

frmPopUp::frmPopUp(const Skin& skin, QWidget* parent)
    : SkinnedWindow(skin,
                    FrameSkin{.icon = QString(),
                              .bottomLeft = QStringLiteral("Border_bot_left.gif"),
                              .bottomRight = QStringLiteral("Border_bot_right.gif"),
                              .followsActivation = false,
                              .titleButtons = false,
                              .titleName = QStringLiteral("lblTitle")},
                    parent) {
  setObjectName(QStringLiteral("frmPopUp"));
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, skin_colour::kPage);
  white.setColor(QPalette::WindowText, skin_colour::kInk);
  setPalette(white);

  ImgInfo = new Picture(this, QStringLiteral("ImgInfo"));
  lblMessage = new QLabel(this);
  lblMessage->setObjectName(QStringLiteral("lblMessage"));
  lblMessage->setFont(BoxFont(QStringLiteral("Arial"), 8.25));
  lblMessage->setWordWrap(true);
  lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  But1 = new Picture(this, QStringLiteral("But1"));
  But2 = new Picture(this, QStringLiteral("But2"));
  But1_lbl = Caption(But1, QStringLiteral("But1_lbl"));
  But2_lbl = Caption(But2, QStringLiteral("But2_lbl"));
  for (Picture* button : {But1, But2}) {
    button->setCursor(Qt::PointingHandCursor);
    button->makeButton(QString());
  }
  connect(But1, &Picture::clicked, this, [this] { Answer(true); });
  connect(But2, &Picture::clicked, this, [this] { Answer(false); });
  Title->setFont(BoxFont(QStringLiteral("Trebuchet MS"), 9.75, true));
  Form_Load();
}

void frmPopUp::Form_Load() {
  LoadSkin();
  const QPixmap& icon = skin().picture(QStringLiteral("info_mark.gif"));
  ImgInfo->setFace(icon);
  ImgInfo->resize(PictureSize(icon));
  const QPixmap& off = skin().picture(QStringLiteral("button_off.bmp"));
  for (Picture* button : {But1, But2}) {
    button->setFaces(off, skin().picture(QStringLiteral("button_on.bmp")));
    button->resize(PictureSize(off));
  }
  for (QLabel* caption : {But1_lbl, But2_lbl}) caption->setGeometry(But1->rect());

  setFixedSize(px(kClientWidth), py(kClientHeight));
  LayoutFrame();

  const int barHeight = BTopLeft->height();
  const int titleHeight = Title->fontMetrics().height();
  Title->setGeometry(px(kMargin), (barHeight - titleHeight) / 2, width() - 2 * px(kMargin),
                     titleHeight);
  ImgInfo->move(px(kMargin), BTopLeft->y() + barHeight + py(kMargin));
  lblMessage->setGeometry(ImgInfo->x() + ImgInfo->width() + px(kIconGap), ImgInfo->y(),
                          px(kMessageWidth), 2 * lblMessage->fontMetrics().lineSpacing());
  const int buttonTop = height() - But1->height() - py(kMargin);
  But1->move(But1->x(), buttonTop);
  But2->move(But2->x(), buttonTop);

  pRoundCorners();
}

void frmPopUp::CallPop(const QString& title, const QString& Msg, int NumofButtons,
                       QWidget* Master) {
  Title->setText(title);
  setWindowTitle(title);
  lblMessage->setText(WithBreaks(Msg, lblMessage->fontMetrics(), lblMessage->width()));

  twoButtons_ = NumofButtons >= 2;
  But2->setVisible(twoButtons_);
  if (twoButtons_) {
    But1->move(lblMessage->x(), But1->y());
    But2->move(But1->x() + But1->width() + px(kButtonGap), But1->y());
    But1_lbl->setText(QStringLiteral("Yes"));
    But2_lbl->setText(QStringLiteral("No"));
  } else {
    But1->move((width() - But1->width()) / 2, But1->y());
    But1_lbl->setText(QStringLiteral("OK"));
  }
  But1->setAccessibleName(But1_lbl->text());
  But2->setAccessibleName(But2_lbl->text());
  // The first button (OK, Yes) has the keyboard when the box opens.
  But1->setFocus(Qt::OtherFocusReason);

  const int top = ImgInfo->y() + (Msg.size() <= kShortMessage ? py(kShortDrop) : 0);
  // Two lines of room, more when the message needs them: the box grows downwards so that a long
  // message is read whole, its reason too, and the buttons stay below it.
  const int lines = std::max(2 * lblMessage->fontMetrics().lineSpacing(),
                             lblMessage->heightForWidth(lblMessage->width()));
  const int standard = py(kClientHeight);
  const int twoLines = standard - But1->height() - py(kMargin) - py(kButtonGap) / 2 - top;
  QScreen* home = Master != nullptr ? Master->screen() : QGuiApplication::primaryScreen();
  const int tallest = home != nullptr ? home->availableGeometry().height() : standard;
  const int boxHeight =
      std::min(standard + std::max(0, lines - twoLines), std::max(tallest, standard));
  if (boxHeight != height()) {
    setFixedSize(width(), boxHeight);
    LayoutFrame();
    const int buttonTop = height() - But1->height() - py(kMargin);
    But1->move(But1->x(), buttonTop);
    But2->move(But2->x(), buttonTop);
    pRoundCorners();
  }
  lblMessage->setGeometry(lblMessage->x(), top, lblMessage->width(),
                          std::min(lines, But1->y() - py(kButtonGap) / 2 - top));

  QRect master;
  QScreen* screen = nullptr;
  if (Master != nullptr) {
    master = QRect(Master->mapToGlobal(QPoint(0, 0)), Master->size());
    screen = QGuiApplication::screenAt(master.center());
    if (screen == nullptr) screen = Master->screen();
  } else {
    screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) master = screen->availableGeometry();
  }
  QPoint place(master.left() + (master.width() - width()) / 2,
               master.top() + (master.height() - height()) / 2);
  // A master dragged half off the screen must not take the only way to answer with it.
  if (screen != nullptr) {
    const QRect room = screen->availableGeometry();
    place.setX(
        std::clamp(place.x(), room.left(), std::max(room.left(), room.right() + 1 - width())));
    place.setY(
        std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() + 1 - height())));
  }
  move(place);
}

QPolygon frmPopUp::Outline() const {
  const int w = width();
  const int h = height();
  // The cuts follow the corner pictures, which grow with the screen's scale.
  const QList<QPoint> points = {{0, py(5)},
                                {px(1), py(3)},
                                {px(2), py(2)},
                                {px(3), py(1)},
                                {px(5), 0},
                                {w - px(5), 0},
                                {w - px(3), py(1)},
                                {w - px(2), py(2)},
                                {w - px(2), py(3)},
                                {w, py(5)},
                                {w, h - py(7)},
                                {w - px(2), h - py(3)},
                                {w - px(3), h - py(2)},
                                {w - px(7), h},
                                {px(7), h},
                                {px(3), h - py(2)},
                                {px(2), h - py(3)},
                                {0, h - py(7)}};
  return QPolygon(points);
}

void frmPopUp::Answer(bool yes) {
  PopUpResponse_ = yes ? QStringLiteral("True") : QStringLiteral("False");
  close();
}

void frmPopUp::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      // No to a question; a notice has only its OK.
      Answer(!twoButtons_);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      // A focused button takes these keys itself; otherwise they are the first button's.
      Answer(true);
      return;
    default:
      SkinnedWindow::keyPressEvent(event);
  }
}

void frmPopUp::hideEvent(QHideEvent* event) {
  SkinnedWindow::hideEvent(event);
  if (event->spontaneous()) return;
  // The keyboard goes back to the window that asked, also where no window manager gives it.
  QWidget* active = QApplication::activeWindow();
  if ((active == nullptr || active == this) && parentWidget() != nullptr &&
      parentWidget()->isVisible()) {
    parentWidget()->window()->activateWindow();
  }
  emit unloaded();
}

frmPopUp* ShowPopUp(const Skin& skin, QWidget* master, const QString& title, const QString& message,
                    int buttons) {
  auto* box = new frmPopUp(skin, master);
  box->CallPop(title, message, buttons, master);
  box->setWindowModality(master != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
  box->show();
  box->activateWindow();
  return box;
}

void AskPopUpThen(const Skin& skin, QWidget* master, const QString& title, const QString& message,
                  int buttons, std::function<void(bool)> answered) {
  frmPopUp* box = ShowPopUp(skin, master, title, message, buttons);
  // The box is the master's child: should the master go, the box and this connection go too,
  // and the answer is never delivered to a window that is no more.
  QObject::connect(box, &frmPopUp::unloaded, box, [box, answered = std::move(answered)] {
    box->deleteLater();
    if (answered) answered(box->PopUpResponse() == QStringLiteral("True"));
  });
}

}  // namespace quillory
