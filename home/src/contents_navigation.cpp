#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QPrinter>

#include "quillory/home/about_page.h"
#include "quillory/home/contents.h"
#include "quillory/home/home_page.h"
#include "quillory/home/printing.h"
#include "quillory/home/report_page.h"
#include "quillory/home/trash_page.h"
#include "quillory/platform/browser.h"
#include "quillory/platform/windows1252.h"
#include "quillory/results/report.h"
#include "quillory/results/result_erasing.h"
#include "quillory/results/result_files.h"
#include "quillory/shell/fonts.h"
#include "quillory/shell/toolbar_button.h"

// The home window's tabs, toolbar and pages, and what their clicks do.
namespace quillory {
namespace {

constexpr double kTabWidth = 1185;

struct ButtonSet {
  const char* caption;
  const char* tooltip;  // %1 is the caption
  const char* face;     // "home" for home_off.bmp, home_on.bmp, home_pressed.bmp
};

// Position n's button under a subject tab and under the Help tab (none at position 3).
constexpr std::array<ButtonSet, 4> kSubjectButtons{{{"Home", "Load %1 page", "home"},
                                                    {"Report", "Load %1 card", "report"},
                                                    {"Print", "%1 results", "print"},
                                                    {"Close", "%1 program", "close"}}};
constexpr std::array<ButtonSet, 4> kHelpButtons{{{"About", "%1 Quillory", "about"},
                                                 {"Trash", "%1 past results", "trash"},
                                                 {nullptr, nullptr, nullptr},
                                                 {"Setup", "Printer %1", "setup"}}};

}  // namespace

void Contents::BuildToolbar() {
  constexpr std::array<double, 4> kLefts{120, 840, 1560, 2280};
  for (int n = 1; n <= 4; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    auto [button, caption] = MakeToolbarButton(ScnTabBG, n, kLefts[i]);
    connect(button, &Picture::pressed, this, [this] { state_.txtPressTrack = 1; });
    connect(button, &Picture::released, this, [this] { state_.txtPressTrack = 0; });
    connect(button, &Picture::clicked, this, [this, n] { ToolBarClick(n); });
    toolbar_[i] = button;
    toolbarLabels_[i] = caption;
  }
}

void Contents::TabClick(int n) {
  if (n < 1 || n > 4) return;
  state_.txtTabPos = n;
  state_.txtToolBarPos = 1;
  state_.txtReportPos = 1;
  RaiseTab(n);
  if (n <= kSubjectSlots) state_.LChose = n;
  ShowPage();
}

void Contents::RaiseTab(int n) {
  for (int t = 4; t >= 1; --t) tabs_[static_cast<std::size_t>(t - 1)]->raise();
  ScnTabBG->raise();
  tabs_[static_cast<std::size_t>(n - 1)]->raise();
  const ScreenUnits u = units();
  for (int t = 1; t <= 4; ++t) {
    SetTabFace(t);
    Picture* tab = tabs_[static_cast<std::size_t>(t - 1)];
    // Back tabs tuck their lowest pixels behind the strip; the chosen one stands over its edge.
    const double overlap = t == n ? 0.5 : 2.5;
    tab->move(tab->x(), static_cast<int>(ScnTabBG->y() - tab->height() + overlap));
    tab->resize(u.x(kTabWidth), tab->height());
    tabLabels_[static_cast<std::size_t>(t - 1)]->setGeometry(0, 0, tab->width(), tab->height());
  }
  for (int b = 1; b <= 4; ++b) SetHomeButtonFace(b);
}

void Contents::ToolBarClick(int n) {
  state_.txtToolBarPos = n;
  ShowPage();
}

void Contents::BringPageForward(QWidget* page) {
  page->move(ScnTabBG->x(), ScnTabBG->y() + ScnTabBG->height());
  // A page behind would still take Tab and be read out, and Enter would act on what the pupil
  // cannot see: only the page in front is shown.
  for (QWidget* other : {static_cast<QWidget*>(Body_Home), static_cast<QWidget*>(Body_Report),
                         static_cast<QWidget*>(Body_About), static_cast<QWidget*>(Body_Trash)}) {
    if (other != page) other->hide();
  }
  page->show();
  page->raise();
}

void Contents::ShowPage() {
  const bool subjectTab = state_.txtTabPos >= 1 && state_.txtTabPos <= kSubjectSlots;
  switch (state_.txtToolBarPos) {
    case 1:
      if (subjectTab) {
        ShowSubject(state_.LChose, state_.lblCOD);
        BringPageForward(Body_Home);
      } else if (state_.txtTabPos == 4) {
        BringPageForward(Body_About);
      }
      break;
    case 2:
      if (subjectTab) {
        ShowReport();
        BringPageForward(Body_Report);
      } else if (state_.txtTabPos == 4) {
        BringPageForward(Body_Trash);
        Body_Trash->Offer();
      }
      break;
    case 3:
      if (subjectTab) PrintResults();
      break;
    case 4:
      if (subjectTab) {
        ExitProgram();
      } else if (state_.txtTabPos == 4) {
        SetUpPrinter();
      }
      break;
    default:
      break;
  }
}

void Contents::ShowSubject(int subject, const QString& code) {
  if (subject >= 1 && subject <= kSubjectSlots && catalogue_.subject(subject).present()) {
    const SubjectSlot& slot = catalogue_.subject(subject);
    view_.topicCount = slot.topicCount;
    view_.paperCount = slot.paperCount;
    view_.topicNames = slot.topicNames;
    view_.marksFile = ResultFilePath(dataFolder_, subject, ResultFile::Marks, code.toStdString());
  }
  state_.TtPapersCon = view_.paperCount;
  // A marks file that cannot be read shows no scores rather than stopping the pupil.
  const int n = view_.paperCount;
  for (auto [key, list] :
       {std::pair{"FSE", &view_.firstScores}, std::pair{"SSE", &view_.secondScores},
        std::pair{"LTM", &view_.timesTaken}, std::pair{"CDD", &view_.dates}}) {
    auto values = ReadRecordList(view_.marksFile, key, n, kPaperCapacity);
    *list = values ? std::move(values).value() : RecordList(static_cast<std::size_t>(n));
  }
  Body_Home->ShowTopics(view_.topicNames, view_.topicCount);
  if (state_.RefreshLog == QLatin1String("off")) TopicClick(1);
}

void Contents::TopicClick(int i) {
  if (i < 1 || i > 10) return;
  state_.TopicCount = 5 * (i - 1) + 1;
  Body_Home->TopicChoosing(state_.TopicCount, view_.firstScores, view_.secondScores,
                           view_.topicNames);
  state_.SubH1 = FromWindows1252(view_.topicNames[static_cast<std::size_t>(i - 1)]);
  Body_Home->Topicbuttoncolour(i);
}

void Contents::OpenPaperWindow(int offset, int take) {
  state_.PaperNum = PaperKey::AtIndex(state_.TopicCount + offset);
  state_.TakeNum = take;
  if (practiceCloser_) practiceCloser_();
  if (practiceOpener_) practiceOpener_();
}

void Contents::RefreshContents() {
  state_.RefreshLog = QStringLiteral("on");
  ShowSubject(state_.LChose, state_.lblCOD);
  TopicClick((state_.TopicCount - 1) / 5 + 1);
  state_.RefreshLog = QStringLiteral("off");
}

void Contents::ShowReport() {
  std::string trend;
  if (auto line = ReadRecordLine(ResultFilePath(dataFolder_, state_.LChose, ResultFile::Trend,
                                                state_.lblCOD.toStdString()),
                                 "TRD")) {
    trend = *line;
  }
  Body_Report->ShowReport(BuildReport(view_.topicNames, view_.topicCount, view_.paperCount,
                                      view_.firstScores, view_.secondScores, trend));
  Body_Report->ArrangeReportView(state_.txtReportPos);
}

void Contents::PrintResults() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  const PrintListing listing =
      PastResultsListing(windowTitle(), view_.topicNames, view_.topicCount, view_.firstScores,
                         view_.timesTaken, view_.dates, view_.secondScores);
  if (Status printed = PrintPastResults(*printer_, listing); !printed) {
    notice_(QString::fromStdString(printed.error().message), false);
  } else {
    notice_(PrintedNotice(*printer_), false);
  }
}

void Contents::SetUpPrinter() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  if (printSetup_ != nullptr) return;
  printSetup_ = PrintSetup(this, *printer_, [this](const Result<bool>& chosen) {
    if (!chosen) notice_(QString::fromStdString(chosen.error().message), false);
  });
}

void Contents::EraseResults() {
  // An open paper could otherwise write its answers back over the fresh files.
  if (practiceCloser_) practiceCloser_();
  const std::string stamp =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")).toStdString();
  const EraseResult erased = EraseAllResults(package_, dataFolder_, catalogue_, stamp);
  const QString reason = QString::fromStdString(erased.error.message);
  switch (erased.outcome) {
    case JointWriteOutcome::Written:
      Body_Trash->ShowDone();
      return;
    case JointWriteOutcome::NothingWritten:
      notice_(erased.copyFailed
                  ? QStringLiteral("Your results were not erased, because a copy of them could "
                                   "not be kept first:\n\n%1")
                        .arg(reason)
                  : QStringLiteral("Your results could not be erased:\n\n%1\n\nNothing was "
                                   "erased: every result is still there.")
                        .arg(reason),
              false);
      break;
    case JointWriteOutcome::PartlyWritten:
      notice_(
          QStringLiteral("Your results could not be erased:\n\n%1\n\nSome of them could not "
                         "be put back yet; Quillory puts them back when it next starts. A "
                         "copy of them all is in %2.")
              .arg(reason, QDir::toNativeSeparators(QString::fromStdString(erased.copy.string()))),
          false);
      break;
  }
  Body_Trash->Offer();
}

void Contents::OpenWebPage() {
  OpenInBrowser(QUrl(AboutPage::WebAddress()), this, [this](BrowserOutcome outcome) {
    if (outcome == BrowserOutcome::NoBrowser) {
      ShowSystemMessage(QStringLiteral("Browser Not Found"),
                        QStringLiteral("Could not find associated Browser"));
    } else if (outcome == BrowserOutcome::Failed) {
      ShowSystemMessage(QStringLiteral("URL Failed"), QStringLiteral("Web Page not Opened"));
    }
  });
}

void Contents::ShowSystemMessage(const QString& title, const QString& text) {
  // Shown without a loop of its own: the answer is only OK, and the window may close meanwhile.
  auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

void Contents::SetTabFace(int n) {
  Picture* tab = tabs_[static_cast<std::size_t>(n - 1)];
  const bool front = n == state_.txtTabPos;
  const QString side = front ? QStringLiteral("front") : QStringLiteral("back");
  tab->setFaces(skin().picture(QStringLiteral("tabs_%1_off.bmp").arg(side)),
                skin().picture(QStringLiteral("tabs_%1_on.bmp").arg(side)));
  tab->resize(tab->width(), PictureSize(tab->pixmap()).height());
}

void Contents::SetHomeButtonFace(int n) {
  const auto i = static_cast<std::size_t>(n - 1);
  const ButtonSet& set = state_.txtTabPos != 4 ? kSubjectButtons[i] : kHelpButtons[i];
  Picture* button = toolbar_[i];
  if (set.caption == nullptr) {
    button->hide();
    return;
  }
  button->show();
  const QString caption = QString::fromLatin1(set.caption);
  const QString tip = QString::fromLatin1(set.tooltip).arg(caption);
  toolbarLabels_[i]->setText(caption);
  button->setToolTip(tip);
  button->setAccessibleName(tip);
  toolbarLabels_[i]->setToolTip(tip);
  const QString face = QLatin1String(set.face);
  button->setFaces(skin().picture(face + QStringLiteral("_off.bmp")),
                   skin().picture(face + QStringLiteral("_on.bmp")),
                   skin().picture(face + QStringLiteral("_pressed.bmp")));
}

void Contents::ShowActiveChrome() {
  state_.ContentsFocus = 1;
  SkinnedWindow::ShowActiveChrome();
}

void Contents::ShowInactiveChrome() {
  state_.ContentsFocus = 0;
  SkinnedWindow::ShowInactiveChrome();
}

void Contents::ExitProgram() {
  if (exiting_) return;
  exiting_ = true;
  if (practiceCloser_) practiceCloser_();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this && window->isVisible()) window->close();
  }
  close();
  QApplication::quit();
}

void Contents::closeEvent(QCloseEvent* event) {
  // Closing the window from the desktop ends the program the same way as its close button.
  if (!exiting_) {
    ExitProgram();
  }
  event->accept();
}

}  // namespace quillory
