#pragma once

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>

#include "quillory/content/content_package.h"
#include "quillory/practice/answer_sheet.h"
#include "quillory/practice/open_paper.h"
#include "quillory/shell/skinned_window.h"

namespace quillory {

class PageView;

// A paper being taken: its question pages one at a time, the answer sheet beside them, the
// toolbar (Save, Mark, Print, Close, Back, Next), the status bar, and marking. The first attempt
// ("Practice", Test1) and the second ("Try Again", Test2) share all of it; the second attempt's
// differences live in SecondAttemptWindow.
class PracticeWindow : public SkinnedWindow {
  Q_OBJECT

 public:
  struct Services {
    const ContentPackage* package = nullptr;
    std::filesystem::path dataFolder;
    QString* popUpResponse = nullptr;   // the home window's answer of the message box
    std::function<void()> refreshHome;  // called when the window unloads
    // How the window asks or tells the pupil something; the message box when not given.
    std::function<bool(const QString& title, const QString& message, int buttons)> ask;
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

  const OpenPaper& paper() const { return paper_; }
  int currentPage() const { return currentPage_; }
  bool sheetShown() const { return sheetShown_; }
  AnswerSheet* answerSheet() const { return AnsBox; }
  PageView* pageView() const { return brwWebBrowser; }

 protected:
  PracticeWindow(const Skin& skin, Services services, int attempt);

  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void CloseButtonClicked() override { ClosePaper(); }

  // What the second attempt does differently.
  virtual void BuildStatusPanels();
  virtual void ShowMarkedStatus();
  virtual void UpdateClock();

  void BuildControls();
  void Form_Resize();
  void ShowCurrentPage();
  void RebuildRemainingList();
  void SetUpSheet();
  bool StoreAndWrite();
  // Deletes the page file, closes the window and refreshes the home window; stores nothing.
  void UnloadWindow();
  void RunMarkingAnimation();
  void ShowMarkedDisplay();
  // The toolbar's faces and enabled states, for the current page and status.
  void UpdateToolbar();
  // Resizes the window from its bottom-right corner for a left press on `pressedOn`.
  void ResizeFromCorner(QWidget* pressedOn);
  QLabel* StatusPanel(const QString& name, const QString& picture, double left, double width);
  QLabel* StatusText(QWidget* panel, const QString& name, const QString& tooltip);

  Services services_;
  int attempt_;
  OpenPaper paper_;
  int currentPage_ = 1;
  bool sheetShown_ = true;
  bool unloading_ = false;
  qint64 startTime_ = 0;
  std::filesystem::path pageFile_;
  std::function<bool(const QString&, const QString&, int)> ask_;

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
  void BuildStatusPanels() override;
  void ShowMarkedStatus() override;
  void UpdateClock() override {}
};

}  // namespace quillory
