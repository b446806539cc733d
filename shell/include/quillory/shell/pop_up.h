#pragma once

#include <QLabel>
#include <QString>
#include <functional>

#include "quillory/shell/skinned_window.h"

namespace quillory {

// The program's own message box: a title, the information icon, a message of one or two lines
// and one ("OK") or two ("Yes", "No") picture buttons. A box answers one question: it is
// created, prepared with CallPop, shown modally and then thrown away.
class frmPopUp : public SkinnedWindow {
  Q_OBJECT

 public:
  explicit frmPopUp(const Skin& skin, QWidget* parent = nullptr);

  // Shows `Title` and `Msg`, sets up one or two buttons and centres the box on `Master` (on the
  // screen when there is none). Does not show the box.
  void CallPop(const QString& Title, const QString& Msg, int NumofButtons, QWidget* Master);

  // "True" once the first button was chosen; "False" before that and after the second button,
  // Escape or any other close, so a box closed without an answer never says yes.
  const QString& PopUpResponse() const { return PopUpResponse_; }

 signals:
  // The box was closed, by a button or otherwise; its answer is final.
  void unloaded();

 protected:
  QPolygon Outline() const override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Form_Load();
  void Answer(bool yes);
  // A length given in pixels of a 96-dpi screen, in this screen's pixels.
  int px(int pixels) const { return units().x(pixels * 15.0); }
  int py(int pixels) const { return units().y(pixels * 15.0); }

  Picture* ImgInfo;
  QLabel* lblMessage;
  Picture* But1;
  Picture* But2;
  QLabel* But1_lbl;
  QLabel* But2_lbl;
  QString PopUpResponse_ = QStringLiteral("False");
  bool twoButtons_ = false;
};

// Asks the pupil a question in a fresh box shown modally over `master` and returns at once;
// `answered` is called with the answer once the box is closed, unless `master` has gone by then.
void AskPopUpThen(const Skin& skin, QWidget* master, const QString& title, const QString& message,
                  int buttons, std::function<void(bool)> answered);

}  // namespace quillory
