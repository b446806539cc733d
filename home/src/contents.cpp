#include "quillory/home/contents.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QShortcut>

#include "quillory/home/about_page.h"
#include "quillory/home/home_page.h"
#include "quillory/home/report_page.h"
#include "quillory/home/startup_notices.h"
#include "quillory/home/trash_page.h"
#include "quillory/platform/windows1252.h"
#include "quillory/results/result_erasing.h"
#include "quillory/results/result_file_check.h"
#include "quillory/shell/fonts.h"
#include "quillory/shell/pop_up.h"
#include "quillory/shell/skin_palette.h"
#include "quillory/shell/window_modal.h"

namespace quillory {
namespace {

constexpr double kWindowLeft = 60, kWindowTop = 60, kWindowWidth = 6070, kWindowHeight = 7380;
constexpr double kPageWidth = 6015;
constexpr double kStripHeight = 765;
constexpr double kTabWidth = 1185;
constexpr int kStripTop = 60;  // pixels, below the title bar, with room for the tabs above it

// The band behind the tabs and toolbar: a calm background and a rule just above its bottom edge.
class TabBand : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), skin_colour::kBand);
    painter.setPen(skin_colour::kInk);
    const int rule = height() - 1 - ScreenUnits::ForWidget(this).y(10);
    painter.drawLine(0, rule, width(), rule);
  }
};

QString Plain(const std::string& text) { return FromWindows1252(text); }

}  // namespace

Contents::Contents(const ContentPackage& package, std::filesystem::path dataFolder,
                   const Skin& skin)
    : SkinnedWindow(skin, FrameSkin{QStringLiteral("QXicon.ico")}),
      package_(package),
      dataFolder_(std::move(dataFolder)) {
  setObjectName(QStringLiteral("Contents"));
  // The tabs stand on the toolbar band's colour.
  QPalette band = palette();
  band.setColor(QPalette::Window, skin_colour::kBand);
  setPalette(band);
  setAutoFillBackground(true);
  // Before the window shows, only the desktop's message box can speak; afterwards the window's
  // own box does, centred on the window.
  notice_ = [this](const QString& text, bool fatal) {
    if (fatal) {
      QMessageBox::critical(nullptr, QStringLiteral("Quillory"), text);
    } else if (!isVisible()) {
      QMessageBox::information(nullptr, QStringLiteral("Quillory"), text);
    } else {
      // The notice returns at once; its OK is recorded when the pupil gives it.
      AskPopUpThen(this->skin(), this, QStringLiteral("Quillory"), text, 1, [this](bool ok) {
        state_.PopUpResponse = ok ? QStringLiteral("True") : QStringLiteral("False");
      });
    }
  };
  BuildControls();
}

void Contents::BuildControls() {
  ScnTabBG = new TabBand(this);
  ScnTabBG->setObjectName(QStringLiteral("ScnTabBG"));
  for (int n = 0; n < 4; ++n) {
    const QString name = QStringLiteral("Tab0%1").arg(n + 1);
    tabs_[n] = new Picture(this, name);
    tabLabels_[n] = new QLabel(tabs_[n]);
    tabLabels_[n]->setObjectName(name + QStringLiteral("lbl"));
    tabLabels_[n]->setAlignment(Qt::AlignCenter);
    tabLabels_[n]->setFont(WindowFont(8.25));
    // The label lies on its tab; its clicks are the tab's.
    tabLabels_[n]->setAttribute(Qt::WA_TransparentForMouseEvents);
    tabs_[n]->makeButton(QString());
    connect(tabs_[n], &Picture::clicked, this, [this, n] { TabClick(n + 1); });
  }
  BuildToolbar();
  // Ctrl+Tab and Ctrl+Shift+Tab walk the tabs shown, round and round.
  const auto walkTabs = [this](int step) {
    for (int k = 1; k <= 4; ++k) {
      const int n = (state_.txtTabPos - 1 + step * k + 8) % 4 + 1;
      if (tabs_[static_cast<std::size_t>(n - 1)]->isVisible()) {
        TabClick(n);
        // The keyboard goes on where the page begins: the chosen topic, or Help's first button.
        QWidget* start = n <= kSubjectSlots ? static_cast<QWidget*>(Body_Home->topicLabel(
                                                  (state_.TopicCount - 1) / kPapersPerTopic + 1))
                                            : static_cast<QWidget*>(toolbar_[0]);
        start->setFocus(Qt::TabFocusReason);
        return;
      }
    }
  };
  for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Tab)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, [walkTabs] { walkTabs(1); });
  }
  for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)}) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, [walkTabs] { walkTabs(-1); });
  }
}

Contents::~Contents() {
  // An open printer set-up fills in the printer, which goes before the window's children do.
  CloseUnheard(printSetup_);
}

void Contents::BuildPages() {
  Body_Home = new HomePage(this, skin());
  Body_Report = new ReportPage(this, skin());
  Body_About = new AboutPage(this, skin());
  Body_Trash = new TrashPage(this, skin());
  // Pages wait outside the window until they are shown.
  for (QWidget* page : {static_cast<QWidget*>(Body_Home), static_cast<QWidget*>(Body_Report),
                        static_cast<QWidget*>(Body_About), static_cast<QWidget*>(Body_Trash)}) {
    page->move(-page->width() - 10, 0);
  }
  connect(Body_Home, &HomePage::topicClicked, this, &Contents::TopicClick);
  connect(Body_Home, &HomePage::paperChosen, this, &Contents::OpenPaperWindow);
  connect(Body_Report, &ReportPage::viewChosen, this, [this](int view) {
    state_.txtReportPos = view;
    Body_Report->ArrangeReportView(view);
  });
  connect(Body_About, &AboutPage::linkClicked, this, &Contents::OpenWebPage);
  connect(Body_Trash, &TrashPage::eraseConfirmed, this, &Contents::EraseResults);
}

bool Contents::Form_Load() {
  InstallGraphics(package_, dataFolder_);
  LoadSkin();
  // The pages show pictures, so they are made once the pictures are in place.
  BuildPages();

  const ScreenUnits u = units();
  setGeometry(u.rect(kWindowLeft, kWindowTop, kWindowWidth, kWindowHeight));
  LayoutFrame();
  PlaceTitleBar();
  pRoundCorners();

  if (!LoadSubjects() || !EnsureResults()) return false;
  SetCaptions();
  LayoutTabs();

  const int first = catalogue_.firstPresentSubject();
  state_.LChose = first;
  state_.txtTabPos = first;
  TabClick(first);
  state_.txtToolBarPos = 1;
  state_.txtReportPos = 1;
  state_.TopicCount = 1;
  ShowSubject(state_.LChose, state_.lblCOD);
  return true;
}

void Contents::PlaceTitleBar() {
  const ScreenUnits u = units();
  const int barHeight = BTopLeft->height();
  Title->adjustSize();
  Title->move(u.x(450), (barHeight - Title->height()) / 2);
  ImgIco->move(u.x(ScreenUnits::HimetricToTwips(240)), (barHeight - ImgIco->height()) / 2);
  const int rightBar = BTopRight->height();
  imgProgClose->move(width() - imgProgClose->width() - u.x(60),
                     (rightBar - imgProgClose->height()) / 2);
  imgProgMin->move(imgProgClose->x() - imgProgMin->width() - u.x(30),
                   (rightBar - imgProgMin->height()) / 2);
  for (QWidget* control :
       {static_cast<QWidget*>(Title), static_cast<QWidget*>(ImgIco),
        static_cast<QWidget*>(imgProgClose), static_cast<QWidget*>(imgProgMin)}) {
    control->raise();
  }
}

bool Contents::LoadSubjects() {
  auto catalogue = LoadProductHeader(package_, dataFolder_);
  if (!catalogue) {
    notice_(HeaderFailureNotice(catalogue.error()), true);
    return false;
  }
  catalogue_ = std::move(catalogue).value();
  state_.lblCOD = Plain(catalogue_.productCode);
  return true;
}

bool Contents::EnsureResults() {
  const std::string stamp =
      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")).toStdString();
  // A marking or an erase cut short is finished or undone before the files are checked.
  CleanErasedCopies(dataFolder_);
  const Status finished = FinishJointWrite(JointWriteJournal(dataFolder_), AtomicFileWriter());
  ResultFilesReport report = EnsureResultFiles(package_, dataFolder_, catalogue_, stamp);
  if (!finished) report.failures.insert(report.failures.begin(), finished.error());
  if (!report.failures.empty()) {
    notice_(ResultFilesFailureNotice(report.failures.front(), dataFolder_), true);
    return false;
  }
  if (const QString told = ResultFilesNotice(report, dataFolder_); !told.isEmpty()) {
    notice_(told, false);
  }
  return true;
}

void Contents::SetCaptions() {
  for (int s = 1; s <= kSubjectSlots; ++s) {
    const QString name = Plain(catalogue_.subject(s).name);
    tabLabels_[s - 1]->setText(name);
    tabs_[s - 1]->setAccessibleName(name);
    const QString tip = QStringLiteral("Load %1 Module").arg(name);
    tabs_[s - 1]->setToolTip(tip);
    tabLabels_[s - 1]->setToolTip(tip);
  }
  tabLabels_[3]->setText(QStringLiteral("Help"));
  tabs_[3]->setAccessibleName(QStringLiteral("Help"));
  tabs_[3]->setToolTip(QStringLiteral("Help"));
  tabLabels_[3]->setToolTip(QStringLiteral("Help"));
  setWindowTitle(Plain(catalogue_.title));
  Title->setText(Plain(catalogue_.title));
  Body_About->setProgramName(Plain(catalogue_.title));
  Title->adjustSize();
}

void Contents::LayoutTabs() {
  const ScreenUnits u = units();
  int x = 2;
  ScnTabBG->setGeometry(x, kStripTop, u.x(kPageWidth), u.y(kStripHeight));
  const int tabWidth = u.x(kTabWidth);
  for (int s = 1; s <= kSubjectSlots; ++s) {
    Picture* tab = tabs_[s - 1];
    if (catalogue_.subject(s).present()) {
      tab->move(x, tab->y());
      x += tabWidth - 4;
    } else {
      tab->move(-tabWidth, tab->y());
    }
  }
  tabs_[3]->move(x, tabs_[3]->y());
}

}  // namespace quillory
