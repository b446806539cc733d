#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStringList>
#include <QWidget>
#include <array>

#include "quillory/session/open_paper.h"
#include "quillory/shell/border_canvas.h"
#include "quillory/shell/skin.h"

namespace quillory {

// One answer slot: its frame, label "(a)", answer box, model answer box and result glyphs.
struct AnswerSlot {
  BorderCanvas* frame = nullptr;
  QLabel* label = nullptr;
  QLineEdit* answer = nullptr;
  QLineEdit* model = nullptr;
  QLabel* firstGlyph = nullptr;   // FR: this attempt's glyph, or the first attempt's in Test2
  QLabel* secondGlyph = nullptr;  // SR: the second attempt's glyph, Test2 only
};

// The answer sheet beside the page: one slot per blank of the page on show, up to twenty. The
// slots only mirror the open paper's lists: every page change refills them.
class AnswerSheet : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSlots = 20;

  AnswerSheet(QWidget* parent, const Skin& skin);
  ~AnswerSheet() override = default;

  // Prepares the slots of `page`: their contents, the first slot's shape and the instruction
  // picture for fractions and mixed numbers.
  void SetUpAnswerSheet(const OpenPaper& paper, int page);
  // Stacks the slots and shows exactly those of the page.
  void ArrangeAnswerSlots(const OpenPaper& paper, int page);
  // The page's answer boxes, as typed, one per blank of the page.
  RecordList PageAnswers(const OpenPaper& paper, int page) const;
  // The marked display: boxes locked, glyphs shown.
  virtual void ShowMarked();
  // Draws every answer box's frame, once when the window opens.
  void DrawBorders();

  const AnswerSlot& slot(int n) const { return slots_[static_cast<std::size_t>(n - 1)]; }
  QLabel* instruction() const { return instruction_; }
  // The panel at the foot of the sheet with the worked answer of the slot last clicked or
  // focused; shown only once the paper's practice is over.
  QScrollArea* workedAnswerPanel() const { return worked_; }
  QLabel* workedAnswerText() const { return workedText_; }

 signals:
  // The pupil typed a character the answer files cannot keep; it was left out.
  void characterRefused(QLineEdit* box);
  // Enter in the page's last answer box: the pupil is done with the page.
  void lastAnswerEntered();

 protected:
  // Copies blank `blank`'s entries into slot `n`.
  virtual void FillAnswerSlot(const OpenPaper& paper, int n, int blank);
  // The space between slots on a page of many blanks.
  virtual int CrowdedGap() const;
  // Whether reshaping the first slot redraws its box's frame.
  virtual bool RedrawsFirstBorder() const { return true; }

  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

  const Skin& skin_;
  std::array<AnswerSlot, kSlots> slots_{};
  QLabel* instruction_ = nullptr;

 private:
  void BuildWorkedAnswerPanel();
  void ShowWorkedAnswer(int n);
  // Fits the panel between the page's last slot and the foot of the sheet.
  void PlaceWorkedAnswerPanel();

  QScrollArea* worked_ = nullptr;
  QLabel* workedText_ = nullptr;
  QStringList pageExplanations_;  // the worked answers of the page's blanks, or none
  int slotsShown_ = 0;
};

// The second attempt's sheet: right first answers carried over, locked and shaded with their
// tick; after marking, the expected answer beside every blank still wrong.
class SecondAttemptSheet : public AnswerSheet {
  Q_OBJECT

 public:
  SecondAttemptSheet(QWidget* parent, const Skin& skin);
  void ShowMarked() override;

 protected:
  void FillAnswerSlot(const OpenPaper& paper, int n, int blank) override;
  int CrowdedGap() const override { return 0; }
  bool RedrawsFirstBorder() const override { return false; }
};

}  // namespace quillory
