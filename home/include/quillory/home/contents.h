#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "quillory/content/content_package.h"
#include "quillory/content/paper_key.h"
#include "quillory/content/record_file.h"
#include "quillory/content/subject_catalogue.h"
#include "quillory/shell/skinned_window.h"

class QPrinter;

namespace quillory {

class AboutPage;
class HomePage;
class ReportPage;
class TrashPage;

// The choices the home window keeps and the practice windows read: which subject, topic and
// paper were chosen, and which tab, toolbar button and report view are in front.
struct HomeState {
  int LChose = 1;     // chosen subject slot, 1 to 3
  QString lblCOD;     // product code
  int txtTabPos = 1;  // 1 to 3 the subject tabs, 4 the Help tab
  int txtToolBarPos = 0;
  int txtReportPos = 1;
  int TopicCount = 1;   // first paper of the selected topic
  int TtPapersCon = 0;  // paper count of the chosen subject
  QString SubH1;        // name of the selected topic
  PaperKey PaperNum;    // the paper opened last
  int TakeNum = 0;      // attempt of the paper opened last
  QString RefreshLog = QStringLiteral("off");
  int txtPressTrack = 0;
  int ContentsFocus = 1;
  QString PopUpResponse;  // the last answer of the pop-up message box
};

// What the Home page shows of the chosen subject: its topics and the four marks-file lists.
struct SubjectView {
  int topicCount = 0;
  int paperCount = 0;
  std::array<std::string, 10> topicNames;
  std::filesystem::path marksFile;
  RecordList firstScores, secondScores, timesTaken, dates;  // FSE, SSE, LTM, CDD
};

// The home window: subject tabs and toolbar over the Home, Report, About and Trash pages. Its
// start-up installs the window pictures, reads the subjects and makes sure every subject's
// result files are in order.
class Contents : public SkinnedWindow {
  Q_OBJECT

 public:
  Contents(const ContentPackage& package, std::filesystem::path dataFolder, const Skin& skin);
  ~Contents() override;

  // Runs the start-up. Returns false, having told the pupil why, when Quillory cannot start.
  bool Form_Load();

  // How the window tells the pupil something; a message box unless replaced (tests record them).
  using Notice = std::function<void(const QString& text, bool fatal)>;
  void setNotice(Notice notice) { notice_ = std::move(notice); }
  // Opens the practice window of the paper in PaperNum for the attempt in TakeNum; until it is
  // set, choosing a paper only records the choice.
  void setPracticeOpener(std::function<void()> opener) { practiceOpener_ = std::move(opener); }
  // Closes any open practice window without a question (before a paper is opened or the results
  // are erased, so that nothing it holds can be written back afterwards).
  void setPracticeCloser(std::function<void()> closer) { practiceCloser_ = std::move(closer); }

  const SubjectCatalogue& catalogue() const { return catalogue_; }
  const HomeState& state() const { return state_; }
  HomeState& state() { return state_; }
  const SubjectView& subjectView() const { return view_; }
  const std::filesystem::path& dataFolder() const { return dataFolder_; }
  const ContentPackage& package() const { return package_; }

  // A click on tab n (1 to 3 a subject, 4 Help).
  void TabClick(int n);
  // Puts tab n in front of the strip.
  void RaiseTab(int n);
  // A click on toolbar button n (1 to 4).
  void ToolBarClick(int n);
  // Brings forward the page, or runs the action, of the current tab and toolbar choice.
  void ShowPage();
  // Reloads the subject view of slot `subject` and its topic list.
  void ShowSubject(int subject, const QString& code);
  // A click on topic row i (1 to 10).
  void TopicClick(int i);
  // Opens paper `offset` (0 to 4) of the selected topic for attempt `take` (1 or 2).
  void OpenPaperWindow(int offset, int take);
  // Reads the scores again after a practice window closed, keeping the selected topic.
  void RefreshContents();
  // Closes every window and ends the program.
  void ExitProgram();
  // True once the program is ending, also when that began during start-up (a signal that came
  // while a start-up notice was open).
  bool exiting() const { return exiting_; }

 protected:
  void CloseButtonClicked() override { ExitProgram(); }
  void ShowActiveChrome() override;
  void ShowInactiveChrome() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildPages();
  void BuildToolbar();
  void PlaceTitleBar();
  bool LoadSubjects();
  bool EnsureResults();
  void SetCaptions();
  void LayoutTabs();
  void BringPageForward(QWidget* page);
  // The faces a tab or a toolbar button shows, set when the chosen tab changes; the buttons
  // follow the cursor and presses themselves.
  void SetTabFace(int n);
  void SetHomeButtonFace(int n);
  void ShowReport();
  void PrintResults();
  void SetUpPrinter();
  void EraseResults();
  void OpenWebPage();
  void ShowSystemMessage(const QString& title, const QString& text);

  const ContentPackage& package_;
  std::filesystem::path dataFolder_;
  Notice notice_;
  std::function<void()> practiceOpener_;
  std::function<void()> practiceCloser_;
  SubjectCatalogue catalogue_;
  HomeState state_;
  SubjectView view_;
  std::unique_ptr<QPrinter> printer_;
  QPointer<QDialog> printSetup_;  // while the pupil chooses a printer
  bool exiting_ = false;

  QWidget* ScnTabBG = nullptr;
  std::array<Picture*, 4> tabs_{};
  std::array<QLabel*, 4> tabLabels_{};
  std::array<Picture*, 4> toolbar_{};
  std::array<QLabel*, 4> toolbarLabels_{};
  HomePage* Body_Home = nullptr;
  ReportPage* Body_Report = nullptr;
  AboutPage* Body_About = nullptr;
  TrashPage* Body_Trash = nullptr;
};

}  // namespace quillory
