#include "quillory/practice/practice_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QShortcut>

#include "quillory/content/number_text.h"
#include "quillory/content/paper_tables.h"
#include "quillory/platform/screen_units.h"
#include "quillory/platform/window_system.h"
#include "quillory/platform/windows1252.h"
#include "quillory/practice/page_view.h"
#include "quillory/shell/fonts.h"
#include "quillory/shell/pop_up.h"
#include "quillory/shell/skin_palette.h"
#include "quillory/shell/toolbar_button.h"

namespace quillory {
namespace {

constexpr double kBandHeight = 765, kSheetWidth = 4095, kStatusHeight = 375;
constexpr double kMinimumWidth = 7300, kMinimumHeight = 5000;

struct ButtonSet {
  const char* name;
  const char* caption;
  const char* tooltip;
  const char* face;
  const char* keys;  // shown after the tooltip
};
constexpr std::array<ButtonSet, 6> kButtons{
    {{"ToolBar01", "Save", "Save paper", "save", "Ctrl+S"},
     {"ToolBar02", "Mark", "Mark paper", "mark", "Ctrl+M"},
     {"ToolBar03", "Print", "Print question", "print", "Ctrl+P"},
     {"ToolBar04", "Close", "Close paper", "close", "Esc"},
     {"ToolBar05", "Back", "Previous question", "back", "Page Up"},
     {"ToolBar06", "Next", "Next question", "forward", "Page Down"}}};

void FillBand(QWidget* widget) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, skin_colour::kBand);
  widget->setPalette(palette);
}

QString Today() {
  const QDate today = QDate::currentDate();
  return QString::fromStdString(ShortDateText(today.day(), today.month(), today.year()));
}

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ShortcutOverride:
      return true;
    default:
      return false;
  }
}

// Which of the six toolbar buttons can be used, as the session says; Print and Close always.
std::array<bool, 6> ToolbarEnabled(bool save, bool mark, bool back, bool next) {
  return {save, mark, true, true, back, next};
}

}  // namespace

PracticeWindow::PracticeWindow(const Skin& skin, Services services)
    : SkinnedWindow(skin, FrameSkin{QStringLiteral("pencil.ico")}), services_(std::move(services)) {
  setAttribute(Qt::WA_DeleteOnClose);
  ask_ = services_.ask ? services_.ask
                       : [this](const QString& title, const QString& message, int buttons,
                                std::function<void(bool)> answered) {
                           // A window never shown (a paper that cannot be opened) goes at once:
                           // its notice stands on its own.
                           AskPopUpThen(this->skin(), isVisible() ? this : nullptr, title, message,
                                        buttons, std::move(answered));
                         };
}

PracticeWindow::~PracticeWindow() { qApp->removeEventFilter(this); }

FirstAttemptWindow::FirstAttemptWindow(const Skin& skin, Services services)
    : PracticeWindow(skin, std::move(services)) {
  setObjectName(QStringLiteral("Test1"));
  setWindowTitle(QStringLiteral("Practice"));
  BuildControls();
}

SecondAttemptWindow::SecondAttemptWindow(const Skin& skin, Services services)
    : PracticeWindow(skin, std::move(services)) {
  setObjectName(QStringLiteral("Test2"));
  setWindowTitle(QStringLiteral("Try Again"));
  BuildControls();
}

void PracticeWindow::BuildShortcuts() {
  // The keys do what the toolbar does, and like it they wait while the bars of the marking fill.
  const auto bind = [this](const QKeySequence& keys, void (PracticeWindow::*action)()) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, action] {
      if (!unloading_ && !markingUnderWay()) (this->*action)();
    });
  };
  bind(QKeySequence(Qt::Key_PageDown), &PracticeWindow::NextQuestion);
  bind(QKeySequence(Qt::ALT | Qt::Key_Right), &PracticeWindow::NextQuestion);
  bind(QKeySequence(Qt::Key_PageUp), &PracticeWindow::PreviousQuestion);
  bind(QKeySequence(Qt::ALT | Qt::Key_Left), &PracticeWindow::PreviousQuestion);
  bind(QKeySequence(Qt::CTRL | Qt::Key_S), &PracticeWindow::SavePaper);
  bind(QKeySequence(Qt::CTRL | Qt::Key_M), &PracticeWindow::MarkPaper);
  bind(QKeySequence(Qt::CTRL | Qt::Key_P), &PracticeWindow::PrintQuestion);
  bind(QKeySequence(Qt::Key_Escape), &PracticeWindow::ClosePaper);
}

void PracticeWindow::BuildControls() {
  const ScreenUnits u = units();
  ScnTabBG = new QWidget(this);
  ScnTabBG->setObjectName(QStringLiteral("ScnTabBG"));
  FillBand(ScnTabBG);
  for (std::size_t i = 0; i < kButtons.size(); ++i) {
    auto [button, caption] = MakeToolbarButton(
        ScnTabBG, static_cast<int>(i + 1), 0, QString::fromLatin1(kButtons[i].caption),
        QString::fromLatin1(kButtons[i].tooltip), QString::fromLatin1(kButtons[i].keys));
    toolbar_[i] = button;
    toolbarLabels_[i] = caption;
  }
  connect(toolbar_[0], &Picture::clicked, this, &PracticeWindow::SavePaper);
  connect(toolbar_[1], &Picture::clicked, this, &PracticeWindow::MarkPaper);
  connect(toolbar_[2], &Picture::clicked, this, &PracticeWindow::PrintQuestion);
  connect(toolbar_[3], &Picture::clicked, this, &PracticeWindow::ClosePaper);
  connect(toolbar_[4], &Picture::clicked, this, &PracticeWindow::PreviousQuestion);
  connect(toolbar_[5], &Picture::clicked, this, &PracticeWindow::NextQuestion);
  BuildShortcuts();

  PaperSum = new Picture(ScnTabBG, QStringLiteral("PaperSum"));
  PaperSum->setGeometry(u.rect(0, 65, 1755, 615));
  PaperSum->setToolTip(QStringLiteral("Your score"));
  PScoring = new QLabel(PaperSum);
  PScoring->setObjectName(QStringLiteral("PScoring"));
  PScoring->setFont(WindowFont(14, true));
  PScoring->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  PScoring->setGeometry(u.rect(720, 120, 780, 375));
  PScoring->setToolTip(QStringLiteral("Your score"));
  PScoring->setAccessibleName(QStringLiteral("Your score"));
  auto* percent = new QLabel(QStringLiteral("%"), PaperSum);
  percent->setFont(WindowFont(14, true));
  percent->setGeometry(u.rect(1520, 120, 230, 375));

  brwWebBrowser = new PageView(this);
  QnTitleBG = new QWidget(this);
  QnTitleBG->setObjectName(QStringLiteral("QnTitleBG"));
  QnTitleBG->setAutoFillBackground(true);
  QPalette strip = QnTitleBG->palette();
  strip.setColor(QPalette::Window, skin_colour::kQuestionStrip);
  QnTitleBG->setPalette(strip);
  QnTitle = new QLabel(QnTitleBG);
  QnTitle->setObjectName(QStringLiteral("QnTitle"));
  QnTitle->setFont(WindowFont(9.75, true));
  QnTitle->move(u.x(120), u.y(60));

  PicHideAns = new QWidget(this);
  PicHideAns->setObjectName(QStringLiteral("PicHideAns"));
  FillBand(PicHideAns);
  PicHideAns->resize(u.x(HandleWidth()), 10);
  ImgHandle = new Picture(PicHideAns, QStringLiteral("ImgHandle"));
  ImgHandle->setToolTip(QStringLiteral("Hide answer sheet"));
  ImgHandle->setCursor(Qt::PointingHandCursor);
  connect(ImgHandle, &Picture::clicked, this, &PracticeWindow::ToggleAnswerSheet);

  AnsBox = MakeAnswerSheet();
  connect(AnsBox, &AnswerSheet::lastAnswerEntered, this, [this] {
    if (!unloading_ && !markingUnderWay() && session_->canGoNext()) NextQuestion();
  });

  RemQnsBG = new QWidget(this);
  RemQnsBG->setObjectName(QStringLiteral("RemQnsBG"));
  FillBand(RemQnsBG);
  RemQnsBG->resize(10, u.y(kStatusHeight));
  BuildStatusPanels();

  imgProgMax = new Picture(this, QStringLiteral("imgProgMax"));
  imgProgMax->makeButton(QStringLiteral("Maximise"));
  imgProgMax->setCursor(Qt::PointingHandCursor);
  connect(imgProgMax, &Picture::clicked, this, [this] {
    if (isMinimized()) return;
    if (isMaximized()) {
      showNormal();
    } else {
      showMaximized();
    }
  });
  Sizer = new Picture(this, QStringLiteral("Sizer"));
  Sizer->setCursor(Qt::SizeFDiagCursor);
  Sizer->installEventFilter(this);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  connect(Timer1, &QTimer::timeout, this, &PracticeWindow::PracticeTick);
  markingStep_ = new QTimer(this);
  connect(markingStep_, &QTimer::timeout, this, &PracticeWindow::MarkingStep);
}

AnswerSheet* PracticeWindow::MakeAnswerSheet() { return new AnswerSheet(this, skin()); }

AnswerSheet* SecondAttemptWindow::MakeAnswerSheet() { return new SecondAttemptSheet(this, skin()); }

QLabel* PracticeWindow::StatusPanel(const QString& name, const QString& picture, double left,
                                    double width) {
  const ScreenUnits u = units();
  auto* panel = new QLabel(RemQnsBG);
  panel->setObjectName(name);
  panel->setPixmap(skin().picture(picture));
  panel->setScaledContents(true);
  panel->setGeometry(u.rect(left, 0, width, kStatusHeight));
  return panel;
}

QLabel* PracticeWindow::StatusText(QWidget* panel, const QString& name, const QString& tooltip) {
  auto* label = new QLabel(panel);
  label->setObjectName(name);
  label->setFont(WindowFont(8.25));
  label->setToolTip(tooltip);
  label->setAccessibleName(tooltip);
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(panel->rect());
  return label;
}

void PracticeWindow::BuildStatusPanels() {
  QLabel* bot1 = StatusPanel(QStringLiteral("Bot1"), QStringLiteral("bottombg3.bmp"), 0, 960);
  lblClock = StatusText(bot1, QStringLiteral("lblClock"), QStringLiteral("Clock"));
  lblClock->setText(QStringLiteral("00:00:00"));
  LTime = StatusText(bot1, QStringLiteral("LTime"), QStringLiteral("Time taken"));
  LTime->hide();
  QLabel* bot2 = StatusPanel(QStringLiteral("Bot2"), QStringLiteral("bottombg3.bmp"), 960, 960);
  lblDate = StatusText(bot2, QStringLiteral("lblDate"), QStringLiteral("Date"));
  ETime = StatusText(bot2, QStringLiteral("ETime"), QStringLiteral("Date completed"));
  ETime->hide();
  QLabel* bot3 = StatusPanel(QStringLiteral("Bot3"), QStringLiteral("bottombg3.bmp"), 1920, 960);
  lblAnsweredQ = StatusText(bot3, QStringLiteral("lblAnsweredQ"),
                            QStringLiteral("Number of questions answered"));
  lblAnsweredQ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblAnsweredQ->setGeometry(0, 0, bot3->width() / 2 - 4, bot3->height());
  auto* slash = StatusText(bot3, QStringLiteral("lblSlash"), QString());
  slash->setText(QStringLiteral("/"));
  lblTotalQ =
      StatusText(bot3, QStringLiteral("lblTotalQ"), QStringLiteral("Total number of questions"));
  lblTotalQ->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblTotalQ->setGeometry(bot3->width() / 2 + 4, 0, bot3->width() / 2 - 4, bot3->height());

  const ScreenUnits u = units();
  TxtRem = StatusPanel(QStringLiteral("TxtRem"), QStringLiteral("bottombg2.bmp"), 2880, 1800);
  auto* remLabel = new QLabel(QStringLiteral("Qns left:"), TxtRem);
  remLabel->setObjectName(QStringLiteral("TxtRemlbl"));
  remLabel->setFont(WindowFont(8.25));
  remLabel->setGeometry(u.x(90), 0, u.x(700), TxtRem->height());
  RemQns = new QComboBox(TxtRem);
  RemQns->setObjectName(QStringLiteral("RemQns"));
  RemQns->setToolTip(QStringLiteral("Select a remaining question"));
  RemQns->setAccessibleName(QStringLiteral("Remaining questions"));
  RemQns->setFont(WindowFont(8.25));
  RemQns->setGeometry(u.x(800), u.y(30), u.x(900), TxtRem->height() - u.y(60));
  // Where a list is named by the label beside it, as on this desktop, the label says what it is.
  remLabel->setBuddy(RemQns);
  connect(RemQns, &QComboBox::activated, this,
          [this](int index) { GoToPage(RemQns->itemText(index).toInt()); });

  fmeMark = StatusPanel(QStringLiteral("fmeMark"), QStringLiteral("bottombg4.bmp"), 4680, 3000);
  for (int i = 0; i < 15; ++i) {
    auto* bar = new QLabel(fmeMark);
    bar->setObjectName(QStringLiteral("imgBar%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    bar->setPixmap(skin().picture(QStringLiteral("progressbar.bmp")));
    bar->setScaledContents(true);
    bar->setGeometry(u.rect(15 * (5 + 12 * i), 45, 165, 285));
    bar->hide();
    bars_[static_cast<std::size_t>(i)] = bar;
  }
  fmeMark->hide();
}

void SecondAttemptWindow::BuildStatusPanels() {
  PracticeWindow::BuildStatusPanels();
  // The second attempt keeps no clock and no date: its first panel names the attempt instead.
  for (const char* name : {"Bot1", "Bot2"})
    delete RemQnsBG->findChild<QLabel*>(QLatin1String(name));
  lblClock = LTime = lblDate = ETime = nullptr;
  QLabel* bot1 = StatusPanel(QStringLiteral("Bot1"), QStringLiteral("bottombg1.bmp"), 0, 1920);
  QLabel* label = StatusText(bot1, QStringLiteral("Label1"), QString());
  label->setText(QStringLiteral("Second Attempt"));
  label->setFont(WindowFont(8.25, true));
}

bool PracticeWindow::Form_Load(const PaperChoice& choice) {
  LoadSkin();
  const ScreenUnits u = units();
  ImgHandle->setFace(skin().picture(QStringLiteral("Handle.bmp")));
  ImgHandle->resize(PictureSize(ImgHandle->pixmap()));
  PaperSum->setFace(skin().picture(QStringLiteral("pen.bmp")));
  Sizer->setFace(skin().picture(QStringLiteral("statusgrabber.bmp")));
  Sizer->resize(PictureSize(Sizer->pixmap()));
  SetMaximiseButton(imgProgMax);
  const QRect screen = QGuiApplication::primaryScreen() != nullptr
                           ? QGuiApplication::primaryScreen()->availableGeometry()
                           : QRect(0, 0, 1024, 768);
  setMinimumSize(u.size(kMinimumWidth, kMinimumHeight));
  setGeometry(screen.x() + screen.width() / 10, screen.y() + screen.height() / 10,
              screen.width() * 8 / 10, screen.height() * 8 / 10);
  AnsBox->DrawBorders();

  auto session = PracticeSession::Open(*services_.package, services_.dataFolder, choice,
                                       QDateTime::currentSecsSinceEpoch());
  if (!session) {
    Ask(QStringLiteral("Quillory"), QString::fromStdString(session.error().message), 1);
    return false;
  }
  session_ = std::move(session).value();
  const QString caption = QStringLiteral("%1 - Paper %2")
                              .arg(FromWindows1252(choice.topicName))
                              .arg(paper().PaperInTopic());
  setWindowTitle(caption);
  Title->setText(caption);
  Title->adjustSize();
  QnTitle->setText(QStringLiteral("Question 1"));
  QnTitle->adjustSize();
  Form_Resize();
  ShowCurrentPage();
  ShowTimes();
  PScoring->setText(FromWindows1252(paper().score));
  SetUpSheet();
  RebuildRemainingList();
  if (paper().marked) ShowMarkedDisplay();
  sheetShown_ = true;
  UpdateToolbar();
  lblTotalQ->setText(QString::number(paper().blankCount()));
  lblAnsweredQ->setText(QString::number(session_->answeredCount()));
  Timer1->start(100);
  // The pupil can start typing at once.
  AnsBox->slot(1).answer->setFocus(Qt::OtherFocusReason);
  return true;
}

void PracticeWindow::ShowTimes() {
  LTime->setText(FromWindows1252(paper().timeTaken));
  ETime->setText(FromWindows1252(paper().dateDone));
  lblDate->setText(Today());
}

void PracticeWindow::SetUpSheet() {
  AnsBox->SetUpAnswerSheet(paper(), currentPage());
  AnsBox->ArrangeAnswerSlots(paper(), currentPage());
}

void PracticeWindow::ShowCurrentPage() {
  std::error_code ec;
  if (!pageFile_.empty()) std::filesystem::remove(pageFile_, ec);
  const std::string& id = session_->currentQuestion();
  pageFile_ = QuestionPagePath(services_.dataFolder, id);
  if (ExtractResource(*services_.package, static_cast<std::uint16_t>(std::stoi(id)), pageFile_) ==
      0) {
    brwWebBrowser->ShowPageFile(QString::fromStdString(pageFile_.string()));
  } else {
    // Never the page before under this page's title and answer slots.
    brwWebBrowser->ShowUnavailable();
  }
}

void PracticeWindow::RebuildRemainingList() {
  RemQns->clear();
  for (int page : session_->remainingPages()) RemQns->addItem(QString::number(page));
}

RecordList PracticeWindow::PageAnswers() const {
  return AnsBox->PageAnswers(paper(), currentPage());
}

bool PracticeWindow::Ask(const QString& title, const QString& message, int buttons,
                         std::function<void(bool)> answered) {
  if (asking_) return false;
  asking_ = true;
  const QPointer<PracticeWindow> alive(this);
  // Nothing of the window is touched after asking: the answer may come at once, or after the
  // window has gone.
  ask_(title, message, buttons, [alive, answered = std::move(answered)](bool yes) {
    if (alive == nullptr) return;
    alive->asking_ = false;
    if (alive->services_.popUpResponse != nullptr) {
      *alive->services_.popUpResponse = yes ? QStringLiteral("True") : QStringLiteral("False");
    }
    if (!alive->unloading_ && answered) answered(yes);
  });
  return true;
}

void PracticeWindow::TellNotSaved(const Status& stored) {
  Ask(QStringLiteral("Quillory"),
      QStringLiteral("Your answers could not be saved: %1")
          .arg(QString::fromStdString(stored.error().message)),
      1);
}

bool PracticeWindow::StoreAndWrite() {
  if (Status stored = session_->StoreCurrentAnswers(PageAnswers()); !stored) {
    TellNotSaved(stored);
    return false;
  }
  return true;
}

void PracticeWindow::GoToPage(int page) {
  if (unloading_ || page < 1 || page > session_->pageCount()) return;
  const Status stored = session_->GoToPage(page, PageAnswers());
  QnTitle->setText(QStringLiteral("Question %1").arg(page));
  QnTitle->adjustSize();
  SetUpSheet();
  ShowCurrentPage();
  RebuildRemainingList();
  UpdateToolbar();
  if (!stored) TellNotSaved(stored);
}

void PracticeWindow::NextQuestion() {
  const QPointer<PracticeWindow> alive(this);
  GoToPage(currentPage() + 1);
  if (alive && !unloading_) AnsBox->slot(1).answer->setFocus();
}

void PracticeWindow::PreviousQuestion() {
  const QPointer<PracticeWindow> alive(this);
  GoToPage(currentPage() - 1);
  if (alive && !unloading_) AnsBox->slot(1).answer->setFocus();
}

void PracticeWindow::SavePaper() {
  if (unloading_ || !session_->canSave()) return;
  if (Status stored = session_->Save(PageAnswers()); !stored) {
    TellNotSaved(stored);
    return;
  }
  Ask(QStringLiteral("Quillory"), QStringLiteral("Paper saved"), 1);
}

void PracticeWindow::MarkPaper() {
  if (unloading_ || markingUnderWay()) return;
  if (session_->marked()) {
    ShowMarkedDisplay();
    return;
  }
  // The answers are stored before the question, so they stay stored if the pupil says No.
  auto question = session_->MarkingQuestion(PageAnswers());
  if (!question) {
    TellNotSaved(question.error());
    return;
  }
  Ask(QStringLiteral("Marking"), QString::fromStdString(*question), 2, [this](bool yes) {
    if (yes && !markingUnderWay()) StartMarkingAnimation();
  });
}

void PracticeWindow::StartMarkingAnimation() {
  fmeMark->show();
  for (QLabel* bar : bars_) bar->hide();
  barsShown_ = 0;
  marking_ = true;
  // The pupil's clicks and keys are held off while the bars fill; the window still repaints.
  qApp->installEventFilter(this);
  markingStep_->start(services_.animationStep);
}

void PracticeWindow::MarkingStep() {
  if (barsShown_ == static_cast<int>(bars_.size())) {
    FinishMarking();
    return;
  }
  bars_[static_cast<std::size_t>(barsShown_++)]->show();
}

void PracticeWindow::StopMarkingAnimation() {
  marking_ = false;
  markingStep_->stop();
  qApp->removeEventFilter(this);
  fmeMark->hide();
}

void PracticeWindow::FinishMarking() {
  StopMarkingAnimation();
  const QDate today = QDate::currentDate();
  auto marked = session_->Mark(QDateTime::currentSecsSinceEpoch(),
                               MarkingDay{today.day(), today.month(), today.year()});
  if (!marked) {
    Ask(QStringLiteral("Marking"),
        QStringLiteral("Your paper could not be marked: %1\n\nYour answers are kept, and you "
                       "can still change them and press Mark again.")
            .arg(QString::fromStdString(marked.error().message)),
        1);
    return;
  }
  PScoring->setText(FromWindows1252(paper().score));
  ShowTimes();
  ShowMarkedDisplay();
}

bool PracticeWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Sizer && event->type() == QEvent::MouseButtonPress) {
    if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) ResizeFromCorner(Sizer);
    return true;
  }
  if (watched != Sizer && IsInput(event->type()) && marking_) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this) return true;
  }
  return SkinnedWindow::eventFilter(watched, event);
}

void PracticeWindow::ShowMarkedDisplay() {
  AnsBox->ShowMarked();
  TxtRem->hide();
  SetUpSheet();
  ShowMarkedStatus();
  UpdateToolbar();
}

void PracticeWindow::ShowMarkedStatus() {
  lblClock->hide();
  LTime->show();
  lblDate->hide();
  ETime->show();
}

void PracticeWindow::ClosePaper() {
  if (unloading_ || asking_) return;
  // The bars stand still while the pupil decides: a Yes closes the paper unmarked.
  const bool wasMarking = markingUnderWay();
  if (wasMarking) markingStep_->stop();
  Ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2,
      [this, wasMarking](bool yes) {
        if (yes) {
          UnloadWindow();
        } else if (wasMarking) {
          markingStep_->start(services_.animationStep);
        }
      });
}

void PracticeWindow::PrintQuestion() {
  brwWebBrowser->PrintQuestion(this, windowTitle() + QStringLiteral(" - ") + QnTitle->text());
}

void PracticeWindow::Unload() {
  if (unloading_) return;
  // No one was asked: another paper is being opened or the program is ending. What the pupil
  // typed on this page is kept, as a page change keeps it.
  StoreCurrentAnswers();
  UnloadWindow();
}

void PracticeWindow::StoreCurrentAnswers() {
  if (!unloading_ && session_->canSave()) StoreAndWrite();
}

void PracticeWindow::UnloadWindow() {
  if (unloading_) return;
  unloading_ = true;
  Timer1->stop();
  StopMarkingAnimation();
  if (session_) session_->Close();
  std::error_code ec;
  if (!pageFile_.empty()) std::filesystem::remove(pageFile_, ec);
  close();
  if (services_.refreshHome) services_.refreshHome();
}

void PracticeWindow::closeEvent(QCloseEvent* event) {
  // The desktop's close asks first, as the window's own close button does.
  if (!unloading_) {
    event->ignore();
    ClosePaper();
    // A Yes unloaded the window: this close goes ahead.
    if (unloading_) event->accept();
    return;
  }
  SkinnedWindow::closeEvent(event);
}

void PracticeWindow::UpdateClock() {
  lblClock->setText(
      QString::fromStdString(session_->clockText(QDateTime::currentSecsSinceEpoch())));
}

void PracticeWindow::UpdateToolbar() {
  const std::array<bool, 6> enabled = ToolbarEnabled(session_->canSave(), session_->canMark(),
                                                     session_->canGoBack(), session_->canGoNext());
  for (std::size_t i = 0; i < kButtons.size(); ++i) {
    Picture* button = toolbar_[i];
    const QString face = QString::fromLatin1(kButtons[i].face);
    // Print and Close are never disabled and have no disabled face.
    button->setFaces(
        skin().picture(face + QStringLiteral("_off.bmp")),
        skin().picture(face + QStringLiteral("_on.bmp")),
        skin().picture(face + QStringLiteral("_pressed.bmp")),
        enabled[i] ? QPixmap() : skin().picture(face + QStringLiteral("_disabled.bmp")));
    button->setEnabled(enabled[i]);
  }
}

void PracticeWindow::PracticeTick() {
  UpdateClock();
  lblAnsweredQ->setText(QString::number(session_->answeredCount()));
}

void PracticeWindow::ToggleAnswerSheet() {
  const int inner = width();
  const int leftEdge = BLeft->width();
  const int rightEdge = BRight->width();
  sheetShown_ = !sheetShown_;
  if (!sheetShown_) {
    AnsBox->move(inner, AnsBox->y());
    PicHideAns->move(AnsBox->x() - PicHideAns->width() - rightEdge, PicHideAns->y());
    brwWebBrowser->resize(inner - PicHideAns->width() - leftEdge - rightEdge,
                          brwWebBrowser->height());
    ImgHandle->setToolTip(QStringLiteral("Show answer sheet"));
  } else {
    AnsBox->move(inner - AnsBox->width() - rightEdge, AnsBox->y());
    PicHideAns->move(AnsBox->x() - PicHideAns->width(), PicHideAns->y());
    brwWebBrowser->resize(inner - AnsBox->width() - PicHideAns->width() - leftEdge - rightEdge,
                          brwWebBrowser->height());
    ImgHandle->setToolTip(QStringLiteral("Hide answer sheet"));
  }
  RemQnsBG->resize(brwWebBrowser->width(), RemQnsBG->height());
}

void PracticeWindow::resizeEvent(QResizeEvent* event) {
  SkinnedWindow::resizeEvent(event);
  Form_Resize();
}

void PracticeWindow::Form_Resize() {
  if (ScnTabBG == nullptr) return;
  LayoutFrame();
  const ScreenUnits u = units();
  const int w = width();
  const int h = height();
  const int bar = BTopLeft->height();
  if (ImgIco != nullptr) {
    ImgIco->move(u.x(ScreenUnits::HimetricToTwips(240)), (bar - ImgIco->height()) / 2);
  }
  Title->move(u.x(ScreenUnits::HimetricToTwips(800)), (bar - Title->height()) / 2);
  imgProgClose->move(w - imgProgClose->width() - u.x(ScreenUnits::HimetricToTwips(120)),
                     (bar - imgProgClose->height()) / 2);
  imgProgMax->move(imgProgClose->x() - imgProgMax->width() - u.x(ScreenUnits::HimetricToTwips(60)),
                   (bar - imgProgMax->height()) / 2);
  imgProgMin->move(imgProgMax->x() - imgProgMin->width() - u.x(ScreenUnits::HimetricToTwips(60)),
                   (bar - imgProgMin->height()) / 2);
  for (QWidget* item : {static_cast<QWidget*>(Title), static_cast<QWidget*>(imgProgClose),
                        static_cast<QWidget*>(imgProgMax), static_cast<QWidget*>(imgProgMin)}) {
    item->raise();
  }
  if (ImgIco != nullptr) ImgIco->raise();

  const int leftEdge = BLeft->width();
  const int rightEdge = BRight->width();
  const int bottomEdge = BBot->height();
  ScnTabBG->setGeometry(leftEdge, BTopLeft->y() + bar, w - rightEdge - leftEdge, u.y(kBandHeight));
  int left = u.x(120);
  for (std::size_t i = 0; i < 4; ++i) {
    toolbar_[i]->move(left, toolbar_[i]->y());
    left += toolbar_[i]->width() + u.x(120);
  }
  toolbar_[5]->move(ScnTabBG->width() - toolbar_[5]->width() - u.x(120), toolbar_[5]->y());
  toolbar_[4]->move(toolbar_[5]->x() - toolbar_[4]->width() - u.x(120), toolbar_[4]->y());
  PaperSum->move(w - u.x(kSheetWidth), PaperSum->y());

  const int contentTop = ScnTabBG->y() + ScnTabBG->height();
  AnsBox->setGeometry(w - rightEdge - u.x(kSheetWidth), contentTop, u.x(kSheetWidth),
                      h - contentTop - bottomEdge);
  PicHideAns->setGeometry(AnsBox->x() - PicHideAns->width(), contentTop, PicHideAns->width(),
                          AnsBox->height());
  ImgHandle->move((PicHideAns->width() - ImgHandle->width()) / 2,
                  (PicHideAns->height() - ImgHandle->height()) / 2);
  const int pageHeight = h - contentTop - u.y(kStatusHeight) - bottomEdge;
  brwWebBrowser->setGeometry(leftEdge, contentTop,
                             w - AnsBox->width() - PicHideAns->width() - leftEdge - rightEdge,
                             pageHeight);
  QnTitleBG->setGeometry(u.x(120), brwWebBrowser->y() + u.y(ScreenUnits::HimetricToTwips(120)),
                         brwWebBrowser->width() - u.x(ScreenUnits::HimetricToTwips(640)), u.y(375));
  QnTitleBG->raise();
  RemQnsBG->setGeometry(leftEdge, brwWebBrowser->y() + brwWebBrowser->height(),
                        brwWebBrowser->width(), RemQnsBG->height());
  AnsBox->instruction()->move(AnsBox->instruction()->x(),
                              AnsBox->height() - AnsBox->instruction()->height());
  Sizer->move(w - Sizer->width() - u.x(ScreenUnits::HimetricToTwips(60)),
              h - Sizer->height() - u.y(ScreenUnits::HimetricToTwips(60)));
  Sizer->raise();
  pRoundCorners();
}

void PracticeWindow::ResizeFromCorner(QWidget* pressedOn) {
  ResizeFromBottomRight(this, pressedOn);
}

void PracticeWindow::mousePressEvent(QMouseEvent* event) {
  const int margin = units().x(90);  // 6 pixels at 96 dots per inch
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton && at.x() > width() - margin &&
      at.y() > height() - margin) {
    ResizeFromCorner(this);
    return;
  }
  SkinnedWindow::mousePressEvent(event);
}

void PracticeWindow::mouseMoveEvent(QMouseEvent* event) {
  const int margin = units().x(90);
  const QPoint at = event->position().toPoint();
  setCursor(at.x() > width() - margin && at.y() > height() - margin ? Qt::SizeFDiagCursor
                                                                    : Qt::ArrowCursor);
  SkinnedWindow::mouseMoveEvent(event);
}

}  // namespace quillory
