#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QtTest>

#include "../support/practice_folder.h"
#include "../support/webengine_test_main.h"
#include "quillory/assets/embedded_package.h"
#include "quillory/content/file_io.h"
#include "quillory/content/paper_tables.h"
#include "quillory/marking/answer_check.h"
#include "quillory/platform/screen_units.h"
#include "quillory/platform/windows1252.h"
#include "quillory/practice/page_view.h"
#include "quillory/practice/practice_windows.h"
#include "quillory/results/result_erasing.h"
#include "quillory/results/result_file_check.h"
#include "quillory/results/result_files.h"

using namespace quillory;

// Takes papers of the shipped content as a pupil does, and checks what the windows show and
// what the result files hold.
class PracticeWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  ContentPackage package_ = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  std::unique_ptr<Skin> skin_;
  QString response_;
  int refreshed_ = 0;
  QStringList asked_;
  bool answerYes_ = true;
  std::function<void()> whileAsked_;  // what happens while the pupil is being asked
  std::unique_ptr<PracticeWindows> windows_;

  std::filesystem::path folder() const { return dir_.path().toStdString(); }

  PracticeWindow* Open(const char* key, int attempt = 1, int subject = 1) {
    const char* topic = subject == 1   ? "Grammar"
                        : subject == 2 ? "Whole Numbers"
                                       : "The Three States of Matter";
    PracticeWindow* window = windows_->Open(
        {subject, "QP", subject == 1 ? 30 : 35, 1, topic, PaperKey::FromText(key), attempt});
    return window;
  }

  QLineEdit* Box(PracticeWindow* window, int n) {
    return window->findChild<QLineEdit*>(QStringLiteral("FA%1").arg(n));
  }
  QStringList Remaining(PracticeWindow* window) {
    QStringList pages;
    auto* list = window->findChild<QComboBox*>("RemQns");
    for (int i = 0; i < list->count(); ++i) pages << list->itemText(i);
    return pages;
  }
  std::string Line(const std::string& file, const std::string& key) {
    const std::string bytes = ReadWholeFile(folder() / file).value();
    for (std::string_view line : SplitLines(bytes)) {
      if (line.rfind("#" + key + "#", 0) == 0) return std::string(line);
    }
    return "<none>";
  }
  // The text of the page on show once it has some, or empty.
  static QString PageText(PracticeWindow* window) {
    QWebEnginePage* page = window->pageView()->page();
    if (page == nullptr) return {};
    QString text;
    bool done = false;
    page->toPlainText([&](const QString& value) {
      text = value;
      done = true;
    });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 30000); }();
    return text;
  }
  // Marks the paper as the pupil does, saying Yes, and waits for the bars to fill.
  static void Mark(PracticeWindow* window) {
    window->MarkPaper();
    QTRY_VERIFY_WITH_TIMEOUT(!window->markingUnderWay(), 10000);
  }
  int PageFiles() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder())) {
      count += entry.path().filename().string().rfind("temppaper", 0) == 0;
    }
    return count;
  }

 private slots:
  void init() {
    testing::PrepareDataFolder(package_, folder());
    skin_ = std::make_unique<Skin>(QString::fromStdString(GraphicsFolder(folder()).string()));
    windows_ = std::make_unique<PracticeWindows>(
        *skin_, PracticeWindow::Services{&package_, folder(), &response_, [this] { ++refreshed_; },
                                         [this](const QString& title, const QString& message, int,
                                                std::function<void(bool)> answered) {
                                           asked_ << title + ": " + message;
                                           if (whileAsked_) std::exchange(whileAsked_, nullptr)();
                                           answered(answerYes_);
                                         },
                                         1});
    asked_.clear();
    answerYes_ = true;
    whileAsked_ = nullptr;
    refreshed_ = 0;
  }

  void cleanup() {
    windows_->CloseAll();
    windows_.reset();
  }

  void opensOnItsFirstPageWithEveryPageRemaining() {
    PracticeWindow* window = Open("101");
    QVERIFY(window);
    QCOMPARE(window->objectName(), QStringLiteral("Test1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Grammar - Paper 1"));
    QCOMPARE(window->findChild<QLabel*>("QnTitle")->text(), QStringLiteral("Question 1"));
    QCOMPARE(window->findChild<QLabel*>("lblTotalQ")->text(), QStringLiteral("30"));
    QCOMPARE(Remaining(window).size(), 30);
    QCOMPARE(Box(window, 1)->maxLength(), 1);                  // multiple choice: one digit
    QVERIFY(!window->findChild<QLabel*>("QL1")->isVisible());  // no "(a)" for a single blank
    window->PracticeTick();
    QVERIFY(!window->findChild<QWidget*>("ToolBar05")->isEnabled());  // Back on page 1
    QVERIFY(window->findChild<QWidget*>("ToolBar06")->isEnabled());
    QCOMPARE(PageFiles(), 1);
  }

  void nextStoresTheAnswerAndBackShowsItAgain() {
    PracticeWindow* window = Open("101");
    QTest::keyClicks(Box(window, 1), "2");
    window->NextQuestion();
    QCOMPARE(window->currentPage(), 2);
    QCOMPARE(window->findChild<QLabel*>("QnTitle")->text(), QStringLiteral("Question 2"));
    QVERIFY(Line("first1QP.txt", "101").rfind("#101#>2>", 0) == 0);
    QVERIFY(!Remaining(window).contains("1"));
    QCOMPARE(PageFiles(), 1);
    QVERIFY(std::filesystem::exists(folder() / "temppaper12002.mht"));
    window->PreviousQuestion();
    QCOMPARE(Box(window, 1)->text(), QStringLiteral("2"));
  }

  void answersRefuseWhatTheFilesCannotHold() {
    PracticeWindow* window = Open("101", 1, 3);
    window->GoToPage(2);
    QTest::keyClicks(Box(window, 1), "a>b");
    QCOMPARE(Box(window, 1)->text(), QStringLiteral("a"));  // one character: the rest refused
    Box(window, 1)->clear();
    Box(window, 1)->setMaxLength(32767);
    Box(window, 1)->insert(QStringLiteral("caf\u00e9 > \u4e2d"));
    QCOMPARE(Box(window, 1)->text(), QStringLiteral("caf\u00e9  "));
  }

  void saveClosesAndResumesOnPageOneWithTheAnswers() {
    PracticeWindow* window = Open("101");
    QTest::keyClicks(Box(window, 1), "3");
    window->SavePaper();
    QCOMPARE(asked_.last(), QStringLiteral("Quillory: Paper saved"));
    window->GoToPage(5);
    QTest::keyClicks(Box(window, 1), "4");  // typed, never stored
    window->ClosePaper();
    QCOMPARE(asked_.last(), QStringLiteral("Close Practice: Confirm?"));
    QTRY_VERIFY(windows_->current() == nullptr || !windows_->current()->isVisible());
    QCOMPARE(refreshed_, 1);
    QCOMPARE(PageFiles(), 0);
    window = Open("101");
    QCOMPARE(window->currentPage(), 1);
    QCOMPARE(Box(window, 1)->text(), QStringLiteral("3"));
    window->GoToPage(5);
    QCOMPARE(Box(window, 1)->text(), QString());
    QVERIFY(!Remaining(window).contains("1"));
  }

  // The home window unloads an open paper without asking when another paper is opened or the
  // program ends; what was typed on the page must not be lost then.
  void beingUnloadedWithoutAQuestionKeepsTheTypedAnswers_data() {
    QTest::addColumn<bool>("anotherPaper");
    QTest::newRow("another paper opened") << true;
    QTest::newRow("program ended") << false;
  }

  void beingUnloadedWithoutAQuestionKeepsTheTypedAnswers() {
    QFETCH(bool, anotherPaper);
    PracticeWindow* window = Open("101");
    window->GoToPage(3);
    QTest::keyClicks(Box(window, 1), "4");
    if (anotherPaper) {
      QVERIFY(Open("102"));
    } else {
      windows_->CloseAll();
    }
    QVERIFY(Line("first1QP.txt", "101").rfind("#101#>>>4>", 0) == 0);
    QCOMPARE(PageFiles(), anotherPaper ? 1 : 0);
    QVERIFY(!asked_.contains(QStringLiteral("Close Practice: Confirm?")));
  }

  void decliningToMarkKeepsTheAnswersButNotAScore() {
    PracticeWindow* window = Open("101");
    QTest::keyClicks(Box(window, 1), "2");
    answerYes_ = false;
    window->MarkPaper();
    QVERIFY(asked_.last().startsWith("Marking: You have not answered all the questions.  Do you"));
    QVERIFY(!window->paper().marked);
    QVERIFY(Line("first1QP.txt", "101").rfind("#101#>2>", 0) == 0);
    QVERIFY(Line("marks1QP.txt", "FST").rfind("#FST#>0>", 0) == 0);
  }

  void markingShowsTicksAndStoresTheAttempt() {
    PracticeWindow* window = Open("101");
    QTest::keyClicks(Box(window, 1), "2");  // 12001's key is 2
    window->NextQuestion();
    QTest::keyClicks(Box(window, 1), "9");
    Mark(window);
    QVERIFY(window->paper().marked);
    QCOMPARE(window->findChild<QLabel*>("PScoring")->text(), QStringLiteral("3.3"));
    QVERIFY(Box(window, 1)->isReadOnly());
    QVERIFY(window->findChild<QLabel*>("FR1")->isVisible());
    QVERIFY(!window->findChild<QWidget*>("TxtRem")->isVisible());
    QVERIFY(window->findChild<QLabel*>("LTime")->isVisible());
    const std::string results = Line("fresults1QP.txt", "101");
    QVERIFY(results.rfind("#101#>" + std::string(kTick) + ">" + std::string(kCross) + ">", 0) == 0);
    QVERIFY(Line("marks1QP.txt", "FSE").rfind("#FSE#>3.3>", 0) == 0);
    QCOMPARE(*ReadWholeFile(folder() / "trend1QP.txt"), std::string("#TRD#>3.3\r\n"));
    window->PracticeTick();
    QVERIFY(!window->findChild<QWidget*>("ToolBar01")->isEnabled());
    QVERIFY(!window->findChild<QWidget*>("ToolBar02")->isEnabled());
    QVERIFY(window->findChild<QWidget*>("ToolBar03")->isEnabled());
  }

  void aMarkingThatCannotBeStoredLeavesThePaperUnmarkedOnScreenAndOnDisk() {
    PracticeWindow* window = Open("101");
    QTest::keyClicks(Box(window, 1), "2");
    // The trend file turns unreadable after the paper was opened: a folder stands in its place.
    std::filesystem::remove(folder() / "trend1QP.txt");
    std::filesystem::create_directory(folder() / "trend1QP.txt");
    const std::string results = Line("fresults1QP.txt", "101");
    Mark(window);
    QVERIFY(asked_.last().startsWith("Marking: Your paper could not be marked: "));
    QVERIFY(asked_.last().contains("trend1QP.txt"));
    QVERIFY(asked_.last().contains("Nothing was marked"));
    QVERIFY(!window->paper().marked);
    QVERIFY(!Box(window, 1)->isReadOnly());
    QCOMPARE(Box(window, 1)->text(), QStringLiteral("2"));
    QVERIFY(!window->findChild<QLabel*>("FR1")->isVisible());
    QVERIFY(window->findChild<QWidget*>("TxtRem")->isVisible());
    QCOMPARE(window->findChild<QLabel*>("PScoring")->text(), QString());
    window->PracticeTick();
    QVERIFY(window->findChild<QWidget*>("ToolBar02")->isEnabled());
    QVERIFY(Line("marks1QP.txt", "FSE").rfind("#FSE#>>", 0) == 0);
    QVERIFY(Line("marks1QP.txt", "FST").rfind("#FST#>0>", 0) == 0);
    QCOMPARE(Line("fresults1QP.txt", "101"), results);
    QVERIFY(Line("first1QP.txt", "101").rfind("#101#>2>", 0) == 0);  // the answers stay stored
  }

  void theSecondAttemptCarriesRightAnswersOverAndShowsWhatWasExpected() {
    PracticeWindow* first = Open("101");
    QTest::keyClicks(Box(first, 1), "2");
    first->NextQuestion();
    QTest::keyClicks(Box(first, 1), "9");
    Mark(first);
    PracticeWindow* second = Open("101", 2);
    QCOMPARE(second->objectName(), QStringLiteral("Test2"));
    QCOMPARE(second->findChild<QLabel*>("Label1")->text(), QStringLiteral("Second Attempt"));
    QCOMPARE(Box(second, 1)->text(), QStringLiteral("2"));
    QVERIFY(Box(second, 1)->isReadOnly());
    QCOMPARE(Box(second, 1)->palette().color(QPalette::Base), QColor(192, 192, 255));
    QVERIFY(!Remaining(second).contains("1"));
    second->GoToPage(2);
    QVERIFY(!Box(second, 1)->isReadOnly());
    QCOMPARE(Box(second, 1)->text(), QString());
    Mark(second);
    QVERIFY(second->paper().marked);
    QVERIFY(second->findChild<QLineEdit*>("M1")->isVisible());  // still wrong: the key is shown
    QVERIFY(!second->findChild<QLineEdit*>("M1")->text().isEmpty());
    QVERIFY(Line("marks1QP.txt", "SST").rfind("#SST#>1>", 0) == 0);
    QVERIFY(Line("marks1QP.txt", "FSE").rfind("#FSE#>3.3>", 0) == 0);
    QCOMPARE(*ReadWholeFile(folder() / "trend1QP.txt"), std::string("#TRD#>3.3\r\n"));
  }

  // The worked answers would make the retry a copying exercise: they wait until no try is left,
  // and then follow the slot the pupil picks, in a panel below the slots.
  void theWorkedAnswersWaitUntilThePracticeIsOver() {
    const auto tables = LoadPaperTables(package_, folder(), 1, "111");
    QVERIFY(tables.ok());
    QCOMPARE(tables->explanations.size(), tables->answerKeys.size());
    const auto explanation = [&](int blank) {
      return FromWindows1252(tables->explanations[static_cast<std::size_t>(blank - 1)]);
    };
    PracticeWindow* first = Open("111");
    QTest::keyClicks(Box(first, 1), "x");
    auto* panel = first->findChild<QWidget*>("WorkedAnswer");
    QVERIFY(panel != nullptr);
    QVERIFY(!panel->isVisible());
    Mark(first);
    QVERIFY(first->paper().marked);
    QVERIFY(!panel->isVisible());  // a retry is offered
    PracticeWindow* second = Open("111", 2);
    panel = second->findChild<QWidget*>("WorkedAnswer");
    auto* text = second->findChild<QLabel*>("WorkedAnswerText");
    QVERIFY(!panel->isVisible());
    Mark(second);
    QTRY_VERIFY(panel->isVisible());
    QVERIFY(text->text().contains(QStringLiteral("Worked answer (a)")));
    QVERIFY(text->text().contains(explanation(1).toHtmlEscaped()));
    // It never covers a slot.
    auto* lastFrame = second->findChild<QWidget*>("Frame10");
    QVERIFY(panel->y() >= lastFrame->y() + lastFrame->height());
    QTest::mouseClick(Box(second, 4), Qt::LeftButton);
    QVERIFY(text->text().contains(QStringLiteral("Worked answer (d)")));
    QVERIFY(text->text().contains(explanation(4).toHtmlEscaped()));
    second->NextQuestion();
    QVERIFY(text->text().contains(explanation(11).toHtmlEscaped()));
    // Reopened, the first attempt shows them too: the practice is over.
    second->ClosePaper();
    PracticeWindow* again = Open("111");
    QTRY_VERIFY(again->findChild<QWidget*>("WorkedAnswer")->isVisible());
  }

  void aPageOfSeveralBlanksStacksItsSlots() {
    PracticeWindow* window = Open("104", 1, 3);
    const PaperChoice& choice = window->paper().choice;
    QCOMPARE(choice.paperKey.text(), std::string("104"));
    int page = 0;
    for (int p = 1; p <= window->paper().pageCount(); ++p) {
      if (window->paper().pages[static_cast<std::size_t>(p - 1)] == "18064") page = p;
    }
    QVERIFY(page > 0);
    window->GoToPage(page);
    const ScreenUnits u = ScreenUnits::ForWidget(window);
    for (int n = 1; n <= 6; ++n) {
      auto* frame = window->findChild<QWidget*>(QStringLiteral("Frame%1").arg(n));
      QVERIFY(frame->isVisible());
      QCOMPARE(frame->y(), u.y(50) + (n - 1) * (u.y(375) + u.y(105)));
    }
    QVERIFY(!window->findChild<QWidget*>("Frame7")->isVisible());
    QVERIFY(window->findChild<QLabel*>("QL1")->isVisible());
    QCOMPARE(window->findChild<QLabel*>("QL3")->text(), QStringLiteral("(c)"));
  }

  void hidingTheSheetWidensThePage() {
    PracticeWindow* window = Open("101");
    QWidget* page = window->findChild<QWidget*>("brwWebBrowser");
    QWidget* sheet = window->findChild<QWidget*>("AnsBox");
    const int before = page->width();
    window->ToggleAnswerSheet();
    QCOMPARE(page->width(), before + sheet->width());
    QCOMPARE(window->findChild<QWidget*>("ImgHandle")->toolTip(),
             QStringLiteral("Show answer sheet"));
    window->ToggleAnswerSheet();
    QCOMPARE(page->width(), before);
  }

  // A page that cannot be written out for the page view (here a folder stands in its way) must
  // not leave the page before on show under the next page's title and answer slots.
  void aPageThatCannotBeShownNeverPassesForThePageBefore() {
    PracticeWindow* window = Open("101");
    QTRY_VERIFY_WITH_TIMEOUT(PageText(window).contains("The cat"), 30000);
    std::filesystem::create_directory(folder() / "temppaper12002.mht");
    window->NextQuestion();
    QCOMPARE(window->findChild<QLabel*>("QnTitle")->text(), QStringLiteral("Question 2"));
    QTRY_VERIFY_WITH_TIMEOUT(PageText(window).contains("cannot be shown"), 30000);
    QVERIFY(!PageText(window).contains("The cat"));
    window->NextQuestion();
    QTRY_VERIFY_WITH_TIMEOUT(!PageText(window).contains("cannot be shown"), 30000);
    QVERIFY(!PageText(window).isEmpty());
  }

  // Whatever ends the paper while the bars fill ends the marking with it: the program goes on,
  // the window goes, and nothing is marked or written afterwards.
  void endingThePaperWhileItIsMarkedEndsTheMarking_data() {
    QTest::addColumn<QString>("how");
    for (const char* how :
         {"erase", "another paper", "own close", "window manager close", "home window close"}) {
      QTest::newRow(how) << QString::fromLatin1(how);
    }
  }

  void endingThePaperWhileItIsMarkedEndsTheMarking() {
    QFETCH(QString, how);
    windows_->CloseAll();
    PracticeWindow::Services services{&package_,
                                      folder(),
                                      &response_,
                                      [this] { ++refreshed_; },
                                      [this](const QString& title, const QString& message, int,
                                             std::function<void(bool)> answered) {
                                        asked_ << title + ": " + message;
                                        answered(answerYes_);
                                      },
                                      40};
    windows_ = std::make_unique<PracticeWindows>(*skin_, services);
    QPointer<PracticeWindow> window = Open("101");
    QTest::keyClicks(Box(window, 1), "2");
    window->MarkPaper();
    QVERIFY(window->markingUnderWay());
    if (how == "erase") {
      windows_->CloseAll();
      const SubjectCatalogue catalogue = *LoadProductHeader(package_, folder());
      QCOMPARE(EraseAllResults(package_, folder(), catalogue, "2026-12-09-101500").outcome,
               JointWriteOutcome::Written);
    } else if (how == "another paper") {
      QVERIFY(Open("102"));
    } else if (how == "own close") {
      window->ClosePaper();
    } else if (how == "window manager close") {
      window->close();
    } else {
      windows_->CloseAll();
    }
    QTRY_VERIFY(window.isNull());
    const std::string answers = how == "erase" ? "#101#>>" : "#101#>2>";
    QVERIFY(Line("first1QP.txt", "101").rfind(answers, 0) == 0);
    // The window and its timer are gone: nothing is left to mark the paper.
    QVERIFY(Line("marks1QP.txt", "FST").rfind("#FST#>0>", 0) == 0);
    QVERIFY(Line("marks1QP.txt", "FSE").rfind("#FSE#>>", 0) == 0);
    QVERIFY(Line("fresults1QP.txt", "101").rfind("#101#>>", 0) == 0);
    QCOMPARE(*ReadWholeFile(folder() / "trend1QP.txt"), std::string("#TRD#\r\n"));
    QVERIFY(!asked_.contains(QStringLiteral("Marking: Your paper could not be marked: ")));
  }

  // Saying No to the close question while the bars fill lets the marking finish.
  void keepingThePaperOpenWhileItIsMarkedLetsTheMarkingFinish() {
    PracticeWindow* window = Open("101");
    QTest::keyClicks(Box(window, 1), "2");
    window->MarkPaper();
    answerYes_ = false;
    window->ClosePaper();
    QTRY_VERIFY(window->paper().marked);
    QVERIFY(Line("marks1QP.txt", "FST").rfind("#FST#>1>", 0) == 0);
  }

  // The home window may have the paper unloaded and deleted while the pupil is asked something.
  void aWindowDeletedWhileThePupilIsAskedDoesNothingMore_data() {
    QTest::addColumn<bool>("marking");
    QTest::newRow("asked to mark") << true;
    QTest::newRow("told it is saved") << false;
  }

  void aWindowDeletedWhileThePupilIsAskedDoesNothingMore() {
    QFETCH(bool, marking);
    QPointer<PracticeWindow> window = Open("101");
    QTest::keyClicks(Box(window, 1), "2");
    whileAsked_ = [this] {
      windows_->CloseAll();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    if (marking) {
      window->MarkPaper();
    } else {
      window->SavePaper();
    }
    QVERIFY(window.isNull());
    QVERIFY(Line("first1QP.txt", "101").rfind("#101#>2>", 0) == 0);
    QVERIFY(Line("marks1QP.txt", "FST").rfind("#FST#>0>", 0) == 0);
    QVERIFY(Open("102"));
  }

  // A question waits for its answer without a loop of its own: the window asks nothing more
  // meanwhile, not even for the desktop's close, and acts on the answer when it comes.
  void aQuestionIsAnsweredLaterAndOneAtATime() {
    windows_->CloseAll();
    std::function<void(bool)> pending;
    int asked = 0;
    windows_ = std::make_unique<PracticeWindows>(
        *skin_, PracticeWindow::Services{
                    &package_, folder(), &response_, [] {},
                    [&](const QString&, const QString&, int, std::function<void(bool)> answered) {
                      ++asked;
                      pending = std::move(answered);
                    },
                    1});
    QPointer<PracticeWindow> window = Open("101");
    QTest::keyClicks(Box(window, 1), "2");
    window->MarkPaper();
    QCOMPARE(asked, 1);
    QVERIFY(!window->markingUnderWay());
    window->ClosePaper();
    window->close();
    QCOMPARE(asked, 1);
    QVERIFY(window && window->isVisible());
    std::exchange(pending, nullptr)(true);
    QTRY_VERIFY(window->paper().marked);
    QCOMPARE(response_, QStringLiteral("True"));
    window->ClosePaper();
    QCOMPARE(asked, 2);
    std::exchange(pending, nullptr)(true);
    QTRY_VERIFY(window.isNull());
    windows_->CloseAll();
  }

  // A paper the tables do not list (one not yet written) opens to a message, never a window.
  void aPaperWithoutPagesOpensToAMessage() {
    QVERIFY(Open("131") == nullptr);
    QVERIFY(windows_->current() == nullptr);
    QVERIFY(asked_.last().contains("not ready"));
  }
};

QUILLORY_WEBENGINE_TEST_MAIN(PracticeWindowTest)
#include "practice_window_test.moc"
