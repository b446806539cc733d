#include "quillory/home/home_page.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <charconv>

#include "quillory/platform/screen_units.h"
#include "quillory/platform/windows1252.h"
#include "quillory/shell/fonts.h"
#include "quillory/shell/skin_palette.h"

namespace quillory {
namespace {

QFont PageFont(bool bold, double points = 8.25) {
  QFont font = WindowFont(9);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, bool bold) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(PageFont(bold));
  return label;
}

// The stored percentage as a number; an unreadable score counts as none.
double ScoreValue(const QString& text) {
  const std::string plain = text.toStdString();
  double value = 0;
  std::from_chars(plain.data(), plain.data() + plain.size(), value);
  return value;
}

QString StoredText(const RecordList& list, int index) {
  return index >= 1 && index <= static_cast<int>(list.size())
             ? FromWindows1252(list[static_cast<std::size_t>(index - 1)])
             : QString();
}

}  // namespace

HomePage::HomePage(QWidget* parent, const Skin& skin) : QWidget(parent), skin_(skin) {
  setObjectName(QStringLiteral("Body_Home"));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, skin_colour::kPage);
  setPalette(white);
  const ScreenUnits u = ScreenUnits::ForWidget(parent);
  resize(u.size(6015, 5655));

  auto* colHead1 = new Picture(this, QStringLiteral("ColHead1"));
  colHead1->setFace(skin.picture(QStringLiteral("columnhead1.bmp")));
  colHead1->setGeometry(u.rect(0, 0, 2535, 375));
  auto* colHead2 = new Picture(this, QStringLiteral("ColHead2"));
  colHead2->setFace(skin.picture(QStringLiteral("columnhead2.bmp")));
  colHead2->setGeometry(u.rect(2490, 0, 3495, 375));
  MakeLabel(colHead1, QStringLiteral("lblColHead1"), QStringLiteral("Select a Topic"), true)
      ->move(u.point(120, 60));
  MakeLabel(colHead2, QStringLiteral("lblColHead2"), QStringLiteral("Select a Paper"), true)
      ->move(u.point(120, 60));

  for (int i = 1; i <= 10; ++i) {
    const double top = 600 + 480 * (i - 1);
    auto* bullet = new Picture(this, QStringLiteral("Bullet%1").arg(i));
    bullet->setFace(skin.picture(QStringLiteral("bullet.bmp")));
    bullet->setGeometry(u.rect(120, top, 195, 165));
    bullets_[static_cast<std::size_t>(i - 1)] = bullet;
    auto* topic = new Picture(this, QStringLiteral("Topic%1").arg(i));
    topic->setFont(PageFont(false));
    topic->setScaledContents(false);
    topic->makeButton(QString());
    connect(topic, &Picture::clicked, this, [this, i] { emit topicClicked(i); });
    topic->setGeometry(u.rect(360, top, 2040, 210));
    topic->setToolTip(QStringLiteral("Click to select topic"));
    topic->setCursor(Qt::PointingHandCursor);
    topic->setAutoFillBackground(true);
    topic->installEventFilter(this);
    topics_[static_cast<std::size_t>(i - 1)] = topic;
  }

  subH1_ = MakeLabel(this, QStringLiteral("SubH1"), QStringLiteral("Select a Paper"), true);
  subH1_->setGeometry(u.rect(2640, 360, 3255, 495));
  subH1_->setFont(PageFont(true, 9.75));
  subH1_->setStyleSheet(QStringLiteral("color: %1;").arg(CssColour(skin_colour::kTopicHeading)));
  subH1_->setWordWrap(true);

  for (int k = 1; k <= 5; ++k) {
    const double row = 960 * (k - 1);
    const auto i = static_cast<std::size_t>(k - 1);
    paperLabels_[i] =
        MakeLabel(this, QStringLiteral("LblP%1").arg(k), QStringLiteral("Paper %1").arg(k), true);
    paperLabels_[i]->setGeometry(u.rect(2640, 960 + row, 615, 210));
    paperLabels_[i]->adjustSize();  // room for the whole caption in any font
    take_[i] = new Picture(this, QStringLiteral("P%1a").arg(k));
    take_[i]->setGeometry(u.rect(3000, 1200 + row, 525, 210));
    take_[i]->setToolTip(QStringLiteral("Load paper %1").arg(k));
    retry_[i] = new Picture(this, QStringLiteral("P%1b").arg(k));
    retry_[i]->setGeometry(u.rect(3000, 1440 + row, 525, 210));
    retry_[i]->setToolTip(QStringLiteral("Try paper %1 again").arg(k));
    for (Picture* button : {take_[i], retry_[i]}) {
      button->setFaces(skin.picture(QStringLiteral("loadbutton_off.bmp")),
                       skin.picture(QStringLiteral("loadbutton_on.bmp")));
      button->setCursor(Qt::PointingHandCursor);
      button->makeButton(button->toolTip());
    }
    connect(take_[i], &Picture::clicked, this, [this, k] { emit paperChosen(k - 1, 1); });
    connect(retry_[i], &Picture::clicked, this, [this, k] { emit paperChosen(k - 1, 2); });
    MakeLabel(this, QStringLiteral("lblFirst%1").arg(k), QStringLiteral("1st Attempt:"), false)
        ->move(u.point(3600, 1200 + row));
    MakeLabel(this, QStringLiteral("lblSecond%1").arg(k), QStringLiteral("2nd Attempt:"), false)
        ->move(u.point(3600, 1440 + row));
    firstScores_[i] = MakeLabel(this, QStringLiteral("MSA%1").arg(k), QString(), false);
    secondScores_[i] = MakeLabel(this, QStringLiteral("MSB%1").arg(k), QString(), false);
    firstScores_[i]->setGeometry(u.rect(4560, 1200 + row, 420, 210));
    secondScores_[i]->setGeometry(u.rect(4560, 1440 + row, 420, 210));
    for (QLabel* score : {firstScores_[i], secondScores_[i]}) {
      score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  // One "%" at the end of each of the ten score rows, shown also beside an empty score.
  percent_ = new QLabel(this);
  percent_->setObjectName(QStringLiteral("Percent1a"));
  percent_->setGeometry(u.rect(5040, 1200, 200, 4335));
  for (int row = 0; row < 10; ++row) {
    QLabel* sign =
        MakeLabel(percent_, QStringLiteral("Percent%1").arg(row + 1), QStringLiteral("%"), false);
    sign->setGeometry(u.rect(0, 960 * (row / 2) + 240 * (row % 2), 200, 210));
    sign->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
}

void HomePage::ShowTopics(const std::array<std::string, 10>& names, int topicCount) {
  for (int i = 1; i <= 10; ++i) {
    const auto at = static_cast<std::size_t>(i - 1);
    QLabel* topic = topics_[at];
    topic->setText(FromWindows1252(names[at]));
    // A long topic name is set a little smaller rather than cut off.
    QFont font = PageFont(false);
    while (font.pointSizeF() > 6.5 &&
           QFontMetrics(font).horizontalAdvance(topic->text()) > topic->width() - 2) {
      font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    topic->setFont(font);
    // ShowTopicRow: rows beyond the subject's topics are hidden with their bullets.
    topics_[at]->setVisible(i <= topicCount);
    bullets_[at]->setVisible(i <= topicCount);
  }
}

void HomePage::TopicChoosing(int topicStart, const RecordList& firstScores,
                             const RecordList& secondScores,
                             const std::array<std::string, 10>& names) {
  for (int k = 0; k < 5; ++k) {
    firstScores_[static_cast<std::size_t>(k)]->setText(StoredText(firstScores, topicStart + k));
    secondScores_[static_cast<std::size_t>(k)]->setText(StoredText(secondScores, topicStart + k));
  }
  if ((topicStart - 1) % 5 == 0 && topicStart >= 1 && topicStart <= 46) {
    subH1_->setText(FromWindows1252(names[static_cast<std::size_t>((topicStart - 1) / 5)]));
  }
  LayoutPaperScores();
}

void HomePage::Topicbuttoncolour(int i) {
  for (int t = 1; t <= 10; ++t) {
    QLabel* label = topics_[static_cast<std::size_t>(t - 1)];
    static const QString kChosen =
        QStringLiteral("background: %1; color: %2;")
            .arg(CssColour(skin_colour::kChosenTopic), CssColour(skin_colour::kChosenTopicInk));
    static const QString kOther =
        QStringLiteral("background: %1; color: %2;")
            .arg(CssColour(skin_colour::kPage), CssColour(skin_colour::kInk));
    label->setStyleSheet(t == i ? kChosen : kOther);
  }
}

void HomePage::LayoutPaperScores() {
  const int percentLeft = percent_->x();
  const int gap = ScreenUnits::ForWidget(this).x(20);
  for (std::size_t k = 0; k < 5; ++k) {
    QLabel* first = firstScores_[k];
    if (!first->text().isEmpty()) {
      first->move(percentLeft - first->width() - gap, first->y());
      retry_[k]->setVisible(ScoreValue(first->text()) <= 99);
    } else {
      retry_[k]->setVisible(false);
      first->move(percentLeft, first->y());
    }
    QLabel* second = secondScores_[k];
    second->move(second->text().isEmpty() ? percentLeft : percentLeft - second->width() - gap,
                 second->y());
  }
}

void HomePage::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  const ScreenUnits u = ScreenUnits::ForWidget(this);
  // Shaded bands behind papers 1, 3 and 5, then the rule between topics and papers.
  for (int j = 0; j < 3; ++j) {
    painter.fillRect(u.rect(2520, 840 + 1920 * j, 3495, 975), skin_colour::kPaperShade);
  }
  painter.setPen(skin_colour::kColumnRule);
  painter.drawLine(u.point(2520, 360), u.point(2520, 5640));
}

bool HomePage::eventFilter(QObject* watched, QEvent* event) {
  // The arrow keys walk the topics as a list: the topic reached is chosen.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int step = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
    for (int i = 1; i <= 10 && step != 0; ++i) {
      if (watched != topics_[static_cast<std::size_t>(i - 1)]) continue;
      const int next = i + step;
      if (next >= 1 && next <= 10 && topics_[static_cast<std::size_t>(next - 1)]->isVisible()) {
        topics_[static_cast<std::size_t>(next - 1)]->setFocus(Qt::TabFocusReason);
        emit topicClicked(next);
      }
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace quillory
