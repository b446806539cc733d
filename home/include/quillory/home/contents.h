#pragma once

#include <QString>
#include <array>
#include <filesystem>
#include <functional>

#include "quillory/content/content_package.h"
#include "quillory/content/subject_catalogue.h"
#include "quillory/shell/skinned_window.h"

class QTimer;

namespace quillory {

class TabStrip;

// The choices the home window keeps and the practice windows read: which subject, topic and
// paper were chosen, and which tab, toolbar button and report view are in front.
struct HomeState {
  int LChose = 1;        // chosen subject slot, 1 to 3
  QString lblCOD;        // product code
  int txtTabPos = 1;     // 1 to 3 the subject tabs, 4 the Help tab
  int txtToolBarPos = 0;
  int txtReportPos = 1;
  int TopicCount = 1;    // first paper of the selected topic
  int TtPapersCon = 0;   // paper count of the chosen subject
  QString PaperNum;      // paper key of the paper opened last
  int TakeNum = 0;       // attempt of the paper opened last
  QString RefreshLog = QStringLiteral("off");
  int txtPressTrack = 0;
  int ContentsFocus = 1;
};

// The home window: subject tabs over the page of the chosen subject. Its start-up installs the
// window pictures, reads the subjects and makes sure every subject's result files are in order.
class Contents : public SkinnedWindow {
  Q_OBJECT

 public:
  Contents(const ContentPackage& package, std::filesystem::path dataFolder, const Skin& skin);

  // Runs the start-up. Returns false, having told the pupil why, when Quillory cannot start.
  bool Form_Load();

  // How start-up tells the pupil something; a message box unless replaced (tests record them).
  using Notice = std::function<void(const QString& text, bool fatal)>;
  void setNotice(Notice notice) { notice_ = std::move(notice); }

  const SubjectCatalogue& catalogue() const { return catalogue_; }
  const HomeState& state() const { return state_; }
  const std::filesystem::path& dataFolder() const { return dataFolder_; }

  // A click on tab n (1 to 3 a subject, 4 Help).
  void TabClick(int n);
  // Puts tab n in front of the strip.
  void RaiseTab(int n);
  // Closes every window and ends the program.
  void ExitProgram();

 protected:
  void CloseButtonClicked() override { ExitProgram(); }
  void ShowActiveChrome() override;
  void ShowInactiveChrome() override;

 private:
  void BuildControls();
  void PlaceTitleBar();
  bool LoadSubjects();
  bool EnsureResults();
  void SetCaptions();
  void LayoutTabs();
  void ShowPage();
  void HomeTick();
  void SetTabFace(int n, const QPoint& cursor);

  const ContentPackage& package_;
  std::filesystem::path dataFolder_;
  Notice notice_;
  SubjectCatalogue catalogue_;
  HomeState state_;

  QWidget* ScnTabBG = nullptr;
  std::array<Picture*, 4> tabs_{};
  std::array<QLabel*, 4> tabLabels_{};
  QWidget* Body_Home = nullptr;
  QTimer* Timer1 = nullptr;
};

}  // namespace quillory
