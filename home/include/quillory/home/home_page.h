#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

#include "quillory/content/record_file.h"
#include "quillory/shell/picture.h"
#include "quillory/shell/skin.h"

namespace quillory {

// The Home page under a subject tab: the subject's topics on the left, and on the right the five
// papers of the chosen topic with their scores and the buttons to take or retry each one.
class HomePage : public QWidget {
  Q_OBJECT

 public:
  HomePage(QWidget* parent, const Skin& skin);

  // Shows topic names 1 to 10, rows beyond `topicCount` hidden.
  void ShowTopics(const std::array<std::string, 10>& names, int topicCount);
  // Fills the paper list of the topic that starts at paper `topicStart` (1, 6, 11, ...).
  void TopicChoosing(int topicStart, const RecordList& firstScores, const RecordList& secondScores,
                     const std::array<std::string, 10>& names);
  // Marks topic row i (1 to 10) as the chosen one.
  void Topicbuttoncolour(int i);
  // Places the score labels against the percent column and shows each retry button only for a
  // paper whose first attempt scored 99 or less.
  void LayoutPaperScores();

  Picture* topicLabel(int i) const { return topics_[static_cast<std::size_t>(i - 1)]; }
  Picture* takeButton(int k) const { return take_[static_cast<std::size_t>(k - 1)]; }
  Picture* retryButton(int k) const { return retry_[static_cast<std::size_t>(k - 1)]; }

 signals:
  void topicClicked(int i);
  // Offset 0 to 4 within the topic; take 1 opens the first attempt, 2 the second.
  void paperChosen(int offset, int take);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const Skin& skin_;
  std::array<Picture*, 10> bullets_{};
  std::array<Picture*, 10> topics_{};
  QLabel* subH1_;
  std::array<QLabel*, 5> paperLabels_{};
  std::array<Picture*, 5> take_{};
  std::array<Picture*, 5> retry_{};
  std::array<QLabel*, 5> firstScores_{};
  std::array<QLabel*, 5> secondScores_{};
  QLabel* percent_;
};

}  // namespace quillory
