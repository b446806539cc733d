#include "quillory/shell/pop_up.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTextLayout>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

#include "quillory/shell/picture.h"

using namespace quillory;

namespace {

const QString kUnanswered = QStringLiteral(
    "You have not answered all the questions.  Do you still want to mark your practice?");

QWidget* Part(QWidget* box, const char* name) {
  auto* widget = box->findChild<QWidget*>(QString::fromLatin1(name));
  if (widget == nullptr) qWarning("no control named %s", name);
  return widget;
}

// The text as the pupil reads it: without the zero-width breaks a long word may be given.
QString Text(QWidget* box, const char* name) {
  return static_cast<QLabel*>(Part(box, name))->text().remove(QChar(0x200B));
}

qint64 Face(QWidget* box, const char* name) {
  return static_cast<QLabel*>(Part(box, name))->pixmap().cacheKey();
}

}  // namespace

class PopUpTest : public QObject {
  Q_OBJECT

 private:
  Skin skin_{QStringLiteral(QUILLORY_SOURCE_DIR "/assets/graphics")};

  // The box as CallPop leaves it, over a master window at `masterRect`.
  std::unique_ptr<frmPopUp> Prepared(const QString& message, int buttons,
                                     const QRect& masterRect = {60, 40, 300, 220}) {
    master_->setGeometry(masterRect);
    auto box = std::make_unique<frmPopUp>(skin_);
    box->CallPop(QStringLiteral("Marking"), message, buttons, master_.get());
    return box;
  }

  // Runs `answer` on the box once the question is up, as the pupil would answer it. Should no
  // box come up modally, the test fails and the box is closed so that the question ends.
  // Asks as the windows do, with a callback, and waits for the answer as their flows resume on
  // it; writes it ("True" or "False") into `*response`. False, and nothing written, when the box
  // went unanswered with its master.
  bool AskAndWait(const QString& title, const QString& message, int buttons, QString* response) {
    std::optional<bool> answer;
    const QPointer<QWidget> master = master_.get();
    AskPopUpThen(skin_, master_.get(), title, message, buttons,
                 [&answer](bool yes) { answer = yes; });
    if (!QTest::qWaitFor([&] { return answer.has_value() || master.isNull(); }, 10000)) {
      return false;
    }
    if (answer && response != nullptr) {
      *response = *answer ? QStringLiteral("True") : QStringLiteral("False");
    }
    return answer.value_or(false);
  }

  void WhenAsked(std::function<void(QWidget* box)> answer) {
    QTimer::singleShot(0, this, [this, answer] {
      QWidget* box = QApplication::activeModalWidget();
      if (box == nullptr || box->objectName() != QStringLiteral("frmPopUp")) {
        askedModally_ = false;
        for (QWidget* window : QApplication::topLevelWidgets()) {
          if (window->objectName() == QStringLiteral("frmPopUp")) window->close();
        }
        return;
      }
      askedModally_ = box->windowModality() == Qt::WindowModal &&
                      box->parentWidget() == master_.get() && box->isVisible();
      answer(box);
    });
  }

  std::unique_ptr<QWidget> master_;
  bool askedModally_ = false;

 private slots:
  void init() {
    master_ = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    master_->setGeometry(60, 40, 300, 220);
    askedModally_ = false;
  }

  void buttons_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("message");
    QTest::newRow("notice, short") << 1 << QStringLiteral("Paper saved");
    QTest::newRow("notice, long") << 1 << kUnanswered;
    QTest::newRow("question, short") << 2 << QStringLiteral("Confirm?");
    QTest::newRow("question, long") << 2 << kUnanswered;
  }

  void buttons() {
    QFETCH(int, buttons);
    QFETCH(QString, message);
    auto box = Prepared(message, buttons);
    QCOMPARE(box->size(), QSize(265, 150));
    QCOMPARE(Part(box.get(), "ImgInfo")->geometry(), QRect(16, 28 + 16, 32, 27));
    QCOMPARE(Part(box.get(), "lblMessage")->geometry().left(), 16 + 32 + 10);
    QCOMPARE(Part(box.get(), "lblMessage")->width(), 192);
    QWidget* yes = Part(box.get(), "But1");
    QWidget* no = Part(box.get(), "But2");
    QCOMPARE(yes->size(), QSize(80, 25));
    QCOMPARE(yes->geometry().bottom() + 1, 150 - 16);
    QCOMPARE(no->y(), yes->y());
    QCOMPARE(no->isVisibleTo(box.get()), buttons == 2);
    if (buttons == 1) {
      const int leftRoom = yes->x();
      const int rightRoom = box->width() - (yes->x() + yes->width());
      QVERIFY2(qAbs(leftRoom - rightRoom) <= 1, qPrintable(QString::number(leftRoom)));
      QCOMPARE(Text(box.get(), "But1_lbl"), QStringLiteral("OK"));
    } else {
      QCOMPARE(yes->x(), Part(box.get(), "lblMessage")->x());
      QCOMPARE(no->x(), yes->x() + yes->width() + 10);
      QCOMPARE(Text(box.get(), "But1_lbl"), QStringLiteral("Yes"));
      QCOMPARE(Text(box.get(), "But2_lbl"), QStringLiteral("No"));
    }
    for (const char* caption : {"But1_lbl", "But2_lbl"}) {
      QCOMPARE(Part(box.get(), caption)->geometry(), yes->rect());
    }
  }

  void messageDrop_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("drop");
    QTest::newRow("32 characters") << QString(32, QLatin1Char('a')) << 7;
    QTest::newRow("33 characters") << QString(33, QLatin1Char('a')) << 0;
  }

  void messageDrop() {
    QFETCH(QString, message);
    QFETCH(int, drop);
    auto box = Prepared(message, 2);
    QCOMPARE(Part(box.get(), "lblMessage")->y(), Part(box.get(), "ImgInfo")->y() + drop);
    QCOMPARE(Text(box.get(), "lblMessage"), message);
  }

  void longMessageIsShownWhole() {
    auto box = Prepared(kUnanswered, 2);
    auto* label = static_cast<QLabel*>(Part(box.get(), "lblMessage"));
    QVERIFY(label->wordWrap());
    QVERIFY(label->heightForWidth(label->width()) > label->fontMetrics().lineSpacing());
    QVERIFY(label->heightForWidth(label->width()) <= label->height());
    QVERIFY(label->geometry().bottom() < Part(box.get(), "But1")->y());
  }

  // The notices of a failed erase name a file by its whole path, then give the reason.
  void longNoticesAreShownWhole_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk")
        << QStringLiteral(
               "Your results were not erased, because a copy of them could not be kept first:\n\n"
               "Could not write \"/home/pupil/.local/share/quillory/erased-2026-12-09-141500/"
               "marks1QP.txt\": No space left on device.")
        << QStringLiteral("No space left on device");
    QTest::newRow("read-only folder")
        << QStringLiteral(
               "Some results could not be erased:\n\nCould not write \"/media/pupil/USB STICK/"
               "quillory-data-folder-for-the-whole-family/marks1QP.txt\": Read-only file system.")
        << QStringLiteral("Read-only file system");
    QTest::newRow("a name too long for a line")
        << QStringLiteral(
               "Could not write \"/home/Maximilianbartholomewfitzgeraldmontgomery/"
               "marks1QP.txt\": No space left on device.")
        << QStringLiteral("No space left on device");
    QTest::newRow("unanswered") << kUnanswered << QStringLiteral("mark your practice?");
  }

  void longNoticesAreShownWhole() {
    QFETCH(QString, message);
    QFETCH(QString, reason);
    auto box = Prepared(message, 1);
    auto* label = static_cast<QLabel*>(Part(box.get(), "lblMessage"));
    const QString shown = Text(box.get(), "lblMessage");
    QCOMPARE(shown, message);
    QVERIFY(shown.contains(reason));
    // Laid out as the label lays it out, every line fits its width and all lines its height.
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(label->width());
      QVERIFY2(line.naturalTextWidth() <= label->width(),
               qPrintable(label->text().mid(line.textStart(), line.textLength())));
      height += line.height();
    }
    layout.endLayout();
    QVERIFY2(height <= label->height() + 1, qPrintable(QString::number(label->height())));
    QWidget* ok = Part(box.get(), "But1");
    QVERIFY(label->geometry().bottom() < ok->y());
    QCOMPARE(ok->geometry().bottom() + 1, box->height() - 16);
    QCOMPARE(box->width(), 265);
    QVERIFY(box->height() >= 150);
    QVERIFY(box->mask().contains(QPoint(box->width() / 2, box->height() - 2)));  // outline grew
  }

  void centredOnMaster_data() {
    QTest::addColumn<QRect>("master");
    QTest::newRow("moved") << QRect(60, 40, 300, 220);
    QTest::newRow("larger, elsewhere") << QRect(30, 60, 340, 230);
  }

  void centredOnMaster() {
    QFETCH(QRect, master);
    auto box = Prepared(QStringLiteral("Confirm?"), 2, master);
    QCOMPARE(box->pos(), QPoint(master.left() + (master.width() - 265) / 2,
                                master.top() + (master.height() - 150) / 2));
  }

  void staysOnScreenWithMasterHalfOff() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    auto box = Prepared(QStringLiteral("Confirm?"), 2,
                        QRect(screen.right() - 100, screen.bottom() - 50, 500, 400));
    QVERIFY(screen.contains(box->frameGeometry()));
  }

  void outline() {
    auto box = Prepared(QStringLiteral("Confirm?"), 2);
    const int w = 265, h = 150;
    const QList<QPoint> expected = {{0, 5},     {1, 3},         {2, 2},         {3, 1},     {5, 0},
                                    {w - 5, 0}, {w - 3, 1},     {w - 2, 2},     {w - 2, 3}, {w, 5},
                                    {w, h - 7}, {w - 2, h - 3}, {w - 3, h - 2}, {w - 7, h}, {7, h},
                                    {3, h - 2}, {2, h - 3},     {0, h - 7}};
    QCOMPARE(box->mask(), QRegion(QPolygon(expected), Qt::WindingFill));
  }

  void hoverFaces() {
    auto box = Prepared(QStringLiteral("Confirm?"), 2);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    const qint64 on = skin_.picture(QStringLiteral("button_on.bmp")).cacheKey();
    const qint64 off = skin_.picture(QStringLiteral("button_off.bmp")).cacheKey();
    auto enter = [&](const char* name) {
      QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
      QApplication::sendEvent(Part(box.get(), name), &event);
    };
    auto leave = [&](const char* name) {
      QEvent event(QEvent::Leave);
      QApplication::sendEvent(Part(box.get(), name), &event);
    };
    QCOMPARE(Face(box.get(), "But1"), off);
    enter("But2");
    QCOMPARE(Face(box.get(), "But2"), on);
    QCOMPARE(Face(box.get(), "But1"), off);
    leave("But2");
    enter("But1");
    QCOMPARE(Face(box.get(), "But1"), on);
    QCOMPARE(Face(box.get(), "But2"), off);
  }

  void titleBarDrags_data() {
    QTest::addColumn<QString>("grip");
    QTest::newRow("title text") << QStringLiteral("lblTitle");
    QTest::newRow("middle of the bar") << QStringLiteral("BTopCentre");
  }

  void titleBarDrags() {
    QFETCH(QString, grip);
    auto box = Prepared(QStringLiteral("Confirm?"), 2);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    const QPoint start = box->pos();
    QWidget* piece = box->findChild<QWidget*>(grip);
    const QPoint at = piece->geometry().center();
    // The control the window system hands the press to: the title text must let it through.
    QWidget* pressed = box->childAt(at);
    QVERIFY(pressed != nullptr);
    QVERIFY(pressed->objectName().startsWith(QStringLiteral("BTop")));
    QCursor::setPos(box->mapToGlobal(at));
    QTest::mousePress(pressed, Qt::LeftButton, {}, pressed->mapFrom(box.get(), at));
    // The pressed piece keeps the mouse until the release.
    const QPoint to = pressed->mapFrom(box.get(), at + QPoint(30, 20));
    QTest::mouseMove(pressed, to);
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, to);
    QCOMPARE(box->pos(), start + QPoint(30, 20));
  }

  void answers_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("yes");
    auto row = [](const char* name, int buttons, const char* action, bool yes) {
      QTest::newRow(name) << buttons << QString::fromLatin1(action) << yes;
    };
    row("OK", 1, "But1", true);
    row("OK caption", 1, "But1_lbl", true);
    row("Enter on a notice", 1, "Return", true);
    row("Yes", 2, "But1", true);
    row("Yes caption", 2, "But1_lbl", true);
    row("No", 2, "But2", false);
    row("No caption", 2, "But2_lbl", false);
    row("Escape", 2, "Escape", false);
    row("Escape on a notice is its OK", 1, "Escape", true);
    row("Enter on a question is Yes", 2, "Return", true);
    row("Space on a question is Yes", 2, "Space", true);
    row("Tab to No, then Enter", 2, "Tab Return", false);
    row("Tab to No and back, then Space", 2, "Tab Backtab Space", true);
    row("closed by the program", 2, "close", false);
    row("closed by the window manager", 2, "window close", false);
  }

  void answers() {
    QFETCH(int, buttons);
    QFETCH(QString, action);
    QFETCH(bool, yes);
    WhenAsked([action](QWidget* box) {
      if (action == QStringLiteral("Escape")) {
        QTest::keyClick(box, Qt::Key_Escape);
      } else if (action.contains(QStringLiteral("Return")) ||
                 action.contains(QStringLiteral("Space"))) {
        // Keys go where the pupil's keys go: to the control that has the focus.
        for (const QString& key : action.split(QLatin1Char(' '))) {
          QWidget* focused = box->focusWidget();
          QWidget* target = focused != nullptr ? focused : box;
          const Qt::Key code = key == QStringLiteral("Tab")       ? Qt::Key_Tab
                               : key == QStringLiteral("Backtab") ? Qt::Key_Backtab
                               : key == QStringLiteral("Space")   ? Qt::Key_Space
                                                                  : Qt::Key_Return;
          QTest::keyClick(target, code);
        }
      } else if (action == QStringLiteral("close")) {
        box->close();
      } else if (action == QStringLiteral("window close")) {
        box->windowHandle()->close();
      } else {
        QTest::mouseClick(Part(box, qPrintable(action)), Qt::LeftButton);
      }
    });
    // The answer of an earlier question, the opposite of this one's, must not come through.
    QString response = yes ? QStringLiteral("False") : QStringLiteral("True");
    QCOMPARE(AskAndWait(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), buttons,
                        &response),
             yes);
    QVERIFY(askedModally_);
    QCOMPARE(response, yes ? QStringLiteral("True") : QStringLiteral("False"));
    QVERIFY(master_->findChildren<frmPopUp*>().isEmpty());
  }

  void aCallerDestroyedDuringTheQuestionIsToldNothing() {
    master_->show();
    WhenAsked([this](QWidget*) { master_.reset(); });
    QString response = QStringLiteral("True");
    QVERIFY(
        !AskAndWait(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, &response));
    QVERIFY(askedModally_);
    QCOMPARE(response, QStringLiteral("True"));
  }

  void aQuestionWithACallbackReturnsAtOnceAndAnswersLater_data() {
    QTest::addColumn<bool>("callerGoes");
    QTest::newRow("answered") << false;
    QTest::newRow("caller destroyed first") << true;
  }
  void aQuestionWithACallbackReturnsAtOnceAndAnswersLater() {
    QFETCH(bool, callerGoes);
    QPointer<QWidget> caller = new QWidget;
    caller->setGeometry(60, 40, 300, 220);
    caller->show();
    int answers = 0;
    bool yes = false;
    AskPopUpThen(skin_, caller, QStringLiteral("Marking"),
                 QStringLiteral("Do you want to mark your practice now?"), 2, [&](bool answer) {
                   ++answers;
                   yes = answer;
                 });
    auto* box = caller->findChild<frmPopUp*>();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(answers, 0);
    if (callerGoes) {
      delete caller;
      QTest::qWait(0);
      QCOMPARE(answers, 0);
      return;
    }
    QTest::mouseClick(Part(box, "But1"), Qt::LeftButton);
    QCOMPARE(answers, 1);
    QVERIFY(yes);
    QTRY_VERIFY(caller->findChildren<frmPopUp*>().isEmpty());
    delete caller;
  }

  void theFirstButtonHasTheKeyboardAndSaysWhatItIs() {
    WhenAsked([](QWidget* box) {
      auto* yes = qobject_cast<Picture*>(Part(box, "But1"));
      auto* no = qobject_cast<Picture*>(Part(box, "But2"));
      QVERIFY(yes->isButton() && no->isButton());
      QTRY_VERIFY(yes->hasFocus());
      QCOMPARE(yes->accessibleName(), QStringLiteral("Yes"));
      QCOMPARE(no->accessibleName(), QStringLiteral("No"));
      QTest::keyClick(yes, Qt::Key_Space);
    });
    QString response;
    QVERIFY(AskAndWait(QStringLiteral("Marking"),
                       QStringLiteral("Do you want to mark your practice now?"), 2, &response));
  }

  void laterQuestionDoesNotInheritAnswer() {
    QString response;
    WhenAsked([](QWidget* box) { QTest::mouseClick(Part(box, "But1"), Qt::LeftButton); });
    QVERIFY(AskAndWait(QStringLiteral("Marking"),
                       QStringLiteral("Do you want to mark your practice now?"), 2, &response));
    WhenAsked([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QVERIFY(
        !AskAndWait(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2, &response));
    QCOMPARE(response, QStringLiteral("False"));
  }
};

QTEST_MAIN(PopUpTest)
#include "pop_up_test.moc"
