#include <QtTest>

#include "quillory/platform/screen_units.h"
#include "quillory/shell/border_canvas.h"
#include "quillory/shell/button_faces.h"
#include "quillory/shell/skinned_window.h"

using namespace quillory;

class ChromeTest : public QObject {
  Q_OBJECT

 private:
  Skin skin_{QStringLiteral(QUILLORY_SOURCE_DIR "/assets/graphics")};

 private slots:
  void aButtonsRightAndBottomEdgesAreOutsideIt_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("over");
    QTest::newRow("top left corner") << QPoint(0, 0) << true;
    QTest::newRow("inside") << QPoint(10, 5) << true;
    QTest::newRow("right edge") << QPoint(44, 5) << false;
    QTest::newRow("bottom edge") << QPoint(5, 45) << false;
    QTest::newRow("left of it") << QPoint(-1, 5) << false;
  }
  void aButtonsRightAndBottomEdgesAreOutsideIt() {
    QFETCH(QPoint, at);
    QFETCH(bool, over);
    QWidget window;
    Picture button(&window, QStringLiteral("ToolBar01"));
    button.setGeometry(20, 30, 44, 45);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint cursor = button.mapToGlobal(at);
    const QPixmap& off = skin_.picture("home_off.bmp");
    const QPixmap& on = skin_.picture("home_on.bmp");
    const QPixmap& pressed = skin_.picture("home_pressed.bmp");
    SetHoverFace(&button, cursor, off, on);
    QCOMPARE(button.pixmap().cacheKey(), (over ? on : off).cacheKey());
    SetButtonFace(&button, cursor, true, off, on, pressed);
    QCOMPARE(button.pixmap().cacheKey(), (over ? pressed : off).cacheKey());
  }

  void aFrameSitsTwoPixelsOutAboveAndLeftAndOneBelowAndRight() {
    BorderCanvas canvas;
    canvas.resize(300, 200);
    QWidget box(&canvas);
    box.setGeometry(40, 50, 100, 20);
    drawborder(&box, &canvas, 0);
    const ScreenUnits u = ScreenUnits::ForWidget(&canvas);
    const int top = 50 - u.y(30), left = 40 - u.x(30), bottom = 70 + u.y(15), right = 140 + u.x(15);
    QCOMPARE(canvas.lines().size(), 4);
    QCOMPARE(canvas.lines()[0].first, QLine(left, top, right, top));
    QCOMPARE(canvas.lines()[2].first, QLine(left, bottom, right + 1, bottom));
    QCOMPARE(canvas.lines()[0].second, QColor(178, 217, 246));
  }

  void aFrameInTheBackgroundColourWipesTheOneBefore() {
    BorderCanvas canvas;
    canvas.resize(300, 200);
    canvas.setAutoFillBackground(true);
    QWidget box(&canvas);
    box.setGeometry(40, 50, 100, 20);
    drawborder(&box, &canvas, 0);
    drawborder(&box, &canvas, 2);
    const QImage image = canvas.grab().toImage();
    const QPoint onTopLine(80, 50 - ScreenUnits::ForWidget(&canvas).y(30));
    QCOMPARE(image.pixelColor(onTopLine), canvas.palette().color(canvas.backgroundRole()));
    drawborder(&box, &canvas, 1);
    QCOMPARE(canvas.grab().toImage().pixelColor(onTopLine), QColor(192, 192, 192));
  }

  void theOutlineCutsTheTopCornersAndKeepsTheBottomOnes() {
    SkinnedWindow window(skin_, FrameSkin{});
    window.resize(200, 100);
    const QPolygon outline = window.Outline();
    QCOMPARE(outline.size(), 12);
    QCOMPARE(outline.first(), QPoint(0, 5));
    QCOMPARE(outline[9], QPoint(200, 5));
    QCOMPARE(outline[10], QPoint(200, 100));
    const QRegion region(outline, Qt::WindingFill);
    QVERIFY(!region.contains(QPoint(0, 0)));
    QVERIFY(region.contains(QPoint(100, 50)));
    QVERIFY(region.contains(QPoint(0, 99)));
  }

  void theTitleBarFollowsActivation() {
    SkinnedWindow window(skin_, FrameSkin{QStringLiteral("QXicon.ico")});
    window.LoadSkin();
    QVERIFY(window.focusFlag());
    window.ShowInactiveChrome();
    QVERIFY(!window.focusFlag());
    QCOMPARE(window.findChild<Picture*>("BTopLeft")->pixmap().cacheKey(),
             skin_.picture("border_white_top_left.bmp").cacheKey());
    QCOMPARE(window.findChild<Picture*>("imgProgClose")->pixmap().cacheKey(),
             skin_.picture("prog_white_close.bmp").cacheKey());
    // While inactive, hovering the title-bar buttons leaves their white faces.
    auto* close = window.findChild<Picture*>("imgProgClose");
    window.UpdateTitleButtonHover(close->mapToGlobal(QPoint(2, 2)));
    QCOMPARE(close->pixmap().cacheKey(), skin_.picture("prog_white_close.bmp").cacheKey());
    window.ShowActiveChrome();
    QCOMPARE(window.findChild<Picture*>("BTopLeft")->pixmap().cacheKey(),
             skin_.picture("border_top_left.bmp").cacheKey());
  }
};

QTEST_MAIN(ChromeTest)
#include "chrome_test.moc"
