#pragma once

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "quillory/content/content_package.h"
#include "quillory/practice/answer_sheet.h"
#include "quillory/session/practice_session.h"
#include "quillory/shell/skinned_window.h"

namespace quillory {

class PageView;

// A paper being taken, as a view of its practice session: its question pages one at a time, the
// answer sheet beside them, the toolbar (Save, Mark, Print, Close, Back, Next), the status bar,
// and the marking animation. The first attempt ("Practice", Test1) and the second ("Try Again",
// Test2) share all of it; the second attempt's differences live in SecondAttemptWindow.
//
// The pupil is asked without a loop of the window's own: the question returns at once and its
// answer comes later, and only to a window that is still there and not unloading (the home
// window may erase the results or open another paper meanwhile). One question at a time.
// Marking fills the bars on a timer of the window's own, the pupil's input held off meanwhile;
// unloading the window stops it, and nothing is marked or written afterwards.
class PracticeWindow : public SkinnedWindow {
  Q_OBJECT

 public:
  struct Services {
    const ContentPackage* package = nullptr;
    std::filesystem::path dataFolder;
    QString* popUpResponse = nullptr;   // the home window's answer of the message box
    std::function<void()> refreshHome;  // called when the window unloads
    // How the window asks or tells the pupil something: it returns at once and calls `answered`
    // with the answer later (or never, should the window go first); the message box when not
    // given.
    std::function<void(const QString& title, const QString& message, int buttons,
                       std::function<void(bool yes)> answered)>
        ask;
    int animationStep = 200;  // milliseconds per bar of the marking animation
  };

  ~PracticeWindow() override;

  // Opens the chosen paper. Returns false, having told the pupil why, when it cannot be opened.
  bool Form_Load(const PaperChoice& choice);

  void NextQuestion();
  void PreviousQuestion();
  void GoToPage(int page);
  void SavePaper();
  void MarkPaper();
  void ClosePaper();
  void PrintQuestion();
  void ToggleAnswerSheet();
  // The 100 ms tick: the clock and the answered count.
  void PracticeTick();
  // Closes the window without a question, as the home window does before opening another paper
  // or when the program ends; the answers typed on the current page are stored first.
  void Unload();
  // Stores the answers typed on the current page, unless the paper is marked.
  void StoreCurrentAnswers();

  const OpenPaper& paper() const { return session_->paper(); }
  const PracticeSession& session() const { return *session_; }
  int currentPage() const { return session_->currentPage(); }
  // True while the marking bars fill.
  bool markingUnderWay() const { return marking_; }
  bool sheetShown() const { return sheetShown_; }
  AnswerSheet* answerSheet() const { return AnsBox; }
  PageView* pageView() const { return brwWebBrowser; }

 protected:
  PracticeWindow(const Skin& skin, Services services);

  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void CloseButtonClicked() override { ClosePaper(); }

  // What the second attempt does differently.
  virtual AnswerSheet* MakeAnswerSheet();
  virtual double HandleWidth() const { return 100; }
  virtual void BuildStatusPanels();
  virtual void ShowTimes();
  virtual void ShowMarkedStatus();
  virtual void UpdateClock();

  void BuildControls();
  void BuildShortcuts();
  void Form_Resize();
  void ShowCurrentPage();
  void RebuildRemainingList();
  void SetUpSheet();
  // Stores the page's answers; tells the pupil when they could not be written. False then, or
  // when the window was unloaded while the pupil was told.
  bool StoreAndWrite();
  // Tells the pupil why the answers could not be saved.
  void TellNotSaved(const Status& stored);
  // Asks the pupil and returns at once; `answered` runs with the answer unless the window was
  // unloaded or deleted meanwhile. False, and nothing asked, while another question is open.
  bool Ask(const QString& title, const QString& message, int buttons,
           std::function<void(bool yes)> answered = {});
  RecordList PageAnswers() const;
  // Deletes the page file, closes the window and refreshes the home window; stores nothing.
  void UnloadWindow();
  void StartMarkingAnimation();
  void MarkingStep();
  void StopMarkingAnimation();
  void FinishMarking();
  void ShowMarkedDisplay();
  // The toolbar's faces and enabled states, for the current page and status.
  void UpdateToolbar();
  // Resizes the window from its bottom-right corner for a left press on `pressedOn`.
  void ResizeFromCorner(QWidget* pressedOn);
  QLabel* StatusPanel(const QString& name, const QString& picture, double left, double width);
  QLabel* StatusText(QWidget* panel, const QString& name, const QString& tooltip);

  Services services_;
  std::optional<PracticeSession> session_;
  bool sheetShown_ = true;
  bool unloading_ = false;
  bool marking_ = false;
  int barsShown_ = 0;
  std::filesystem::path pageFile_;
  decltype(Services::ask) ask_;
  bool asking_ = false;

  QWidget* ScnTabBG = nullptr;
  std::array<Picture*, 6> toolbar_{};
  std::array<QLabel*, 6> toolbarLabels_{};
  Picture* PaperSum = nullptr;
  QLabel* PScoring = nullptr;
  QWidget* QnTitleBG = nullptr;
  QLabel* QnTitle = nullptr;
  PageView* brwWebBrowser = nullptr;
  QWidget* PicHideAns = nullptr;
  Picture* ImgHandle = nullptr;
  AnswerSheet* AnsBox = nullptr;
  QWidget* RemQnsBG = nullptr;
  QLabel* lblClock = nullptr;
  QLabel* LTime = nullptr;
  QLabel* lblDate = nullptr;
  QLabel* ETime = nullptr;
  QLabel* lblAnsweredQ = nullptr;
  QLabel* lblTotalQ = nullptr;
  QWidget* TxtRem = nullptr;
  QComboBox* RemQns = nullptr;
  QLabel* fmeMark = nullptr;
  std::array<QLabel*, 15> bars_{};
  Picture* imgProgMax = nullptr;
  Picture* Sizer = nullptr;
  QTimer* Timer1 = nullptr;
  QTimer* markingStep_ = nullptr;
};

// Test1, "Practice": the first attempt, with its clock and date.
class FirstAttemptWindow : public PracticeWindow {
  Q_OBJECT
 public:
  FirstAttemptWindow(const Skin& skin, Services services);
};

// Test2, "Try Again": the second attempt, from the first attempt's right answers.
class SecondAttemptWindow : public PracticeWindow {
  Q_OBJECT
 public:
  SecondAttemptWindow(const Skin& skin, Services services);

 protected:
  AnswerSheet* MakeAnswerSheet() override;
  double HandleWidth() const override { return 120; }
  void BuildStatusPanels() override;
  void ShowTimes() override {}
  void ShowMarkedStatus() override {}
  void UpdateClock() override {}
};

}  // namespace quillory
