#include <sys/mount.h>
#include <sys/statvfs.h>

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>
#include <fstream>

#include "quillory/assets/embedded_package.h"
#include "quillory/content/file_io.h"
#include "quillory/home/contents.h"
#include "quillory/home/home_page.h"
#include "quillory/results/result_files.h"
#include "quillory/shell/picture.h"
#include "quillory/shell/skin_palette.h"

using namespace quillory;

// Drives the home window as a pupil does, over a fresh data folder each time.
class HomeWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  ContentPackage package_ = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  std::unique_ptr<Skin> skin_;
  std::unique_ptr<Contents> contents_;
  QStringList notices_;
  int opened_ = 0;
  int closed_ = 0;

  std::filesystem::path folder() const { return dir_.path().toStdString(); }
  template <typename T = QWidget>
  T* Find(const QString& name) const {
    T* widget = contents_->findChild<T*>(name);
    if (widget == nullptr) qWarning() << "no widget" << name;
    return widget;
  }
  QString Text(const QString& name) const { return Find<QLabel>(name)->text(); }

  // A click where a pupil's mouse would land: hit-testing finds what is under that point, so a
  // caption lying on a button passes the click to the button.
  void ClickAt(QWidget* widget, QPoint at = {}) {
    if (at.isNull()) at = widget->rect().center();
    const QPoint inWindow = widget->mapTo(contents_.get(), at);
    QTest::mouseClick(contents_->windowHandle(), Qt::LeftButton, {}, inWindow);
  }

  static QMessageBox* VisibleMessageBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible())
        return box;
    }
    return nullptr;
  }

  void WriteMarks(const std::string& fse, const std::string& sse) {
    std::string bytes = "#FSE#>" + fse + "\r\n#SSE#>" + sse + "\r\n#LTM#" + std::string(35, '>') +
                        "\r\n#CDD#" + std::string(35, '>') + "\r\n#FST#" + std::string(35, '>') +
                        "\r\n#SST#" + std::string(35, '>') + "\r\n";
    QVERIFY(WriteFileAtomically(folder() / "marks2QP.txt", bytes).ok());
  }

  static std::string ThirtyFive(std::initializer_list<std::pair<int, const char*>> values) {
    std::vector<std::string> list(35);
    for (const auto& [paper, value] : values) list[static_cast<std::size_t>(paper - 1)] = value;
    std::string joined;
    for (std::size_t i = 0; i < list.size(); ++i) joined += (i ? ">" : "") + list[i];
    return joined;
  }

 private slots:
  void init() {
    for (const auto& entry : std::filesystem::directory_iterator(folder())) {
      std::filesystem::remove_all(entry.path());
    }
    notices_.clear();
    opened_ = closed_ = 0;
    skin_ = std::make_unique<Skin>(QString::fromStdString(GraphicsFolder(folder()).string()));
    contents_ = std::make_unique<Contents>(package_, folder(), *skin_);
    contents_->setNotice([this](const QString& text, bool) { notices_ << text; });
    contents_->setPracticeOpener([this] { ++opened_; });
    contents_->setPracticeCloser([this] { ++closed_; });
    QVERIFY(contents_->Form_Load());
    contents_->show();
    QVERIFY(QTest::qWaitForWindowExposed(contents_.get()));
  }

  void cleanup() { contents_.reset(); }

  void startsOnTheFirstTopicOfTheFirstSubject() {
    QCOMPARE(Text("Topic1"), QStringLiteral("Grammar"));
    QCOMPARE(Text("SubH1"), QStringLiteral("Grammar"));
    QCOMPARE(contents_->state().TopicCount, 1);
    QVERIFY(Find("Topic6")->isVisible());
    QVERIFY(!Find("Topic7")->isVisible());
    QVERIFY(!Find("Bullet7")->isVisible());
    QCOMPARE(Find("Body_Home")->y(), Find("ScnTabBG")->y() + Find("ScnTabBG")->height());
    for (const char* behind : {"Body_Report", "Body_About", "Body_Trash"}) {
      QVERIFY2(!Find(behind)->isVisible(), behind);
    }
  }

  void aTabOrItsCaptionChoosesTheSubject() {
    ClickAt(Find("Tab02lbl"));
    QCOMPARE(contents_->state().LChose, 2);
    QCOMPARE(contents_->state().txtTabPos, 2);
    QCOMPARE(Text("Topic1"), QStringLiteral("Whole Numbers"));
    QVERIFY(Find("Topic7")->isVisible());
    QVERIFY(!Find("Topic8")->isVisible());
    ClickAt(Find("Tab03"));
    QCOMPARE(Text("Topic2"), QStringLiteral("Water Cycle and Changes in State"));
  }

  void aTopicFillsThePaperListAndIsMarkedChosen() {
    ClickAt(Find("Topic2"));
    QCOMPARE(contents_->state().TopicCount, 6);
    QCOMPARE(Text("SubH1"), QStringLiteral("Vocabulary"));
    const QString chosen = CssColour(skin_colour::kChosenTopic);
    QVERIFY(Find("Topic2")->styleSheet().contains(chosen));
    QVERIFY(!Find("Topic1")->styleSheet().contains(chosen));
  }

  void takeAndRetryButtonsChooseThePaperAndAttempt_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("take");
    QTest::newRow("topic 1, paper 1") << 1 << "P1a"
                                      << "101" << 1;
    QTest::newRow("topic 2, paper 3") << 2 << "P3a"
                                      << "108" << 1;
    QTest::newRow("topic 6, paper 5 again") << 6 << "P5b"
                                            << "130" << 2;
  }
  void takeAndRetryButtonsChooseThePaperAndAttempt() {
    QFETCH(int, topic);
    QFETCH(QString, button);
    QFETCH(QString, paper);
    QFETCH(int, take);
    ClickAt(Find(QStringLiteral("Topic%1").arg(topic)));
    Find(button)->show();  // a retry button is shown only after a first attempt
    ClickAt(Find(button));
    QCOMPARE(QString::fromStdString(contents_->state().PaperNum.text()), paper);
    QCOMPARE(contents_->state().TakeNum, take);
    QCOMPARE(closed_, 1);  // an open paper is closed before the next one opens
    QCOMPARE(opened_, 1);
  }

  void retryIsOfferedOnlyForAFirstAttemptOfAtMost99() {
    WriteMarks(ThirtyFive({{1, "100"}, {2, "99.5"}, {3, "99"}, {5, "80"}}),
               ThirtyFive({{5, "95"}}));
    ClickAt(Find("Tab02"));
    QCOMPARE(Text("MSA1"), QStringLiteral("100"));
    QCOMPARE(Text("MSB5"), QStringLiteral("95"));
    const std::array<bool, 5> retry{false, false, true, false, true};
    for (int k = 1; k <= 5; ++k) {
      QCOMPARE(Find(QStringLiteral("P%1b").arg(k))->isVisible(), retry[k - 1]);
      QVERIFY(Find(QStringLiteral("P%1a").arg(k))->isVisible());
    }
    // A shown score ends just before its "%".
    QVERIFY(Find("MSA1")->geometry().right() < Find("Percent1a")->x());
  }

  void closingAPaperShowsItsNewScoreOnTheSameTopic() {
    ClickAt(Find("Tab02"));
    ClickAt(Find("Topic2"));
    WriteMarks(ThirtyFive({{7, "66.7"}}), ThirtyFive({}));
    contents_->RefreshContents();
    QCOMPARE(contents_->state().TopicCount, 6);
    QCOMPARE(Text("MSA2"), QStringLiteral("66.7"));
    QVERIFY(Find("P2b")->isVisible());
  }

  void theHelpTabChangesTheToolbar() {
    QCOMPARE(Text("lblTB01"), QStringLiteral("Home"));
    QCOMPARE(Find("ToolBar02")->toolTip(), QStringLiteral("Load Report card"));
    ClickAt(Find("Tab04"));
    QCOMPARE(Text("lblTB01"), QStringLiteral("About"));
    QCOMPARE(Text("lblTB02"), QStringLiteral("Trash"));
    QCOMPARE(Text("lblTB04"), QStringLiteral("Setup"));
    QCOMPARE(Find("ToolBar04")->toolTip(), QStringLiteral("Printer Setup"));
    QVERIFY(!Find("ToolBar03")->isVisible());
    QVERIFY(Find("Body_About")->y() == Find("ScnTabBG")->y() + Find("ScnTabBG")->height());
    QCOMPARE(Text("ProgramName"), QStringLiteral("Quillory Practice Papers"));
    QCOMPARE(Text("lblPlatform"), QStringLiteral("For Linux"));
    QCOMPARE(Text("lblVersion"), QStringLiteral("Version 2.0"));
  }

  // The pages stand one over another; Tab and a screen reader reach only the one in front, so
  // that Enter never opens a paper, or erases results, from a page the pupil cannot see.
  void onlyThePageInFrontTakesTheKeyboard_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("toolbar");
    QTest::addColumn<QString>("front");
    QTest::newRow("a subject's papers") << 2 << 1 << "Body_Home";
    QTest::newRow("a subject's report") << 3 << 2 << "Body_Report";
    QTest::newRow("about") << 4 << 1 << "Body_About";
    QTest::newRow("trash") << 4 << 2 << "Body_Trash";
    QTest::newRow("papers again") << 1 << 1 << "Body_Home";
  }

  void onlyThePageInFrontTakesTheKeyboard() {
    QFETCH(int, tab);
    QFETCH(int, toolbar);
    QFETCH(QString, front);
    contents_->TabClick(tab);
    contents_->ToolBarClick(toolbar);
    contents_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(contents_.get()));
    const QStringList pages = {QStringLiteral("Body_Home"), QStringLiteral("Body_Report"),
                               QStringLiteral("Body_About"), QStringLiteral("Body_Trash")};
    QStringList reached;
    for (int i = 0; i < 80; ++i) {
      QWidget* focused = QApplication::focusWidget();
      if (focused == nullptr) break;
      for (QWidget* w = focused; w != nullptr; w = w->parentWidget()) {
        if (pages.contains(w->objectName()) && w->objectName() != front) {
          reached << focused->objectName() + QStringLiteral(" on ") + w->objectName();
        }
      }
      QTest::keyClick(focused, Qt::Key_Tab);
    }
    QVERIFY2(reached.isEmpty(), qPrintable(reached.join(u',')));
    for (const QString& page : pages) QCOMPARE(Find(page)->isVisible(), page == front);
  }

  // The link starts xdg-open, which on a machine without a browser exits with 3 ("no method
  // available"): the pupil hears that the page was not opened.
  void theAboutLinkSaysWhenNoBrowserOpensIt_data() {
    QTest::addColumn<QString>("opener");  // the script found as xdg-open; none when empty
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("no method available")
        << "echo \"$1\" > \"$0.asked\"; echo 'xdg-open: no method available' >&2; exit 3"
        << "URL Failed"
        << "Web Page not Opened";
    QTest::newRow("action failed") << "echo \"$1\" > \"$0.asked\"; exit 4"
                                   << "URL Failed"
                                   << "Web Page not Opened";
    QTest::newRow("no xdg-open") << QString() << "Browser Not Found"
                                 << "Could not find associated Browser";
  }

  void theAboutLinkSaysWhenNoBrowserOpensIt() {
    QFETCH(QString, opener);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QTemporaryDir bin;
    const QString script = bin.filePath(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
      QFile file(script);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("#!/bin/sh\n" + opener.toUtf8() + "\n");
      file.close();
      QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    ClickAt(Find("Tab04"));
    ClickAt(Find("lbl_QXURL"));
    qputenv("PATH", path);
    QMessageBox* box = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((box = VisibleMessageBox()) != nullptr, 10000);
    QCOMPARE(box->windowTitle(), title);
    QCOMPARE(box->text(), text);
    box->accept();
    if (!opener.isEmpty()) {
      QFile asked(script + QStringLiteral(".asked"));
      QVERIFY(asked.open(QIODevice::ReadOnly));
      QCOMPARE(asked.readAll().trimmed(), QByteArray("https://www.quillory.org/eduprog.html"));
    }
  }

  void pressingAToolbarButtonShowsItsPressedFace() {
    Picture* home = Find<Picture>("ToolBar01");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), home->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(home, &enter);
    QCOMPARE(home->pixmap().cacheKey(), skin_->picture("home_on.bmp").cacheKey());
    QTest::mousePress(home, Qt::LeftButton);
    QCOMPARE(contents_->state().txtPressTrack, 1);
    QCOMPARE(home->pixmap().cacheKey(), skin_->picture("home_pressed.bmp").cacheKey());
    QTest::mouseRelease(home, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(contents_->state().txtPressTrack, 0);
    QCOMPARE(home->pixmap().cacheKey(), skin_->picture("home_off.bmp").cacheKey());
    // The Help tab's captions and faces follow the tab at once.
    contents_->TabClick(4);
    QCOMPARE(home->pixmap().cacheKey(), skin_->picture("about_off.bmp").cacheKey());
  }

  void trashThenNoKeepsEveryResult() {
    WriteMarks(ThirtyFive({{1, "75"}}), ThirtyFive({}));
    ClickAt(Find("Tab04"));
    ClickAt(Find("ToolBar02"));
    QVERIFY(Find("ButTrash")->isVisible());
    ClickAt(Find("ButTrashlbl"));
    QVERIFY(Find("Trashlbl2")->isVisible());
    ClickAt(Find("ButTrash_No"));
    QVERIFY(Find("ButTrash")->isVisible());
    QVERIFY(!Find("Trashlbl2")->isVisible());
    QVERIFY(ReadWholeFile(folder() / "marks2QP.txt")->find(">75") != std::string::npos);
  }

  void trashThenYesErasesEverythingButKeepsACopy() {
    WriteMarks(ThirtyFive({{1, "75"}}), ThirtyFive({}));
    ClickAt(Find("Tab04"));
    ClickAt(Find("ToolBar02"));
    ClickAt(Find("ButTrash"));
    ClickAt(Find("ButTrash_Yeslbl"));
    QVERIFY(Find("Trashlbl3")->isVisible());
    QVERIFY(!Find("ButTrash")->isVisible());
    QCOMPARE(closed_, 1);
    QCOMPARE(*ReadWholeFile(folder() / "marks2QP.txt"), std::string(*package_.Member(30121)));
    bool copied = false;
    for (const auto& entry : std::filesystem::directory_iterator(folder())) {
      if (entry.path().filename().string().rfind("erased-", 0) == 0) {
        copied = ReadWholeFile(entry.path() / "marks2QP.txt")->find(">75") != std::string::npos;
      }
    }
    QVERIFY(copied);
    // Entering the page again offers the erase again.
    ClickAt(Find("ToolBar01"));
    ClickAt(Find("ToolBar02"));
    QVERIFY(Find("ButTrash")->isVisible());
    // The Home page now shows no scores and offers no retry.
    ClickAt(Find("Tab02"));
    QCOMPARE(Text("MSA1"), QString());
    QVERIFY(!Find("P1b")->isVisible());
  }

  void anEraseWithoutRoomForTheFreshFilesErasesNothingAndSaysSo() {
    // A disk with room for the dated copy of the results but not for anything after it.
    QTemporaryDir mountPoint;
    const std::filesystem::path disk = mountPoint.path().toStdString();
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16m") != 0) {
      QSKIP("A small disk cannot be made here (mounting a tmpfs needs root).");
    }
    auto unmount = qScopeGuard([&] { ::umount2(disk.c_str(), MNT_DETACH); });
    Skin skin(QString::fromStdString(GraphicsFolder(disk).string()));
    auto contents = std::make_unique<Contents>(package_, disk, skin);
    QStringList notices;
    contents->setNotice([&](const QString& text, bool) { notices << text; });
    QVERIFY(contents->Form_Load());
    std::string marks = *ReadWholeFile(disk / "marks2QP.txt");
    marks.replace(marks.find("#FSE#>"), 6, "#FSE#>75");
    QVERIFY(WriteFileAtomically(disk / "marks2QP.txt", marks).ok());

    // Every result file fits in one block of the disk, and the copy takes one block per file.
    struct statvfs room {};
    QCOMPARE(::statvfs(disk.c_str(), &room), 0);
    const auto copyBlocks = static_cast<std::uintmax_t>(3 * kResultFiles.size());
    std::ofstream(disk / "filler", std::ios::binary)
        << std::string((room.f_bavail - copyBlocks) * room.f_bsize, 'x');
    QCOMPARE(::statvfs(disk.c_str(), &room), 0);
    QCOMPARE(static_cast<std::uintmax_t>(room.f_bavail), copyBlocks);

    contents->show();
    QVERIFY(QTest::qWaitForWindowExposed(contents.get()));
    const auto click = [&](const char* name) {
      QWidget* widget = contents->findChild<QWidget*>(name);
      QTest::mouseClick(contents->windowHandle(), Qt::LeftButton, {},
                        widget->mapTo(contents.get(), widget->rect().center()));
    };
    click("Tab04");
    click("ToolBar02");
    click("ButTrash");
    click("ButTrash_Yes");
    QCOMPARE(notices.size(), 1);
    QVERIFY(notices[0].contains("No space left"));
    QVERIFY(notices[0].contains("Nothing was erased"));
    QVERIFY(!contents->findChild<QWidget*>("Trashlbl3")->isVisible());
    QVERIFY(contents->findChild<QWidget*>("ButTrash")->isVisible());
    QCOMPARE(*ReadWholeFile(disk / "marks2QP.txt"), marks);
    for (const auto& entry : std::filesystem::directory_iterator(disk)) {
      QVERIFY(entry.path().filename().string().rfind("erased-", 0) != 0);
    }
    contents.reset();
  }

  void theCloseButtonAndCloseToolbarButtonEndTheProgramAlike() {
    ClickAt(Find("ToolBar04"));
    QVERIFY(!contents_->isVisible());
    QCOMPARE(closed_, 1);
  }
};

QTEST_MAIN(HomeWindowTest)
#include "home_window_test.moc"
