#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QtTest>
#include <functional>

#include "../support/practice_folder.h"
#include "../support/webengine_test_main.h"
#include "program_windows.h"
#include "quillory/assets/embedded_package.h"
#include "quillory/content/file_io.h"
#include "quillory/content/paper_tables.h"
#include "quillory/marking/answer_check.h"
#include "quillory/platform/windows1252.h"
#include "quillory/shell/picture.h"

using namespace quillory;

// A pupil who uses the keyboard alone: every step below is a key pressed where the keyboard is,
// in the window that has it, as the desktop delivers it.
class KeyboardWalkTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  ContentPackage package_ = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  std::unique_ptr<ProgramWindows> windows_;

  std::filesystem::path folder() const { return dir_.path().toStdString(); }

  // The window in front: a question, else the open paper, else the home window. Where no window
  // manager hands it the keyboard, the test does, as one would.
  QWidget* Front() const {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr && windows_->practice().current() != nullptr &&
        windows_->practice().current()->isVisible()) {
      window = windows_->practice().current();
    }
    if (window == nullptr) window = &windows_->contents();
    if (!window->isActiveWindow()) {
      window->activateWindow();
      [&] { QVERIFY(QTest::qWaitForWindowActive(window)); }();
    }
    return window;
  }

  // The control that has the keyboard: the focused one of the window in front.
  QWidget* KeyboardTarget() const {
    QWidget* window = Front();
    QWidget* focused = window->focusWidget();
    return focused != nullptr ? focused : window;
  }

  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(KeyboardTarget(), key, modifiers);
  }

  void Type(const QString& text) {
    for (QChar c : text) {
      QTest::keyClick(KeyboardTarget(), c.toLatin1());
    }
  }

  // Tab until the control named `name` has the keyboard; false after a round of every control.
  bool TabTo(const QString& name, Qt::Key key = Qt::Key_Tab) {
    for (int i = 0; i < 60; ++i) {
      if (QWidget* target = KeyboardTarget(); target != nullptr && target->objectName() == name) {
        return true;
      }
      Press(key);
    }
    return false;
  }

  // Presses `key` on the pop-up the next step opens, once it is there: the answer comes from the
  // keyboard too.
  void AnswerNextQuestionWith(Qt::Key key, QString* asked) {
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, [watch, key, asked] {
      QWidget* box = QApplication::activeModalWidget();
      if (box == nullptr) return;
      watch->stop();
      watch->deleteLater();
      *asked = box->windowTitle();
      QTest::keyClick(box->focusWidget() != nullptr ? box->focusWidget() : box, key);
    });
    watch->start(10);
  }

  std::string Line(const std::string& file, const std::string& key) {
    const std::string bytes = ReadWholeFile(folder() / file).value();
    for (std::string_view line : SplitLines(bytes)) {
      if (line.rfind("#" + key + "#", 0) == 0) return std::string(line);
    }
    return "<none>";
  }

 private slots:
  void init() {
    testing::PrepareDataFolder(package_, folder());
    PracticeWindow::Services services{};
    services.animationStep = 1;
    windows_ = std::make_unique<ProgramWindows>(package_, folder(), services);
    QVERIFY(windows_->contents().Form_Load());
    windows_->contents().show();
    windows_->contents().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&windows_->contents()));
  }

  void cleanup() {
    windows_->practice().CloseAll();
    windows_.reset();
  }

  void aWholePaperIsTakenWithoutTheMouse() {
    Contents& home = windows_->contents();
    // Mathematics, its second topic and back to the first.
    Press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(home.state().txtTabPos, 2);
    QCOMPARE(KeyboardTarget()->objectName(), QStringLiteral("Topic1"));
    Press(Qt::Key_Down);
    QCOMPARE(home.state().TopicCount, 6);
    Press(Qt::Key_Up);
    QCOMPARE(home.state().TopicCount, 1);
    QVERIFY(TabTo(QStringLiteral("P1a")));
    Press(Qt::Key_Return);
    PracticeWindow* paper = nullptr;
    QTRY_VERIFY((paper = windows_->practice().current()) != nullptr);
    QTRY_COMPARE(KeyboardTarget()->objectName(), QStringLiteral("FA1"));

    // Every blank of the first page, Enter after each: the last Enter turns the page.
    const auto tables = LoadPaperTables(package_, folder(), 2, "101");
    QVERIFY(tables.ok());
    const int onFirstPage = tables->blanksPerPage.front();
    for (int b = 0; b < onFirstPage; ++b) {
      Type(FromWindows1252(tables->answerKeys[static_cast<std::size_t>(b)]));
      Press(Qt::Key_Return);
    }
    QTRY_COMPARE(paper->currentPage(), 2);
    Press(Qt::Key_PageUp);
    QCOMPARE(paper->currentPage(), 1);
    Press(Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(paper->currentPage(), 2);
    Press(Qt::Key_Left, Qt::AltModifier);
    Press(Qt::Key_PageDown);
    QCOMPARE(paper->currentPage(), 2);

    QString asked;
    asked.clear();
    AnswerNextQuestionWith(Qt::Key_Return, &asked);
    Press(Qt::Key_S, Qt::ControlModifier);
    QTRY_COMPARE(asked, QStringLiteral("Quillory"));  // "Paper saved", dismissed with Enter
    const std::string stored = Line("first2QP.txt", "101");
    QVERIFY2(stored.rfind("#101#>" + tables->answerKeys[0], 0) == 0, stored.c_str());

    asked.clear();
    AnswerNextQuestionWith(Qt::Key_Return, &asked);
    Press(Qt::Key_M, Qt::ControlModifier);
    QTRY_COMPARE(asked, QStringLiteral("Marking"));
    QTRY_VERIFY(paper->paper().marked);
    Press(Qt::Key_PageUp);
    QCOMPARE(paper->answerSheet()->slot(1).firstGlyph->accessibleName(), QStringLiteral("right"));
    QVERIFY(Line("fresults2QP.txt", "101").rfind("#101#>" + std::string(kTick), 0) == 0);
    QVERIFY(Line("marks2QP.txt", "FST").rfind("#FST#>1>", 0) == 0);

    QPointer<PracticeWindow> closing = paper;
    asked.clear();
    AnswerNextQuestionWith(Qt::Key_Return, &asked);
    Press(Qt::Key_Escape);
    QTRY_COMPARE(asked, QStringLiteral("Close Practice"));
    QTRY_VERIFY(closing.isNull());

    // The retry, from the home window's keyboard.
    QCOMPARE(Front(), static_cast<QWidget*>(&home));
    QVERIFY(TabTo(QStringLiteral("P1b")));
    Press(Qt::Key_Space);
    QTRY_VERIFY((paper = windows_->practice().current()) != nullptr);
    QCOMPARE(paper->objectName(), QStringLiteral("Test2"));
    QCOMPARE(Front(), static_cast<QWidget*>(paper));
    closing = paper;
    asked.clear();
    AnswerNextQuestionWith(Qt::Key_Return, &asked);
    Press(Qt::Key_Escape);
    QTRY_VERIFY(closing.isNull());

    // Help, its Trash, and No: nothing is erased.
    QCOMPARE(Front(), static_cast<QWidget*>(&home));
    Press(Qt::Key_Tab, Qt::ControlModifier);
    Press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(home.state().txtTabPos, 4);
    QVERIFY(TabTo(QStringLiteral("ToolBar02")));
    Press(Qt::Key_Return);
    QVERIFY(TabTo(QStringLiteral("ButTrash")));
    Press(Qt::Key_Return);
    QVERIFY(TabTo(QStringLiteral("ButTrash_No")));
    Press(Qt::Key_Return);
    QTRY_VERIFY(home.findChild<QWidget*>("ButTrash")->isVisible());
    QVERIFY(Line("marks2QP.txt", "FST").rfind("#FST#>1>", 0) == 0);
  }

  // What a screen reader is given: every control the keyboard reaches has a name and a role that
  // says what it is, in the home window on each tab and in a marked practice window.
  void everyControlTheKeyboardReachesIsNamed() {
    Contents& home = windows_->contents();
    QStringList unnamed;
    int controls = 0;
    const auto check = [&](QWidget* window) {
      for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (qobject_cast<QWebEngineView*>(widget->parentWidget()) != nullptr) continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(face != nullptr);
        ++controls;
        if (face->text(QAccessible::Name).trimmed().isEmpty()) unnamed << widget->objectName();
        if (qobject_cast<Picture*>(widget) != nullptr) {
          QVERIFY2(face->role() == QAccessible::Button, qPrintable(widget->objectName()));
        }
      }
    };
    for (int tab = 1; tab <= 4; ++tab) {
      home.TabClick(tab);
      check(&home);
    }
    home.TabClick(1);
    home.OpenPaperWindow(0, 1);
    PracticeWindow* paper = nullptr;
    QTRY_VERIFY((paper = windows_->practice().current()) != nullptr);
    check(paper);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    QVERIFY(controls > 40);
    QCOMPARE(paper->findChild<QLineEdit*>("FA1")->accessibleName(), QStringLiteral("Answer (a)"));
  }
};

QUILLORY_WEBENGINE_TEST_MAIN(KeyboardWalkTest)
#include "keyboard_walk_test.moc"
