#include <QtTest>

#include "quillory/platform/screen_units.h"
#include "quillory/platform/window_system.h"
#include "quillory/shell/border_canvas.h"
#include "quillory/shell/skinned_window.h"

using namespace quillory;

class ChromeTest : public QObject {
  Q_OBJECT

 private:
  Skin skin_{QStringLiteral(QUILLORY_SOURCE_DIR "/assets/graphics")};

 private slots:
  void aButtonChangesItsFaceByItsOwnEvents_data() {
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("face");
    QTest::newRow("untouched") << QStringList{} << "home_off.bmp";
    QTest::newRow("cursor over it") << QStringList{"enter"} << "home_on.bmp";
    QTest::newRow("cursor gone again") << QStringList{"enter", "leave"} << "home_off.bmp";
    QTest::newRow("held down") << QStringList{"enter", "press"} << "home_pressed.bmp";
    QTest::newRow("held and moved off")
        << QStringList{"enter", "press", "move off"} << "home_off.bmp";
    QTest::newRow("held, off and back")
        << QStringList{"enter", "press", "move off", "move on"} << "home_pressed.bmp";
    QTest::newRow("released over it") << QStringList{"enter", "press", "release"} << "home_on.bmp";
    QTest::newRow("released off it")
        << QStringList{"enter", "press", "move off", "release off"} << "home_off.bmp";
    QTest::newRow("a right press is no press")
        << QStringList{"enter", "right press"} << "home_on.bmp";
    QTest::newRow("disabled under the cursor")
        << QStringList{"enter", "disable"} << "forward_disabled.bmp";
  }
  void aButtonChangesItsFaceByItsOwnEvents() {
    QFETCH(QStringList, events);
    QFETCH(QString, face);
    QWidget window;
    window.resize(200, 200);
    Picture button(&window, QStringLiteral("ToolBar01"));
    button.setGeometry(20, 30, 44, 45);
    button.setFaces(skin_.picture("home_off.bmp"), skin_.picture("home_on.bmp"),
                    skin_.picture("home_pressed.bmp"), skin_.picture("forward_disabled.bmp"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto mouse = [&](QEvent::Type type, Qt::MouseButton which, QPoint at) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : which;
      QMouseEvent event(type, at, button.mapToGlobal(at), which, held, Qt::NoModifier);
      QApplication::sendEvent(&button, &event);
    };
    for (const QString& step : events) {
      if (step == "enter") {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button.mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(&button, &enter);
      } else if (step == "leave") {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
      } else if (step == "press") {
        mouse(QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
      } else if (step == "right press") {
        mouse(QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
      } else if (step == "move off") {
        mouse(QEvent::MouseMove, Qt::LeftButton, {50, 5});  // x 44 is already outside
      } else if (step == "move on") {
        mouse(QEvent::MouseMove, Qt::LeftButton, {43, 44});
      } else if (step == "release") {
        mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5});
      } else if (step == "release off") {
        mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {50, 5});
      } else if (step == "disable") {
        button.setEnabled(false);
      } else if (step == "enable") {
        button.setEnabled(true);
      }
    }
    QCOMPARE(button.pixmap().cacheKey(), skin_.picture(face).cacheKey());
  }

  void settingTheSameFacesAgainPutsNoPictureOnTheButton() {
    Picture button(nullptr, QStringLiteral("ToolBar01"));
    button.setFaces(skin_.picture("home_off.bmp"), skin_.picture("home_on.bmp"));
    const int changes = button.faceChanges();
    for (int tick = 0; tick < 10; ++tick) {
      button.setFaces(skin_.picture("home_off.bmp"), skin_.picture("home_on.bmp"));
    }
    QCOMPARE(button.faceChanges(), changes);
  }

  // Presses and drags on the title bar, with a window manager that moves windows (or cannot),
  // standing in for the real one so that what is asked of it can be seen.
  void theTitleBarMovesTheWindowOnlyWhileItsButtonIsHeld_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("dragged");
    QTest::addColumn<bool>("systemMoves");
    QTest::addColumn<int>("askedOfSystem");
    QTest::addColumn<QPoint>("movedBy");
    QTest::newRow("quick left click") << int(Qt::LeftButton) << false << true << 0 << QPoint();
    QTest::newRow("quick right click") << int(Qt::RightButton) << false << true << 0 << QPoint();
    QTest::newRow("left drag") << int(Qt::LeftButton) << true << true << 1 << QPoint();
    QTest::newRow("left drag, no window manager")
        << int(Qt::LeftButton) << true << false << 1 << QPoint(30, 20);
    QTest::newRow("right drag") << int(Qt::RightButton) << true << true << 0 << QPoint(30, 20);
    QTest::newRow("middle drag") << int(Qt::MiddleButton) << true << true << 0 << QPoint(30, 20);
  }
  void theTitleBarMovesTheWindowOnlyWhileItsButtonIsHeld() {
    QFETCH(int, button);
    QFETCH(bool, dragged);
    QFETCH(bool, systemMoves);
    QFETCH(int, askedOfSystem);
    QFETCH(QPoint, movedBy);
    int asked = 0;
    SetSystemMoveResize({[&](QWindow*) {
                           ++asked;
                           return systemMoves;
                         },
                         {}});
    SkinnedWindow window(skin_, FrameSkin{QStringLiteral("QXicon.ico")});
    window.LoadSkin();
    window.setGeometry(100, 100, 300, 200);
    window.LayoutFrame();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* bar = window.findChild<Picture*>("BTopCentre");
    const QPoint start = window.pos();
    const auto which = static_cast<Qt::MouseButton>(button);
    const QPoint grip = bar->mapToGlobal(QPoint(10, 5));
    auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButton changed,
                    Qt::MouseButtons held) {
      QMouseEvent event(type, bar->mapFromGlobal(global), global, changed, held, Qt::NoModifier);
      QApplication::sendEvent(bar, &event);
    };
    send(QEvent::MouseButtonPress, grip, which, which);
    if (dragged) send(QEvent::MouseMove, grip + QPoint(30, 20), Qt::NoButton, which);
    send(QEvent::MouseButtonRelease, grip + (dragged ? QPoint(30, 20) : QPoint()), which, {});
    QCOMPARE(asked, askedOfSystem);
    QCOMPARE(window.pos() - start, movedBy);
    // Once the button is up the window stays where it is, and the next click is a click.
    const QPoint after = window.pos();
    send(QEvent::MouseMove, grip + QPoint(80, 60), Qt::NoButton, {});
    QCOMPARE(window.pos(), after);
    SetSystemMoveResize({});
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
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(close, &enter);
    QCOMPARE(close->pixmap().cacheKey(), skin_.picture("prog_white_close.bmp").cacheKey());
    window.ShowActiveChrome();
    QCOMPARE(close->pixmap().cacheKey(), skin_.picture("prog_blue_close.bmp").cacheKey());
    QCOMPARE(window.findChild<Picture*>("BTopLeft")->pixmap().cacheKey(),
             skin_.picture("border_top_left.bmp").cacheKey());
  }
};

QTEST_MAIN(ChromeTest)
#include "chrome_test.moc"
