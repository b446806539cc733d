#include "quillory/home/report_page.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>

#include "quillory/platform/screen_units.h"
#include "quillory/shell/skin.h"

using namespace quillory;

namespace {

const std::array<std::string, 10> kTopics{
    "Whole Numbers", "Angles", "Fractions",  "Decimals", "Area",
    "Volume",        "Ratio",  "Percentage", "Speed",    "Mock Examination"};

// A 50-paper marks list from "paper:score" pairs, such as "1:50 2:75".
RecordList Scores(const QString& pairs) {
  RecordList list(50);
  for (const QString& pair : pairs.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QStringList parts = pair.split(QLatin1Char(':'));
    list[parts[0].toUInt() - 1] = parts[1].toStdString();
  }
  return list;
}

ReportFigures Report(const QString& first, const QString& second = {}, int topicCount = 4,
                     const std::string& trend = "#TRD#") {
  return BuildReport(kTopics, topicCount, 5 * topicCount, Scores(first), Scores(second), trend);
}

ReportFigures Trend(const std::vector<double>& values) {
  ReportFigures figures = Report({});
  figures.trend = values;
  return figures;
}

QString Text(const ReportPage& page, const QString& name) {
  const auto* label = page.findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QStringLiteral("<no %1>").arg(name);
}

bool IsBlue(const QColor& colour) {
  return colour.red() < 40 && colour.green() < 40 && colour.blue() > 215;
}

// The plot as drawn, read in its own inner coordinates.
struct PlotImage {
  explicit PlotImage(const ReportPage& page) : plot(page.findChild<QWidget*>("RC3TrendPlot")) {
    image = plot->grab().toImage();
    inner = plot->contentsRect();
  }
  QColor at(double x, double y) const {
    const int px = std::clamp(static_cast<int>(std::floor(x)), 0, inner.width() - 1);
    const int py = std::clamp(static_cast<int>(std::floor(y)), 0, inner.height() - 1);
    // The middle of the pixel, so that scaled screens read it and not its antialiased edge.
    const double scale = image.devicePixelRatio();
    return image.pixelColor(QPoint(static_cast<int>((inner.left() + px + 0.5) * scale),
                                   static_cast<int>((inner.top() + py + 0.5) * scale)));
  }
  // Where the chart puts value `value` as point j (1-based).
  QPointF point(int j, double value) const {
    return {j * inner.width() / 21.0, (100 - value) * inner.height() / 100.0};
  }
  QWidget* plot;
  QImage image;
  QRect inner;
};

}  // namespace

class ReportPageTest : public QObject {
  Q_OBJECT

 private:
  Skin skin_{QStringLiteral(QUILLORY_SOURCE_DIR "/assets/graphics")};

 private slots:
  void overallTexts_data() {
    QTest::addColumn<QStringList>("scores");    // first and second attempts, "paper:score"
    QTest::addColumn<QStringList>("expected");  // OScore1, OScore2, PCNum, WT, ST
    QTest::newRow("nothing marked")
        << QStringList{"", ""} << QStringList{"-", "-", "0 / 20", "-", "-"};
    QTest::newRow("one topic") << QStringList{"1:50 2:75", ""}
                               << QStringList{"62.5%", "-", "2 / 20", "-", "-"};
    QTest::newRow("two topics") << QStringList{"6:40 11:80", ""}
                                << QStringList{"60%", "-", "2 / 20", " Angles", " Fractions"};
    QTest::newRow("second attempts count in the ranking")
        << QStringList{"1:40 2:60 6:70", "1:90"}
        << QStringList{"56.7%", "90%", "3 / 20", " Whole Numbers", " Angles"};
  }

  void overallTexts() {
    QFETCH(QStringList, scores);
    QFETCH(QStringList, expected);
    ReportPage page(nullptr, skin_);
    page.ShowReport(Report(scores[0], scores[1]));
    const QStringList shown{Text(page, "OScore1"), Text(page, "OScore2"), Text(page, "PCNum"),
                            Text(page, "WT"), Text(page, "ST")};
    QCOMPARE(shown, expected);
  }

  void topicRows_data() {
    QTest::addColumn<int>("topicCount");
    QTest::newRow("one topic") << 1;
    QTest::newRow("four topics") << 4;
    QTest::newRow("all ten") << 10;
  }

  // A subject with fewer topics, shown after one with ten, hides the rows it does not have.
  void topicRows() {
    QFETCH(int, topicCount);
    ReportPage page(nullptr, skin_);
    page.ShowReport(Report({}, {}, 10));
    page.ShowReport(Report({}, {}, topicCount));
    for (int t = 1; t <= 10; ++t) {
      const bool shown = t <= topicCount;
      for (const QString& name :
           {QStringLiteral("TopLab%1"), QStringLiteral("TBack%1A"), QStringLiteral("TBack%1B")}) {
        const auto* part = page.findChild<QWidget*>(name.arg(t));
        QVERIFY2(part != nullptr, qPrintable(name.arg(t)));
        QCOMPARE(!part->isHidden(), shown);
      }
      if (shown) {
        QCOMPARE(Text(page, QStringLiteral("TopLab%1").arg(t)),
                 QString::fromStdString(kTopics[t - 1]));
      }
    }
  }

  void topicBars_data() {
    QTest::addColumn<QStringList>("scores");  // first and second attempts, "paper:score"
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("texts");     // first and second attempt numbers
    QTest::addColumn<QList<double>>("shares");  // bar lengths as shares of the backgrounds
    QTest::newRow("first attempts only")
        << QStringList{"1:50 2:75", ""} << 1 << QStringList{"62.5%", ""} << QList{0.625, 0.0};
    QTest::newRow("both attempts")
        << QStringList{"6:40 7:60", "6:90"} << 2 << QStringList{"50%", "90%"} << QList{0.5, 0.9};
    QTest::newRow("full marks") << QStringList{"11:100", "11:100"} << 3
                                << QStringList{"100%", "100%"} << QList{1.0, 1.0};
    QTest::newRow("a zero is an attempt")
        << QStringList{"16:0", ""} << 4 << QStringList{"0%", ""} << QList{0.0, 0.0};
    QTest::newRow("untried topic")
        << QStringList{"1:80", ""} << 2 << QStringList{"", ""} << QList{0.0, 0.0};
  }

  void topicBars() {
    QFETCH(QStringList, scores);
    QFETCH(int, row);
    QFETCH(QStringList, texts);
    QFETCH(QList<double>, shares);
    ReportPage page(nullptr, skin_);
    page.ShowReport(Report({}, {}));
    page.ShowReport(Report(scores[0], scores[1]));
    for (int side = 0; side < 2; ++side) {
      const QString name = QStringLiteral("%1%2").arg(row).arg(QLatin1Char(side == 0 ? 'A' : 'B'));
      QCOMPARE(Text(page, QStringLiteral("TMark") + name), texts[side]);
      const auto* back = page.findChild<QWidget*>(QStringLiteral("TBack") + name);
      const auto* bar = page.findChild<QWidget*>(QStringLiteral("TBar") + name);
      QVERIFY(back != nullptr && bar != nullptr);
      QCOMPARE(bar->parentWidget(), back);
      const QRect inner = back->contentsRect();
      QVERIFY(inner.width() > 50);
      QVERIFY2(std::abs(bar->width() - shares[side] * inner.width()) <= 1,
               qPrintable(QStringLiteral("%1 of %2").arg(bar->width()).arg(inner.width())));
      QCOMPARE(bar->x(), inner.left());
    }
  }

  void arrangeViews_data() {
    // Tops in title-bar heights: n from the top of the page, -n from its bottom.
    QTest::addColumn<int>("view");
    QTest::addColumn<QList<int>>("barTops");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("panelTop");
    QTest::newRow("overall") << 1 << QList<int>{0, -2, -1} << "RC1Summary" << 1;
    QTest::newRow("topical") << 2 << QList<int>{0, 1, -1} << "RC2Topical" << 2;
    QTest::newRow("trend") << 3 << QList<int>{0, 1, 2} << "RC3Trend" << 3;
  }

  void arrangeViews() {
    QFETCH(int, view);
    QFETCH(QList<int>, barTops);
    QFETCH(QString, panel);
    QFETCH(int, panelTop);
    ReportPage page(nullptr, skin_);
    page.ArrangeReportView(view == 1 ? 3 : 1);
    page.ArrangeReportView(view);
    const ScreenUnits u = ScreenUnits::ForWidget(&page);
    QCOMPARE(page.size(), u.size(6015, 5655));
    const int pageHeight = page.height();
    const int h = page.findChild<QWidget*>("RCBar1")->height();
    QVERIFY(h > 10);
    const auto top = [&](int n) { return n >= 0 ? n * h : pageHeight + n * h; };
    for (int b = 1; b <= 3; ++b) {
      const auto* bar = page.findChild<QWidget*>(QStringLiteral("RCBar%1").arg(b));
      QCOMPARE(bar->height(), h);
      QCOMPARE(bar->y(), top(barTops[b - 1]));
      // Nothing covers a title bar.
      const QWidget* hit = page.childAt(bar->width() / 2, bar->y() + h / 2);
      QVERIFY(hit == bar || hit->parentWidget() == bar);
    }
    for (const char* name : {"RC1Summary", "RC2Topical", "RC3Trend"}) {
      const auto* each = page.findChild<QWidget*>(name);
      QCOMPARE(!each->isHidden(), panel == QLatin1String(name));
    }
    const auto* shown = page.findChild<QWidget*>(panel);
    QCOMPARE(shown->geometry(), QRect(0, top(panelTop), page.width(), pageHeight - 3 * h));
    const QWidget* inside = page.childAt(shown->x() + 3, shown->geometry().center().y());
    QVERIFY(inside == shown || shown->isAncestorOf(inside));
  }

  void titleBars_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<QStringList>("texts");  // caption and tooltip
    QTest::newRow("overall") << 1
                             << QStringList{"Overall Results", "Click to show overall results"};
    QTest::newRow("topical") << 2
                             << QStringList{"Topical Results", "Click to show topical results"};
    QTest::newRow("trend") << 3 << QStringList{"Trend Analysis", "Click to show past trends"};
  }

  void titleBars() {
    QFETCH(int, view);
    QFETCH(QStringList, texts);
    ReportPage page(nullptr, skin_);
    auto* bar = page.findChild<QWidget*>(QStringLiteral("RCBar%1").arg(view));
    auto* label = page.findChild<QLabel*>(QStringLiteral("lblRCBar%1").arg(view));
    QVERIFY(bar != nullptr && label != nullptr);
    QCOMPARE(label->text(), texts[0]);
    QCOMPARE(bar->toolTip(), texts[1]);
    QCOMPARE(label->toolTip(), texts[1]);

    QSignalSpy chosen(&page, &ReportPage::viewChosen);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(chosen.size(), 2);
    QCOMPARE(chosen[0][0].toInt(), view);
    QCOMPARE(chosen[1][0].toInt(), view);
  }

  void fixedCaptions() {
    ReportPage page(nullptr, skin_);
    QStringList texts;
    for (const QLabel* label : page.findChildren<QLabel*>()) texts << label->text();
    QStringList expected{"First Attempt results",
                         "Second Attempt Score",
                         "Weakest Topic:",
                         "First Attempt Average Score:",
                         "Second Attempt Average Score:",
                         "Number of Papers Completed:",
                         "Strongest Topic:",
                         "Recent Papers Attempted"};
    for (int percent = 0; percent <= 100; percent += 10) {
      expected << QStringLiteral("%1%").arg(percent);
    }
    for (const QString& text : expected) QVERIFY2(texts.count(text) == 1, qPrintable(text));
  }

  void trendPoints_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("full marks on the top edge") << 100.0;
    QTest::newRow("nothing right on the bottom edge") << 0.0;
    QTest::newRow("half way") << 50.0;
    QTest::newRow("a quarter") << 25.0;
    QTest::newRow("between grid lines") << 87.5;
  }

  void trendPoints() {
    QFETCH(double, value);
    ReportPage page(nullptr, skin_);
    page.ShowReport(Trend({value, value, value}));
    page.ArrangeReportView(3);
    const PlotImage chart(page);
    for (int j = 1; j <= 3; ++j) {
      const QPointF at = chart.point(j, value);
      QVERIFY2(IsBlue(chart.at(at.x(), at.y())), qPrintable(QStringLiteral("point %1").arg(j)));
      if (value <= 90) QVERIFY(!IsBlue(chart.at(at.x(), at.y() - 9)));
      // The drop line runs from the point to the bottom edge (beside the first point, the line
      // from the bottom-left corner runs too close to it to tell them apart).
      if (value >= 10 && j > 1) QVERIFY(chart.at(at.x(), at.y() + 9).lightness() < 100);
    }
    // No point beyond the three values.
    const QPointF fourth = chart.point(4, value);
    QVERIFY(!IsBlue(chart.at(fourth.x(), value < 50 ? fourth.y() - 12 : fourth.y() + 12)));
  }

  void trendShowsTheNewestTwenty() {
    std::string line = "#TRD#";
    std::vector<double> values;
    for (int k = 1; k <= 25; ++k) {
      values.push_back((k * 37) % 101);
      line += ">" + std::to_string(static_cast<int>(values.back()));
    }
    ReportPage page(nullptr, skin_);
    page.ShowReport(Report({}, {}, 4, line));
    const PlotImage chart(page);
    for (int j = 1; j <= 20; ++j) {
      const QPointF at = chart.point(j, values[static_cast<std::size_t>(j + 4)]);
      QVERIFY2(IsBlue(chart.at(at.x(), at.y())), qPrintable(QStringLiteral("point %1").arg(j)));
    }
  }

  void emptyTrendDrawsOnlyTheGrid() {
    ReportPage page(nullptr, skin_);
    page.ShowReport(Trend({40, 60}));
    page.ShowReport(Trend({}));
    const PlotImage chart(page);
    for (int y = 0; y < chart.image.height(); ++y) {
      for (int x = 0; x < chart.image.width(); ++x) {
        QVERIFY(!IsBlue(chart.image.pixelColor(x, y)));
      }
    }
    const double yUnit = chart.inner.height() / 100.0;
    for (int g = 10; g <= 90; g += 10) {
      QCOMPARE(chart.at(chart.inner.width() / 2.0, std::round(g * yUnit)),
               QColor(0xE0, 0xE0, 0xE0));
      QCOMPARE(chart.at(chart.inner.width() / 2.0, std::round((g - 5) * yUnit)), QColor(Qt::white));
    }
  }
};

QTEST_MAIN(ReportPageTest)
#include "report_page_test.moc"
