#pragma once

#include <QWidget>
#include <array>

#include "quillory/results/report.h"

class QLabel;

namespace quillory {

class Skin;

// The Report page of the home window: three views of one subject's results stacked like an
// accordion under their title bars. It only shows figures the results core has worked out.
class ReportPage : public QWidget {
  Q_OBJECT

 public:
  ReportPage(QWidget* parent, const Skin& skin);

  // Fills the overall, topical and trend views from `figures`.
  void ShowReport(const ReportFigures& figures);
  // Opens view 1 (overall), 2 (topical) or 3 (trend) under its title bar.
  void ArrangeReportView(int view);

 signals:
  // The pupil clicked the title bar of `view`, or its label.
  void viewChosen(int view);

 private:
  class TitleBar;
  class TopicalPanel;
  class TrendPlot;

  struct TopicRow {
    QLabel* name = nullptr;
    QWidget* backA = nullptr;
    QWidget* backB = nullptr;
    QWidget* barA = nullptr;
    QWidget* barB = nullptr;
    QLabel* markA = nullptr;
    QLabel* markB = nullptr;
  };

  void BuildTitleBars(const Skin& skin);
  void BuildSummary();
  void BuildTopical();
  void BuildTrend();
  void ShowTopicResult(const TopicRow& row, const TopicFigures& topic);

  std::array<TitleBar*, 3> bars_{};
  std::array<QWidget*, 3> panels_{};

  QLabel* OScore1 = nullptr;
  QLabel* OScore2 = nullptr;
  QLabel* PCNum = nullptr;
  QLabel* WT = nullptr;
  QLabel* ST = nullptr;

  TopicalPanel* RC2Topical = nullptr;
  std::array<TopicRow, 10> rows_{};

  TrendPlot* RC3TrendPlot = nullptr;
};

}  // namespace quillory
