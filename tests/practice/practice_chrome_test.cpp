#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include "../support/practice_folder.h"
#include "../support/webengine_test_main.h"
#include "quillory/assets/embedded_package.h"
#include "quillory/platform/window_system.h"
#include "quillory/practice/answer_sheet.h"
#include "quillory/practice/practice_windows.h"
#include "quillory/results/result_file_check.h"
#include "quillory/results/result_files.h"

using namespace quillory;

// The practice window's frame and toolbar as the pupil handles them: faces that follow the
// mouse and the paper, a tick that does nothing while nothing changes, resizing by the corner.
class PracticeChromeTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  ContentPackage package_ = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  std::unique_ptr<Skin> skin_;
  QString response_;
  std::unique_ptr<PracticeWindows> windows_;

  std::filesystem::path folder() const { return dir_.path().toStdString(); }

  PracticeWindow* Open() {
    return windows_->Open({1, "QP", 30, 1, "Grammar", PaperKey::FromText("101"), 1});
  }

  qint64 Face(PracticeWindow* window, const char* name) {
    return window->findChild<Picture*>(QLatin1String(name))->pixmap().cacheKey();
  }
  qint64 Skinned(const char* name) { return skin_->picture(QLatin1String(name)).cacheKey(); }

  static void Send(QWidget* to, QEvent::Type type, QPoint global, Qt::MouseButtons held) {
    QMouseEvent event(type, to->mapFromGlobal(global), global,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(to, &event);
  }

 private slots:
  void init() {
    testing::PrepareDataFolder(package_, folder());
    skin_ = std::make_unique<Skin>(QString::fromStdString(GraphicsFolder(folder()).string()));
    windows_ = std::make_unique<PracticeWindows>(
        *skin_, PracticeWindow::Services{&package_, folder(), &response_, [] {},
                                         [](const QString&, const QString&, int,
                                            std::function<void(bool)> answered) { answered(true); },
                                         1});
  }

  void cleanup() {
    SetSystemMoveResize({});
    windows_->CloseAll();
    windows_.reset();
  }

  void theToolbarFollowsThePageWithoutATick() {
    PracticeWindow* window = Open();
    QVERIFY(window);
    QCOMPARE(Face(window, "ToolBar05"), Skinned("back_disabled.bmp"));
    QVERIFY(!window->findChild<QWidget*>("ToolBar05")->isEnabled());
    QCOMPARE(Face(window, "ToolBar06"), Skinned("forward_off.bmp"));
    window->GoToPage(window->paper().pageCount());
    QCOMPARE(Face(window, "ToolBar06"), Skinned("forward_disabled.bmp"));
    QVERIFY(!window->findChild<QWidget*>("ToolBar06")->isEnabled());
    QCOMPARE(Face(window, "ToolBar05"), Skinned("back_off.bmp"));
    auto* next = window->findChild<Picture*>("ToolBar05");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), next->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(next, &enter);
    QCOMPARE(Face(window, "ToolBar05"), Skinned("back_on.bmp"));
    QTest::mousePress(next, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(Face(window, "ToolBar05"), Skinned("back_pressed.bmp"));
  }

  void anIdleTickPutsNoPictureOnAnyButton() {
    PracticeWindow* window = Open();
    QVERIFY(window);
    auto changes = [window] {
      int sum = 0;
      for (const Picture* picture : window->findChildren<Picture*>()) sum += picture->faceChanges();
      return sum;
    };
    const int before = changes();
    for (int tick = 0; tick < 20; ++tick) window->PracticeTick();
    QCOMPARE(changes(), before);
  }

  void theCornerFollowsTheMouseWithoutALoopOfItsOwn() {
    PracticeWindow* window = Open();
    QVERIFY(window);
    window->showNormal();
    auto* sizer = window->findChild<QWidget*>("Sizer");
    const QPoint origin = window->pos();
    const QSize before = window->size();
    // A nested loop would run this before the press returned.
    bool ranDuringPress = false;
    QTimer::singleShot(0, this, [&] { ranDuringPress = true; });
    Send(sizer, QEvent::MouseButtonPress, sizer->mapToGlobal(QPoint(2, 2)), Qt::LeftButton);
    QVERIFY(!ranDuringPress);
    const QPoint corner = origin + QPoint(before.width() + 40, before.height() + 30);
    Send(sizer, QEvent::MouseMove, corner, Qt::LeftButton);
    QCOMPARE(window->size(), before + QSize(40, 30));
    // Never below the least size.
    Send(sizer, QEvent::MouseMove, origin + QPoint(10, 10), Qt::LeftButton);
    QCOMPARE(window->size(), window->minimumSize());
    Send(sizer, QEvent::MouseMove, corner, Qt::LeftButton);
    Send(sizer, QEvent::MouseButtonRelease, corner, {});
    Send(sizer, QEvent::MouseMove, corner + QPoint(50, 50), {});
    QCOMPARE(window->size(), before + QSize(40, 30));
    QTRY_VERIFY(ranDuringPress);
  }

  void aRefusedCharacterIsNotedWhereNoBoxIsCoveredForAFewSeconds() {
    PracticeWindow* window = Open();
    QVERIFY(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    AnswerSheet* sheet = window->answerSheet();
    QLineEdit* box = sheet->slot(1).answer;
    box->setFocus();
    QTest::keyClicks(box, ">");  // the answer files use it between fields
    auto* note = sheet->findChild<QLabel*>("lblRefused");
    QVERIFY(note);
    QTRY_VERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("That character cannot be used in an answer."));
    QVERIFY(!QToolTip::isVisible());
    // Clicks go through it, and it lies over no answer box.
    QVERIFY(note->testAttribute(Qt::WA_TransparentForMouseEvents));
    for (QLineEdit* other : sheet->findChildren<QLineEdit*>()) {
      if (!other->isVisible()) continue;
      const QRect place(other->mapTo(sheet, QPoint(0, 0)), other->size());
      QVERIFY2(!place.intersects(note->geometry()), qPrintable(other->objectName()));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!note->isVisible(), 8000);
  }

  void aWindowManagerThatResizesIsLeftToIt() {
    int asked = 0;
    Qt::Edges edges;
    SetSystemMoveResize({{}, [&](QWindow*, Qt::Edges from) {
                           ++asked;
                           edges = from;
                           return true;
                         }});
    PracticeWindow* window = Open();
    QVERIFY(window);
    auto* sizer = window->findChild<QWidget*>("Sizer");
    const QSize before = window->size();
    Send(sizer, QEvent::MouseButtonPress, sizer->mapToGlobal(QPoint(2, 2)), Qt::LeftButton);
    QCOMPARE(asked, 1);
    QCOMPARE(edges, Qt::BottomEdge | Qt::RightEdge);
    Send(sizer, QEvent::MouseMove, window->pos() + QPoint(2000, 2000), Qt::LeftButton);
    QCOMPARE(window->size(), before);
  }
};

QUILLORY_WEBENGINE_TEST_MAIN(PracticeChromeTest)
#include "practice_chrome_test.moc"
