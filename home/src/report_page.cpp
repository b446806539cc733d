#include "quillory/home/report_page.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "quillory/platform/screen_units.h"
#include "quillory/platform/windows1252.h"
#include "quillory/shell/picture.h"
#include "quillory/shell/skin.h"
#include "quillory/shell/skin_palette.h"

namespace quillory {
namespace {

// Page geometry, in twips.
constexpr double kPageWidth = 6015, kPageHeight = 5655;
constexpr double kBarHeight = 255;
constexpr double kPanelHeight = kPageHeight - 3 * kBarHeight;

// Overall view: two cards. The scores card has the value beside each caption; the topics card
// puts the topic under its caption, where even a long topic name fits on one line.
constexpr double kCardLeft = 180, kCardWidth = 5655;
constexpr double kScoresTop = 360, kScoreRowHeight = 690;
constexpr double kTopicsTop = kScoresTop + 3 * kScoreRowHeight + 240, kTopicRowHeight = 900;
constexpr double kCaptionLeft = 420, kCaptionWidth = 3000;
constexpr double kValueLeft = 3540, kValueWidth = 2175;
constexpr double kTopicCaptionTop = 90, kTopicCaptionHeight = 300;
constexpr double kTopicValueIndent = 150, kTopicValueTop = 390, kTopicValueHeight = 450;

// Topical view: a header over ten rows of topic name and two result bars.
constexpr double kHeaderHeight = 510;
constexpr double kRowHeight = 435;
constexpr double kNameLeft = 120, kNameWidth = 2190;
constexpr double kFirstLeft = 2430, kSecondLeft = 4230, kTroughWidth = 1680;
constexpr double kTroughInset = 75, kTroughHeight = 285;

// Trend view: the plot with its percentage scale on the left and its caption below.
constexpr double kPlotLeft = 720, kPlotTop = 195, kPlotWidth = 5115, kPlotHeight = 4170;
constexpr double kScaleWidth = 660;
constexpr double kPlotCaptionTop = 4425, kPlotCaptionHeight = 330;
constexpr double kDotRadius = 67.5;

void Style(QLabel* label, double points, bool bold, const QColor& colour) {
  QFont font = label->font();
  font.setPointSizeF(points);
  font.setBold(bold);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

QLabel* Caption(QWidget* parent, const QString& text, const QRect& place,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(place);
  label->setAlignment(alignment);
  Style(label, 9, false, skin_colour::kReportText);
  return label;
}

// Shrinks a topic name's font until the wrapped name fits its box; a few names are long.
void FitName(QLabel* label) {
  for (double points : {9.0, 8.0, 7.0}) {
    Style(label, points, false, skin_colour::kReportText);
    const QRect needed = label->fontMetrics().boundingRect(
        label->contentsRect(), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, label->text());
    if (needed.height() <= label->contentsRect().height()) return;
  }
}

// The overall view: soft cards behind the two groups of figures, with a rule between rows.
class SummaryPanel : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), skin_colour::kPage);
    const ScreenUnits u = ScreenUnits::ForWidget(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto card = [&](double top, int rowCount, double rowHeight) {
      const QRectF box = QRectF(u.rect(kCardLeft, top, kCardWidth, rowCount * rowHeight))
                             .adjusted(0.5, 0.5, -0.5, -0.5);
      painter.setPen(QPen(skin_colour::kPanelLine, 1));
      painter.setBrush(skin_colour::kCardFill);
      painter.drawRoundedRect(box, 6, 6);
      painter.setPen(QPen(skin_colour::kCardRule, 1));
      for (int r = 1; r < rowCount; ++r) {
        const double y = u.y(top + r * rowHeight) + 0.5;
        painter.drawLine(QPointF(box.left() + 10, y), QPointF(box.right() - 10, y));
      }
    };
    card(kScoresTop, 3, kScoreRowHeight);
    card(kTopicsTop, 2, kTopicRowHeight);
  }
};

// A bar background with the bar and its number inside.
class BarTrough : public QWidget {
 public:
  explicit BarTrough(QWidget* parent) : QWidget(parent) { setContentsMargins(2, 2, 2, 2); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(skin_colour::kTroughEdge, 1));
    painter.setBrush(skin_colour::kTrough);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  }
};

// The coloured bar itself, lighter at the top like the skin's bars.
class ResultBar : public QWidget {
 public:
  ResultBar(QWidget* parent, QColor top, QColor bottom)
      : QWidget(parent), top_(top), bottom_(bottom) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, top_);
    fill.setColorAt(1, bottom_);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    const double radius = std::min(3.0, width() / 2.0);
    painter.drawRoundedRect(QRectF(rect()), radius, radius);
  }

 private:
  QColor top_, bottom_;
};

}  // namespace

// A view's title bar: the skin's bar picture on the band colour, with an arrow that points down
// while its view is open and to the right while it is folded away.
class ReportPage::TitleBar : public Picture {
 public:
  TitleBar(QWidget* parent, const QString& objectName) : Picture(parent, objectName) {
    setAutoFillBackground(true);
    QPalette band = palette();
    band.setColor(QPalette::Window, skin_colour::kBand);
    setPalette(band);
    setCursor(Qt::PointingHandCursor);
  }

  void setOpen(bool open) {
    open_ = open;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    const bool pictured = !pixmap().isNull();
    if (pictured) Picture::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!pictured) {
      // Without the picture the bar is still a bar, so its white caption stays readable.
      QLinearGradient blue(0, 0, 0, height());
      blue.setColorAt(0, skin_colour::kBarTop);
      blue.setColorAt(1, skin_colour::kBarBottom);
      painter.setPen(Qt::NoPen);
      painter.setBrush(blue);
      const double radius = height() / 2.0;
      painter.drawRoundedRect(QRectF(rect()), radius, radius);
    }
    const double half = height() * 0.2;
    const QPointF centre(width() - height() * 1.1, height() / 2.0);
    QPolygonF arrow;
    if (open_) {
      arrow << centre + QPointF(-half, -half / 2) << centre + QPointF(half, -half / 2)
            << centre + QPointF(0, half * 0.8);
    } else {
      arrow << centre + QPointF(-half / 2, -half) << centre + QPointF(-half / 2, half)
            << centre + QPointF(half * 0.8, 0);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin_colour::kBarCaption);
    painter.drawPolygon(arrow);
  }

 private:
  bool open_ = false;
};

// The topical view: a column header and a light stripe behind every other shown row, so the eye
// can follow a row from its name to its bars.
class ReportPage::TopicalPanel : public QWidget {
 public:
  using QWidget::QWidget;

  void setRowNames(const std::array<QLabel*, 10>& names) { names_ = names; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), skin_colour::kPage);
    const ScreenUnits u = ScreenUnits::ForWidget(this);
    const int header = u.y(kHeaderHeight);
    QLinearGradient shade(0, 0, 0, header);
    shade.setColorAt(0, skin_colour::kHeaderTop);
    shade.setColorAt(1, skin_colour::kHeaderBottom);
    painter.fillRect(0, 0, width(), header, shade);
    painter.fillRect(0, header - 2, width(), 2, skin_colour::kHeaderRule);
    painter.setPen(skin_colour::kPanelLine);
    for (double x : {(kNameLeft + kNameWidth + kFirstLeft) / 2,
                     (kFirstLeft + kTroughWidth + kSecondLeft) / 2}) {
      painter.drawLine(u.x(x), 4, u.x(x), header - 6);
    }
    for (std::size_t r = 0; r < names_.size(); ++r) {
      const QLabel* name = names_[r];
      if (name == nullptr || !name->isVisibleTo(this) || r % 2 == 1) continue;
      painter.fillRect(0, name->y(), width(), name->height(), skin_colour::kRowStripe);
    }
  }

 private:
  std::array<QLabel*, 10> names_{};
};

// The trend chart: percentages from 0 at the bottom edge to 100 at the top edge, one point per
// paper, oldest on the left, each joined to the one before and the first to the bottom-left
// corner.
class ReportPage::TrendPlot : public QWidget {
 public:
  explicit TrendPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RC3TrendPlot"));
    setContentsMargins(1, 1, 1, 1);
  }

  void setValues(std::vector<double> values) {
    values_ = std::move(values);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), skin_colour::kPage);
    painter.setPen(skin_colour::kPanelLine);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    painter.translate(inner.topLeft());
    const double w = inner.width(), h = inner.height();
    const double xStep = w / 21, yUnit = h / 100;

    // Filled rows rather than lines, so a grid line is one whole pixel row at any scale.
    for (int g = 10; g <= 90; g += 10) {
      painter.fillRect(0, static_cast<int>(std::lround(g * yUnit)), inner.width(), 1,
                       skin_colour::kChartGrid);
    }

    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = kDotRadius / ScreenUnits::ForWidget(this).twipsPerPixelX();
    QPointF previous(0, h);
    for (std::size_t j = 1; j <= values_.size(); ++j) {
      // On a pixel's centre, so the drop line stays one crisp pixel wide.
      const double x = std::floor(static_cast<double>(j) * xStep) + 0.5;
      const QPointF point(x, (100 - values_[j - 1]) * yUnit);
      painter.setPen(QPen(skin_colour::kInk, 1));
      painter.drawLine(point, QPointF(x, h));
      painter.setPen(Qt::NoPen);
      painter.setBrush(skin_colour::kTrendLine);
      painter.drawEllipse(point, radius, radius);
      painter.setPen(QPen(skin_colour::kTrendLine, 2, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(point, previous);
      previous = point;
    }
  }

 private:
  std::vector<double> values_;
};

ReportPage::ReportPage(QWidget* parent, const Skin& skin) : QWidget(parent) {
  setObjectName(QStringLiteral("Body_Report"));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, skin_colour::kPage);
  setPalette(white);
  QFont text(QStringLiteral("DejaVu Sans"));
  text.setPointSizeF(9);
  setFont(text);
  resize(ScreenUnits::ForWidget(this).size(kPageWidth, kPageHeight));

  BuildSummary();
  BuildTopical();
  BuildTrend();
  BuildTitleBars(skin);
  ShowReport(ReportFigures{});
  ArrangeReportView(1);
}

void ReportPage::BuildTitleBars(const Skin& skin) {
  static const char* const kTitles[] = {"Overall Results", "Topical Results", "Trend Analysis"};
  static const char* const kTips[] = {"Click to show overall results",
                                      "Click to show topical results", "Click to show past trends"};
  const ScreenUnits u = ScreenUnits::ForWidget(this);
  for (int n = 1; n <= 3; ++n) {
    auto* bar = new TitleBar(this, QStringLiteral("RCBar%1").arg(n));
    bar->setFace(skin.picture(QStringLiteral("bar.bmp")));
    bar->setGeometry(u.rect(0, 0, kPageWidth, kBarHeight));
    bar->setToolTip(QString::fromLatin1(kTips[n - 1]));
    auto* label = new Picture(bar, QStringLiteral("lblRCBar%1").arg(n));
    label->setText(QString::fromLatin1(kTitles[n - 1]));
    label->setGeometry(bar->rect());
    label->setIndent(u.x(225));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Style(label, 9, true, skin_colour::kBarCaption);
    label->setToolTip(bar->toolTip());
    label->setCursor(Qt::PointingHandCursor);
    // The caption covers its bar: it is the control the keyboard reaches.
    label->makeButton(label->text());
    connect(bar, &Picture::clicked, this, [this, n] { emit viewChosen(n); });
    connect(label, &Picture::clicked, this, [this, n] { emit viewChosen(n); });
    bars_[static_cast<std::size_t>(n - 1)] = bar;
  }
}

void ReportPage::BuildSummary() {
  auto* panel = new SummaryPanel(this);
  panel->setObjectName(QStringLiteral("RC1Summary"));
  const ScreenUnits u = ScreenUnits::ForWidget(this);
  panel->resize(u.size(kPageWidth, kPanelHeight));
  const auto value = [&](const QString& name, const QRect& place, const QColor& colour) {
    auto* label = new QLabel(panel);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(true);
    Style(label, 10, true, colour);
    return label;
  };
  const auto score = [&](const char* caption, int row, const QString& name) {
    const double top = kScoresTop + row * kScoreRowHeight;
    Caption(panel, QString::fromLatin1(caption),
            u.rect(kCaptionLeft, top, kCaptionWidth, kScoreRowHeight));
    return value(name, u.rect(kValueLeft, top, kValueWidth, kScoreRowHeight),
                 skin_colour::kReportValue);
  };
  const auto topic = [&](const char* caption, int row, const QString& name, const QColor& colour) {
    const double top = kTopicsTop + row * kTopicRowHeight;
    const double width = kCardLeft + kCardWidth - 240 - kCaptionLeft;
    Caption(panel, QString::fromLatin1(caption),
            u.rect(kCaptionLeft, top + kTopicCaptionTop, width, kTopicCaptionHeight));
    return value(name,
                 u.rect(kCaptionLeft + kTopicValueIndent, top + kTopicValueTop,
                        width - kTopicValueIndent, kTopicValueHeight),
                 colour);
  };
  OScore1 = score("First Attempt Average Score:", 0, QStringLiteral("OScore1"));
  OScore2 = score("Second Attempt Average Score:", 1, QStringLiteral("OScore2"));
  PCNum = score("Number of Papers Completed:", 2, QStringLiteral("PCNum"));
  WT = topic("Weakest Topic:", 0, QStringLiteral("WT"), skin_colour::kWeakTopic);
  ST = topic("Strongest Topic:", 1, QStringLiteral("ST"), skin_colour::kStrongTopic);
  panels_[0] = panel;
}

void ReportPage::BuildTopical() {
  RC2Topical = new TopicalPanel(this);
  RC2Topical->setObjectName(QStringLiteral("RC2Topical"));
  const ScreenUnits u = ScreenUnits::ForWidget(this);
  RC2Topical->resize(u.size(kPageWidth, kPanelHeight));

  const auto heading = [&](const char* text, double left) {
    QLabel* label =
        Caption(RC2Topical, QString::fromLatin1(text),
                u.rect(left - 60, 0, kTroughWidth + 120, kHeaderHeight - 30), Qt::AlignCenter);
    label->setWordWrap(true);
    Style(label, 9, true, skin_colour::kReportHeading);
  };
  heading("First Attempt results", kFirstLeft);
  heading("Second Attempt Score", kSecondLeft);

  const auto trough = [&](const QString& name, double left, double top, QWidget** bar,
                          QLabel** mark, QColor light, QColor dark) {
    auto* back = new BarTrough(RC2Topical);
    back->setObjectName(QStringLiteral("TBack") + name);
    back->setGeometry(u.rect(left, top + kTroughInset, kTroughWidth, kTroughHeight));
    *bar = new ResultBar(back, light, dark);
    (*bar)->setObjectName(QStringLiteral("TBar") + name);
    (*bar)->setGeometry(back->contentsRect().x(), back->contentsRect().y(), 0,
                        back->contentsRect().height());
    *mark = new QLabel(back);
    (*mark)->setObjectName(QStringLiteral("TMark") + name);
    (*mark)->setGeometry(back->contentsRect());
    (*mark)->setAlignment(Qt::AlignCenter);
    Style(*mark, 9, true, skin_colour::kTroughMark);
    return back;
  };

  std::array<QLabel*, 10> names{};
  for (int t = 1; t <= 10; ++t) {
    TopicRow& row = rows_[static_cast<std::size_t>(t - 1)];
    const double top = kHeaderHeight + (t - 1) * kRowHeight;
    row.name = new QLabel(RC2Topical);
    row.name->setObjectName(QStringLiteral("TopLab%1").arg(t));
    row.name->setGeometry(u.rect(kNameLeft, top, kNameWidth, kRowHeight));
    row.name->setWordWrap(true);
    row.name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Style(row.name, 9, false, skin_colour::kReportText);
    row.backA = trough(QStringLiteral("%1A").arg(t), kFirstLeft, top, &row.barA, &row.markA,
                       skin_colour::kFirstBarTop, skin_colour::kFirstBarBottom);
    row.backB = trough(QStringLiteral("%1B").arg(t), kSecondLeft, top, &row.barB, &row.markB,
                       skin_colour::kSecondBarTop, skin_colour::kSecondBarBottom);
    names[static_cast<std::size_t>(t - 1)] = row.name;
  }
  RC2Topical->setRowNames(names);
  panels_[1] = RC2Topical;
}

void ReportPage::BuildTrend() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("RC3Trend"));
  panel->setAutoFillBackground(true);
  const ScreenUnits u = ScreenUnits::ForWidget(this);
  panel->resize(u.size(kPageWidth, kPanelHeight));

  RC3TrendPlot = new TrendPlot(panel);
  RC3TrendPlot->setGeometry(u.rect(kPlotLeft, kPlotTop, kPlotWidth, kPlotHeight));
  Caption(panel, QStringLiteral("Recent Papers Attempted"),
          u.rect(kPlotLeft, kPlotCaptionTop, kPlotWidth, kPlotCaptionHeight), Qt::AlignCenter);

  // Each percentage sits level with its grid line.
  const QRect inner = RC3TrendPlot->contentsRect().translated(RC3TrendPlot->pos());
  const int lineHeight = QFontMetrics(font()).height() + 2;
  for (int g = 0; g <= 10; ++g) {
    const int y = inner.top() + static_cast<int>(std::lround(inner.height() * g / 10.0));
    QLabel* scale = Caption(panel, QStringLiteral("%1%").arg(100 - 10 * g),
                            QRect(0, y - lineHeight / 2, u.x(kScaleWidth), lineHeight),
                            Qt::AlignRight | Qt::AlignVCenter);
    Style(scale, 8, false, skin_colour::kScaleText);
  }
  panels_[2] = panel;
}

void ReportPage::ShowReport(const ReportFigures& figures) {
  for (std::size_t t = 0; t < rows_.size(); ++t) ShowTopicResult(rows_[t], figures.topics[t]);
  for (std::size_t t = 0; t < rows_.size(); ++t) {
    const bool shown = figures.topics[t].visible;
    for (QWidget* part : {static_cast<QWidget*>(rows_[t].name), rows_[t].backA, rows_[t].backB}) {
      part->setVisible(shown);
    }
  }
  OScore1->setText(QString::fromStdString(figures.firstAverage));
  OScore2->setText(QString::fromStdString(figures.secondAverage));
  PCNum->setText(QString::fromStdString(figures.papersCompleted));
  WT->setText(FromWindows1252(figures.weakestTopic));
  ST->setText(FromWindows1252(figures.strongestTopic));
  RC3TrendPlot->setValues(figures.trend);
  RC2Topical->update();
}

void ReportPage::ShowTopicResult(const TopicRow& row, const TopicFigures& topic) {
  row.name->setText(FromWindows1252(topic.name));
  row.name->setToolTip(row.name->text());
  FitName(row.name);
  // Every row's bars are measured against the first row's backgrounds, which all rows share.
  const auto fill = [](QWidget* bar, QLabel* mark, const QWidget* back, double fraction,
                       const std::string& text) {
    const QRect inner = back->contentsRect();
    const int length =
        std::clamp(static_cast<int>(std::lround(inner.width() * fraction)), 0, inner.width());
    bar->resize(length, bar->height());
    bar->setVisible(true);
    mark->setText(QString::fromStdString(text));
  };
  fill(row.barA, row.markA, rows_[0].backA, topic.firstFraction, topic.firstText);
  fill(row.barB, row.markB, rows_[0].backB, topic.secondFraction, topic.secondText);
  row.name->setVisible(true);
}

void ReportPage::ArrangeReportView(int view) {
  if (view < 1 || view > 3) return;
  const int h = height();
  const int h1 = bars_[0]->height(), h2 = bars_[1]->height(), h3 = bars_[2]->height();
  const std::array<std::array<int, 4>, 3> layout{{
      {0, h - h3 - h2, h - h3, h1},
      {0, h1, h - h3, h1 + h2},
      {0, h1, h1 + h2, h1 + h2 + h3},
  }};
  const auto& tops = layout[static_cast<std::size_t>(view - 1)];
  for (std::size_t b = 0; b < bars_.size(); ++b) {
    bars_[b]->move(0, tops[b]);
    bars_[b]->setOpen(static_cast<int>(b) + 1 == view);
  }
  QWidget* panel = panels_[static_cast<std::size_t>(view - 1)];
  panel->setGeometry(0, tops[3], width(), h - h1 - h2 - h3);
  for (QWidget* other : panels_) other->setVisible(other == panel);
  panel->raise();
  for (TitleBar* bar : bars_) bar->raise();
}

}  // namespace quillory
