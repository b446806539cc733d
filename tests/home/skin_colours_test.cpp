#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QToolTip>
#include <QWindow>
#include <QtTest>
#include <cmath>
#include <functional>
#include <map>

#include "dark_desktop.h"
#include "program_windows.h"
#include "quillory/assets/embedded_package.h"
#include "quillory/content/content_package.h"
#include "quillory/shell/picture.h"
#include "quillory/shell/pop_up.h"

using namespace quillory;

namespace {

// What one text control shows, as it is drawn: the colour its palette gives its text, whether
// that colour is among its pixels, and the colour most of its box is.
struct Sample {
  QColor ink;
  QColor ground;
  bool hasText = false;
  bool inkSeen = false;
  double needed = 4.5;  // the contrast its size asks for
};
// Per scene, per control (named by its path from the window).
using Survey = std::map<QString, std::map<QString, Sample>>;

double Luminance(const QColor& c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int Distance(const QColor& a, const QColor& b) {
  return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                   std::abs(a.blue() - b.blue())});
}

QString Name(const QColor& c) {
  return QStringLiteral("(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// A control's path from its window: object names, or the class and its place among its siblings.
QString PathOf(const QWidget* widget, const QWidget* window) {
  QStringList parts;
  for (const QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
    QString part = w->objectName();
    if (part.isEmpty()) {
      const QObjectList siblings = w->parentWidget()->children();
      part = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char('#') +
             QString::number(siblings.indexOf(const_cast<QWidget*>(w)));
    }
    parts.prepend(part);
  }
  return parts.join(QLatin1Char('/'));
}

// The text a control shows and the colour its palette draws it in; a control that shows no text
// (a picture, or an empty label) is not read, but an empty field is: what is typed will show.
bool TextOf(const QWidget* widget, QString* text, QColor* ink) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    if (label->text().isEmpty()) return false;
    *text = label->text();
    *ink = label->palette().color(label->foregroundRole());
    return true;
  }
  if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
    *text = box->text();
    *ink = box->palette().color(QPalette::Text);
    return true;
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
    *text = combo->currentText();
    *ink = combo->palette().color(QPalette::ButtonText);
    return true;
  }
  return false;
}

std::map<QString, Sample> Read(QWidget* window) {
  const QImage shot = window->grab().toImage();
  std::map<QString, Sample> samples;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    // Disabled controls need not stand out; windows of their own are read on their own.
    if (!widget->isVisible() || !widget->isEnabled() || widget->isWindow()) continue;
    QString text;
    Sample sample;
    if (!TextOf(widget, &text, &sample.ink)) continue;
    const QRect seen =
        widget->visibleRegion().boundingRect().translated(widget->mapTo(window, QPoint()));
    const QRect box = seen.intersected(shot.rect());
    if (box.width() < 2 || box.height() < 2) continue;
    // The ground is the colour most pixels are that are not the text's own; a box of nothing
    // but the text's colour is text on its own colour.
    std::map<QRgb, int> all, ground;
    int nearest = 255;
    for (int y = box.top(); y <= box.bottom(); ++y) {
      for (int x = box.left(); x <= box.right(); ++x) {
        const QColor pixel = shot.pixelColor(x, y);
        ++all[pixel.rgb()];
        nearest = std::min(nearest, Distance(pixel, sample.ink));
        if (Distance(pixel, sample.ink) > 40) ++ground[pixel.rgb()];
      }
    }
    int groundPixels = 0;
    for (const auto& [colour, count] : ground) groundPixels += count;
    const auto& counts = groundPixels * 4 >= box.width() * box.height() ? ground : all;
    sample.ground = QColor::fromRgb(
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
          return a.second < b.second;
        })->first);
    // Thin strokes are smoothed into the ground: a pixel nearer the text's colour than the
    // ground's shows the text is drawn in it.
    sample.inkSeen = 2 * nearest < Distance(sample.ink, sample.ground);
    // Large text (18 points, or 14 bold) asks for less.
    const QFont font = widget->font();
    if (font.pointSizeF() >= 18 || (font.bold() && font.pointSizeF() >= 14)) sample.needed = 3;
    sample.hasText = !text.trimmed().isEmpty();
    samples[PathOf(widget, window)] = sample;
  }
  return samples;
}

}  // namespace

// The windows under a dark desktop theme: every text stands out from what it is drawn on, and
// every window looks as under a light theme.
class SkinColoursTest : public QObject {
  Q_OBJECT

 private:
  ContentPackage package_ = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  // Under the light theme; under the dark one from the start; and switched to it once the home
  // window is open, as a pupil's desktop may change its theme while the program runs.
  Survey light_, dark_, switched_;
  // What each window tells the desktop, beside what its own title bar shows.
  struct Identity {
    QString title, caption;
    QImage icon, picture;
  };
  std::map<QString, Identity> identity_;
  int checked_ = 0;
  double lowest_ = 1e9;

  static Identity IdentityOf(const SkinnedWindow& window, const Skin& skin, const QString& icon) {
    return {window.windowTitle(), window.findChild<QLabel*>(QStringLiteral("Title"))->text(),
            window.windowIcon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
            skin.picture(icon).toImage().convertToFormat(QImage::Format_ARGB32)};
  }

  // Builds the windows over a fresh data folder and reads every scene a pupil comes to; `opened`
  // runs once the home window shows.
  Survey Walk(const std::function<void()>& opened = {}) {
    Survey survey;
    QTemporaryDir data;
    PracticeWindow::Services services{};
    services.ask = [](const QString&, const QString&, int, std::function<void(bool)> answered) {
      answered(true);
    };
    services.animationStep = 1;
    ProgramWindows windows(package_, data.path().toStdString(), services);
    Contents& contents = windows.contents();
    if (!contents.Form_Load()) return survey;
    contents.show();
    if (!QTest::qWaitForWindowExposed(&contents)) return survey;
    if (opened) opened();
    for (int tab = 1; tab <= 3; ++tab) {
      contents.TabClick(tab);
      contents.TopicClick(2);
      survey[QStringLiteral("topics of subject %1").arg(tab)] = Read(&contents);
    }
    contents.TabClick(1);
    contents.ToolBarClick(2);
    for (int view = 1; view <= 3; ++view) {
      emit contents.findChild<Picture*>(QStringLiteral("RCBar%1").arg(view))->clicked();
      survey[QStringLiteral("report, view %1").arg(view)] = Read(&contents);
    }
    contents.TabClick(4);
    survey[QStringLiteral("help")] = Read(&contents);
    contents.ToolBarClick(2);
    survey[QStringLiteral("erasing")] = Read(&contents);

    const Skin skin(QString::fromStdString(GraphicsFolder(contents.dataFolder()).string()));
    frmPopUp box(skin, &contents);
    box.CallPop(QStringLiteral("Quillory"), QStringLiteral("Are you sure?"), 2, &contents);
    box.show();
    if (QTest::qWaitForWindowExposed(&box)) survey[QStringLiteral("message box")] = Read(&box);
    box.close();

    // Paper 1 of the first topic: two answers typed, then marked, then tried again.
    contents.TabClick(1);
    contents.OpenPaperWindow(0, 1);
    PracticeWindow* window = windows.practice().current();
    if (window == nullptr || !QTest::qWaitForWindowExposed(window)) return survey;
    identity_[QStringLiteral("practice")] = IdentityOf(*window, skin, QStringLiteral("pencil.ico"));
    window->answerSheet()->slot(1).answer->setText(QStringLiteral("2"));
    window->GoToPage(2);
    window->answerSheet()->slot(1).answer->setText(QStringLiteral("1"));
    survey[QStringLiteral("practice")] = Read(window);
    // The list of questions left and the tooltips open windows of their own, drawn in the
    // colours their palettes name.
    const QPalette list =
        window->findChild<QComboBox*>(QStringLiteral("RemQns"))->view()->palette();
    const QPalette tip = QToolTip::palette();
    auto& popups = survey[QStringLiteral("lists and tooltips")];
    popups[QStringLiteral("RemQns list")] = {list.color(QPalette::Text),
                                             list.color(QPalette::Base)};
    popups[QStringLiteral("RemQns list, chosen")] = {list.color(QPalette::HighlightedText),
                                                     list.color(QPalette::Highlight)};
    popups[QStringLiteral("tooltip")] = {tip.color(QPalette::ToolTipText),
                                         tip.color(QPalette::ToolTipBase)};
    window->MarkPaper();
    if (!QTest::qWaitFor([&] { return window->paper().marked; }, 20000)) return survey;
    window->GoToPage(1);
    survey[QStringLiteral("practice marked")] = Read(window);
    contents.OpenPaperWindow(0, 2);
    window = windows.practice().current();
    if (window == nullptr || !QTest::qWaitForWindowExposed(window)) return survey;
    survey[QStringLiteral("retry")] = Read(window);
    identity_[QStringLiteral("retry")] = IdentityOf(*window, skin, QStringLiteral("pencil.ico"));
    identity_[QStringLiteral("home")] = IdentityOf(contents, skin, QStringLiteral("QXicon.ico"));
    windows.practice().CloseAll();
    return survey;
  }

 private slots:
  void initTestCase() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    light_ = Walk();
    switched_ = Walk(UseDarkDesktopTheme);
    dark_ = Walk();
    // The retry is the last scene: a walk that has it went the whole way.
    for (const Survey* survey : {&light_, &switched_, &dark_}) QVERIFY(survey->count("retry"));
  }

  void textStandsOutAndLooksAsUnderALightTheme_data() {
    QTest::addColumn<QString>("scene");
    QTest::addColumn<bool>("switched");
    for (const auto& [scene, samples] : light_) {
      QTest::newRow(qPrintable(scene)) << scene << false;
      QTest::newRow(qPrintable(scene + QStringLiteral(", theme switched"))) << scene << true;
    }
  }
  void textStandsOutAndLooksAsUnderALightTheme() {
    QFETCH(QString, scene);
    QFETCH(bool, switched);
    const std::map<QString, Sample>& light = light_[scene];
    const std::map<QString, Sample>& dark = (switched ? switched_ : dark_)[scene];
    QVERIFY(!dark.empty());
    QStringList faults;
    for (const auto& [path, d] : dark) {
      const auto l = light.find(path);
      if (l == light.end()) {
        faults << path + QStringLiteral(": shown only under the dark theme");
        continue;
      }
      const double contrast = Contrast(d.ink, d.ground);
      if (d.needed > 1) ++checked_;
      if (d.needed > 3) lowest_ = std::min(lowest_, contrast);
      if (contrast < d.needed) {
        faults << QStringLiteral("%1: text %2 on %3, contrast %4")
                      .arg(path, Name(d.ink), Name(d.ground))
                      .arg(contrast, 0, 'f', 2);
      }
      if (d.hasText && !d.inkSeen) {
        faults << QStringLiteral("%1: no pixel of its text colour %2").arg(path, Name(d.ink));
      }
      if (d.ink != l->second.ink || Distance(d.ground, l->second.ground) > 4) {
        faults << QStringLiteral("%1: text %2 on %3, under a light theme %4 on %5")
                      .arg(path, Name(d.ink), Name(d.ground), Name(l->second.ink),
                           Name(l->second.ground));
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QCOMPARE(dark.size(), light.size());
  }

  void windowsCarryTheirPicturesAndCaptionAlone_data() {
    QTest::addColumn<QString>("window");
    for (const char* window : {"home", "practice", "retry"}) QTest::newRow(window) << window;
  }
  void windowsCarryTheirPicturesAndCaptionAlone() {
    QFETCH(QString, window);
    QVERIFY(identity_.count(window));
    const Identity& identity = identity_[window];
    QVERIFY(!identity.caption.isEmpty());
    QCOMPARE(identity.title, identity.caption);
    QVERIFY(!identity.picture.isNull());
    QCOMPARE(identity.icon, identity.picture);
  }

  void cleanupTestCase() {
    qInfo("%d readings of text controls under a dark theme; lowest contrast of text not large %.2f",
          checked_, lowest_);
  }
};

QTEST_MAIN(SkinColoursTest)
#include "skin_colours_test.moc"
