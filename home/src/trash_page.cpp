#include "quillory/home/trash_page.h"

#include "quillory/platform/screen_units.h"
#include "quillory/shell/fonts.h"

namespace quillory {
namespace {

QFont PageFont() {
  QFont font = WindowFont(9);
  font.setPointSizeF(9);
  return font;
}

}  // namespace

TrashPage::TrashPage(QWidget* parent, const Skin& skin) : QWidget(parent), skin_(skin) {
  setObjectName(QStringLiteral("Body_Trash"));
  setAutoFillBackground(true);
  const ScreenUnits u = ScreenUnits::ForWidget(parent);
  resize(u.size(6015, 5655));

  auto label = [&](const QString& name, const QString& text, double l, double t, double w,
                   double h) {
    auto* l_ = new QLabel(text, this);
    l_->setObjectName(name);
    l_->setFont(PageFont());
    l_->setAlignment(Qt::AlignCenter);
    l_->setWordWrap(true);
    l_->setGeometry(u.rect(l, t, w, h));
    return l_;
  };
  explanation_ =
      label(QStringLiteral("Trashlbl1"),
            QStringLiteral("Click on the button below if you wish to erase all your past "
                           "results and reset the program."),
            1080, 1320, 3855, 495);
  question_ =
      label(QStringLiteral("Trashlbl2"), QStringLiteral("Are you sure?"), 2040, 1440, 1815, 255);
  done_ = label(QStringLiteral("Trashlbl3"),
                QStringLiteral("All your past results have been erased."), 1920, 1320, 2055, 495);
  trash_ = MakeButton(QStringLiteral("ButTrash"), QStringLiteral("Trash"), 2280);
  no_ = MakeButton(QStringLiteral("ButTrash_No"), QStringLiteral("No"), 1560);
  yes_ = MakeButton(QStringLiteral("ButTrash_Yes"), QStringLiteral("Yes"), 3000);
  connect(trash_, &Picture::clicked, this, &TrashPage::Ask);
  connect(no_, &Picture::clicked, this, &TrashPage::Offer);
  connect(yes_, &Picture::clicked, this, &TrashPage::eraseConfirmed);
  Offer();
}

Picture* TrashPage::MakeButton(const QString& name, const QString& caption, double left) {
  const ScreenUnits u = ScreenUnits::ForWidget(parentWidget());
  auto* button = new Picture(this, name);
  button->setFaces(skin_.picture(QStringLiteral("button_off.bmp")),
                   skin_.picture(QStringLiteral("button_on.bmp")));
  button->setGeometry(u.rect(left, 1920, 1200, 375));
  button->setCursor(Qt::PointingHandCursor);
  button->makeButton(caption);
  auto* text = new QLabel(caption, button);
  text->setObjectName(name + QStringLiteral("lbl"));
  text->setFont(PageFont());
  text->setAlignment(Qt::AlignCenter);
  text->setGeometry(0, 0, button->width(), button->height());
  // The caption lies on its button; a click on it is the button's.
  text->setAttribute(Qt::WA_TransparentForMouseEvents);
  return button;
}

void TrashPage::Offer() {
  trash_->show();
  explanation_->show();
  yes_->hide();
  no_->hide();
  question_->hide();
  done_->hide();
}

void TrashPage::Ask() {
  trash_->hide();
  explanation_->hide();
  yes_->show();
  no_->show();
  question_->show();
}

void TrashPage::ShowDone() {
  yes_->hide();
  no_->hide();
  question_->hide();
  done_->show();
}

}  // namespace quillory
