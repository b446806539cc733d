#include "quillory/practice/answer_sheet.h"

#include <QEvent>
#include <QScrollBar>
#include <QTimer>
#include <QValidator>
#include <algorithm>

#include "quillory/marking/answer_check.h"
#include "quillory/platform/screen_units.h"
#include "quillory/platform/windows1252.h"
#include "quillory/shell/fonts.h"
#include "quillory/shell/skin_palette.h"

namespace quillory {
namespace {

constexpr double kFrameWidth = 3975, kFrameHeight = 375, kLongFrameHeight = 2100;

// Keeps out what a stored answer cannot hold: the ">" that separates stored values, line breaks
// and characters outside the answer files' code page.
class AnswerValidator : public QValidator {
 public:
  AnswerValidator(QLineEdit* box, AnswerSheet* sheet) : QValidator(box), box_(box), sheet_(sheet) {}

  State validate(QString& input, int& position) const override {
    QString kept;
    int removedBefore = 0;
    for (int i = 0; i < input.size(); ++i) {
      const QChar c = input[i];
      if (c == QLatin1Char('>') || !FitsWindows1252(c)) {
        if (i < position) ++removedBefore;
        continue;
      }
      kept += c;
    }
    if (kept.size() != input.size()) {
      input = kept;
      position -= removedBefore;
      QMetaObject::invokeMethod(
          sheet_, [this] { emit sheet_->characterRefused(box_); }, Qt::QueuedConnection);
    }
    return Acceptable;
  }

 private:
  QLineEdit* box_;
  AnswerSheet* sheet_;
};

QString Glyph(const std::string& stored) {
  if (stored == kTick) return QString(QChar(0x2714));
  if (stored == kCross) return QString(QChar(0x2718));
  return {};
}

void ShowGlyph(QLabel* label, const std::string& stored) {
  label->setText(Glyph(stored));
  label->setAccessibleName(stored == kTick    ? QStringLiteral("right")
                           : stored == kCross ? QStringLiteral("wrong")
                                              : QString());
  label->setStyleSheet(
      QStringLiteral("color: %1;")
          .arg(CssColour(stored == kTick ? skin_colour::kTick : skin_colour::kCross)));
}

void SetBoxColour(QLineEdit* box, const QColor& colour) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, colour);
  box->setPalette(palette);
}

const std::string& Entry(const RecordList& list, int i) {
  static const std::string kEmpty;
  return i >= 1 && i <= static_cast<int>(list.size()) ? list[static_cast<std::size_t>(i - 1)]
                                                      : kEmpty;
}

}  // namespace

AnswerSheet::AnswerSheet(QWidget* parent, const Skin& skin) : QWidget(parent), skin_(skin) {
  setObjectName(QStringLiteral("AnsBox"));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, skin_colour::kPage);
  setPalette(white);
  const ScreenUnits u = ScreenUnits::ForWidget(parent);
  resize(u.x(4095), height());
  for (int n = 1; n <= kSlots; ++n) {
    AnswerSlot& s = slots_[static_cast<std::size_t>(n - 1)];
    s.frame = new BorderCanvas(this);
    s.frame->setObjectName(QStringLiteral("Frame%1").arg(n));
    s.frame->setAutoFillBackground(true);
    s.frame->setGeometry(u.rect(60, 50, kFrameWidth, kFrameHeight));
    s.label = new QLabel(QStringLiteral("(%1)").arg(QChar('a' + n - 1)), s.frame);
    s.label->setObjectName(QStringLiteral("QL%1").arg(n));
    s.label->setFont(WindowFont(8.25));
    s.label->setGeometry(u.rect(30, 40, 285, 225));
    s.answer = new QLineEdit(s.frame);
    s.answer->setObjectName(QStringLiteral("FA%1").arg(n));
    s.answer->setFont(WindowFont(9, true));
    s.answer->setToolTip(QStringLiteral("Enter your answer"));
    s.answer->setFrame(false);
    s.answer->setGeometry(u.rect(360, 40, 1575, 255));
    s.answer->setValidator(new AnswerValidator(s.answer, this));
    s.answer->setAccessibleName(QStringLiteral("Answer (%1)").arg(QChar('a' + n - 1)));
    // Enter moves on to the next box of the page, as a pupil filling a form expects.
    connect(s.answer, &QLineEdit::returnPressed, this, [this, n] {
      if (n < slotsShown_) {
        slots_[static_cast<std::size_t>(n)].answer->setFocus(Qt::TabFocusReason);
      } else {
        emit lastAnswerEntered();
      }
    });
    s.model = new QLineEdit(s.frame);
    s.model->setObjectName(QStringLiteral("M%1").arg(n));
    s.model->setReadOnly(true);
    s.model->setAccessibleName(QStringLiteral("Expected answer (%1)").arg(QChar('a' + n - 1)));
    s.model->setFont(WindowFont(9));
    s.model->setStyleSheet(
        QStringLiteral("color: %1; background: %2;")
            .arg(CssColour(skin_colour::kModelAnswer), CssColour(skin_colour::kPage)));
    s.model->setGeometry(u.rect(2400, 40, 1455, 255));
    s.model->hide();
    s.firstGlyph = new QLabel(s.frame);
    s.firstGlyph->setObjectName(QStringLiteral("FR%1").arg(n));
    s.firstGlyph->setFont(WindowFont(14.25, true, QStringLiteral("DejaVu Sans")));
    s.firstGlyph->setGeometry(u.rect(2040, 0, 435, 315));
    s.firstGlyph->hide();
  }
  instruction_ = new QLabel(this);
  instruction_->setObjectName(QStringLiteral("PicInstruction"));
  instruction_->setPixmap(skin.picture(QStringLiteral("instruction.gif")));
  instruction_->setScaledContents(true);
  instruction_->resize(u.size(3975, 1335));
  instruction_->hide();
  // The note is a line at the foot of the sheet that lets every click through, so it never stands
  // between the pupil and the next answer box; it goes after a few seconds.
  auto* note = new QLabel(QStringLiteral("That character cannot be used in an answer."), this);
  note->setObjectName(QStringLiteral("lblRefused"));
  note->setFont(WindowFont(8.25));
  note->setAlignment(Qt::AlignCenter);
  note->setAutoFillBackground(true);
  note->setAttribute(Qt::WA_TransparentForMouseEvents);
  note->hide();
  BuildWorkedAnswerPanel();
  auto* noteTime = new QTimer(this);
  noteTime->setSingleShot(true);
  noteTime->setInterval(4000);
  connect(noteTime, &QTimer::timeout, note, &QWidget::hide);
  connect(this, &AnswerSheet::characterRefused, this, [this, note, noteTime] {
    const int lineHeight = note->fontMetrics().height() + 4;
    note->setGeometry(0, height() - lineHeight, width(), lineHeight);
    note->show();
    note->raise();
    noteTime->start();
  });
}

void AnswerSheet::BuildWorkedAnswerPanel() {
  worked_ = new QScrollArea(this);
  worked_->setObjectName(QStringLiteral("WorkedAnswer"));
  worked_->setAccessibleName(QStringLiteral("Worked answer"));
  worked_->setFrameShape(QFrame::Box);
  worked_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  worked_->setWidgetResizable(true);
  worked_->setFocusPolicy(Qt::NoFocus);
  // The skin's own colours, whatever the desktop's theme.
  QPalette panel = worked_->palette();
  panel.setColor(QPalette::Window, skin_colour::kWorkedAnswer);
  panel.setColor(QPalette::Base, skin_colour::kWorkedAnswer);
  panel.setColor(QPalette::WindowText, skin_colour::kInk);
  panel.setColor(QPalette::Text, skin_colour::kInk);
  worked_->setPalette(panel);
  worked_->viewport()->setAutoFillBackground(true);
  workedText_ = new QLabel;
  workedText_->setObjectName(QStringLiteral("WorkedAnswerText"));
  workedText_->setWordWrap(true);
  workedText_->setTextFormat(Qt::RichText);
  workedText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  workedText_->setFont(WindowFont(9));
  workedText_->setPalette(panel);
  workedText_->setMargin(4);
  worked_->setWidget(workedText_);
  worked_->hide();
  for (int n = 1; n <= kSlots; ++n) {
    const AnswerSlot& s = slots_[static_cast<std::size_t>(n - 1)];
    for (QObject* part : {static_cast<QObject*>(s.frame), static_cast<QObject*>(s.answer),
                          static_cast<QObject*>(s.model), static_cast<QObject*>(s.label)}) {
      part->setProperty("quilloryAnswerSlot", n);
      part->installEventFilter(this);
    }
  }
}

bool AnswerSheet::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
    const QVariant n = watched->property("quilloryAnswerSlot");
    if (n.isValid()) ShowWorkedAnswer(n.toInt());
  }
  return QWidget::eventFilter(watched, event);
}

void AnswerSheet::ShowWorkedAnswer(int n) {
  if (pageExplanations_.isEmpty() || n < 1 || n > pageExplanations_.size()) return;
  const QString text = pageExplanations_[n - 1].toHtmlEscaped();
  const QString heading = pageExplanations_.size() >= 2
                              ? QStringLiteral("Worked answer (%1)").arg(QChar('a' + n - 1))
                              : QStringLiteral("Worked answer");
  workedText_->setText(QStringLiteral("<b>%1</b><br>%2").arg(heading, text));
  worked_->verticalScrollBar()->setValue(0);
}

void AnswerSheet::PlaceWorkedAnswerPanel() {
  if (worked_ == nullptr) return;
  if (pageExplanations_.isEmpty() || slotsShown_ < 1) {
    worked_->hide();
    return;
  }
  const ScreenUnits u = ScreenUnits::ForWidget(this);
  const AnswerSlot& last = slots_[static_cast<std::size_t>(slotsShown_ - 1)];
  const int top = last.frame->y() + last.frame->height() + u.y(105);
  const int bottom = (instruction_->isVisible() ? instruction_->y() : height()) - u.y(60);
  const int lineHeight = workedText_->fontMetrics().lineSpacing();
  // Too little room below the slots: better no panel than one over an answer box.
  if (bottom - top < 3 * lineHeight) {
    worked_->hide();
    return;
  }
  worked_->setGeometry(u.x(60), top, u.x(kFrameWidth), std::min(bottom - top, 12 * lineHeight));
  worked_->show();
  worked_->raise();
}

void AnswerSheet::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceWorkedAnswerPanel();
}

void AnswerSheet::DrawBorders() {
  for (const AnswerSlot& s : slots_) drawborder(s.answer, s.frame, 0);
}

void AnswerSheet::SetUpAnswerSheet(const OpenPaper& paper, int page) {
  const int offset = paper.BlankOffset(page);
  const int count = std::min(paper.BlanksOn(page), kSlots);
  bool fractions = false;
  for (int k = 1; k <= count && !fractions; ++k) {
    const std::string& type = Entry(paper.attempt.types, offset + k);
    fractions = type == "F" || type == "X";
  }
  instruction_->setVisible(fractions);
  instruction_->move(ScreenUnits::ForWidget(this).x(60), height() - instruction_->height());
  if (count >= 1) {
    FillAnswerSlot(paper, 1, offset + 1);
    const ScreenUnits u = ScreenUnits::ForWidget(this);
    AnswerSlot& first = slots_[0];
    if (RedrawsFirstBorder()) drawborder(first.answer, first.frame, 2);
    const bool longAnswer = Entry(paper.attempt.types, offset + 1) == "L";
    if (!longAnswer) {
      first.frame->resize(first.frame->width(), u.y(kFrameHeight));
      first.answer->setGeometry(first.answer->x(), first.answer->y(), u.x(1575), u.y(255));
      first.firstGlyph->move(u.x(2040), first.firstGlyph->y());
      first.model->setGeometry(u.x(2400), u.y(60), u.x(1455), u.y(255));
    } else {
      first.frame->resize(first.frame->width(), u.y(kLongFrameHeight));
      first.answer->setGeometry(first.answer->x(), first.answer->y(),
                                first.frame->width() - u.x(1000), u.y(1000));
      first.firstGlyph->move(first.answer->x() + first.answer->width() + u.x(100),
                             first.firstGlyph->y());
      first.model->setGeometry(first.answer->x(),
                               first.answer->y() + first.answer->height() + u.y(100),
                               first.frame->width() - u.x(500), u.y(1000));
    }
    if (first.secondGlyph != nullptr) first.secondGlyph->move(first.firstGlyph->pos());
    if (RedrawsFirstBorder()) drawborder(first.answer, first.frame, 0);
  }
  for (int k = 2; k <= count; ++k) FillAnswerSlot(paper, k, offset + k);

  pageExplanations_.clear();
  if (paper.PracticeOver()) {
    for (int k = 1; k <= count; ++k) {
      pageExplanations_.push_back(FromWindows1252(paper.Explanation(offset + k)));
    }
    // A package without worked answers shows no empty panel.
    if (std::all_of(pageExplanations_.begin(), pageExplanations_.end(),
                    [](const QString& text) { return text.trimmed().isEmpty(); })) {
      pageExplanations_.clear();
    }
  }
  ShowWorkedAnswer(1);
}

void AnswerSheet::FillAnswerSlot(const OpenPaper& paper, int n, int blank) {
  AnswerSlot& s = slots_[static_cast<std::size_t>(n - 1)];
  ShowGlyph(s.firstGlyph, Entry(paper.results, blank));
  s.answer->setMaxLength(Entry(paper.attempt.types, blank) == "Q" ? 1 : 32767);
  s.answer->setText(FromWindows1252(Entry(paper.answers, blank)));
}

int AnswerSheet::CrowdedGap() const { return ScreenUnits::ForWidget(this).y(-10); }

void AnswerSheet::ArrangeAnswerSlots(const OpenPaper& paper, int page) {
  const int count = paper.BlanksOn(page);
  const ScreenUnits u = ScreenUnits::ForWidget(this);
  const int gap = count < 16 ? u.y(105) : CrowdedGap();
  int top = u.y(50);
  for (int k = 1; k <= kSlots; ++k) {
    AnswerSlot& s = slots_[static_cast<std::size_t>(k - 1)];
    s.frame->move(s.frame->x(), top);
    top += s.frame->height() + gap;
    s.frame->setVisible(count >= k);
  }
  slots_[0].label->setVisible(count >= 2);
  slotsShown_ = std::min(count, kSlots);
  PlaceWorkedAnswerPanel();
}

RecordList AnswerSheet::PageAnswers(const OpenPaper& paper, int page) const {
  const int count = std::min(paper.BlanksOn(page), kSlots);
  RecordList answers;
  answers.reserve(static_cast<std::size_t>(count));
  for (int k = 1; k <= count; ++k) {
    answers.push_back(ToWindows1252(slots_[static_cast<std::size_t>(k - 1)].answer->text()));
  }
  return answers;
}

void AnswerSheet::ShowMarked() {
  for (AnswerSlot& s : slots_) {
    s.answer->setReadOnly(true);
    s.firstGlyph->show();
  }
}

SecondAttemptSheet::SecondAttemptSheet(QWidget* parent, const Skin& skin)
    : AnswerSheet(parent, skin) {
  const ScreenUnits u = ScreenUnits::ForWidget(parent);
  for (int n = 1; n <= kSlots; ++n) {
    AnswerSlot& s = slots_[static_cast<std::size_t>(n - 1)];
    s.secondGlyph = new QLabel(s.frame);
    s.secondGlyph->setObjectName(QStringLiteral("SR%1").arg(n));
    s.secondGlyph->setFont(s.firstGlyph->font());
    s.secondGlyph->setGeometry(u.rect(2040, 0, 435, 315));
    s.secondGlyph->hide();
  }
}

void SecondAttemptSheet::FillAnswerSlot(const OpenPaper& paper, int n, int blank) {
  AnswerSlot& s = slots_[static_cast<std::size_t>(n - 1)];
  ShowGlyph(s.firstGlyph, Entry(paper.attempt.firstResults, blank));
  ShowGlyph(s.secondGlyph, Entry(paper.results, blank));
  s.model->setText(FromWindows1252(paper.ExpectedAnswer(blank)));
  s.answer->setMaxLength(Entry(paper.attempt.types, blank) == "Q" ? 1 : 32767);
  s.answer->setText(FromWindows1252(Entry(paper.answers, blank)));
  const bool carried = paper.CarriedOver(blank);
  SetBoxColour(s.answer, carried ? skin_colour::kCarriedOver : skin_colour::kPage);
  if (!paper.marked) {
    s.answer->setReadOnly(carried);
    s.firstGlyph->setVisible(carried);
    if (carried) {
      s.firstGlyph->move(s.answer->x() + s.answer->width() + ScreenUnits::ForWidget(this).x(105),
                         s.firstGlyph->y());
    }
  } else {
    s.model->setVisible(Entry(paper.results, blank) == kCross);
  }
}

void SecondAttemptSheet::ShowMarked() {
  for (AnswerSlot& s : slots_) {
    s.answer->setReadOnly(true);
    s.secondGlyph->show();
    s.firstGlyph->hide();
  }
}

}  // namespace quillory
