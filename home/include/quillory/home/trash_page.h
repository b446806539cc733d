#pragma once

#include <QLabel>
#include <QWidget>

#include "quillory/shell/picture.h"
#include "quillory/shell/skin.h"

namespace quillory {

// The Trash page under the Help tab: erasing every stored result takes a Trash click and then
// a Yes to "Are you sure?".
class TrashPage : public QWidget {
  Q_OBJECT

 public:
  TrashPage(QWidget* parent, const Skin& skin);

  // The offer state: the explanation and the Trash button.
  void Offer();

 signals:
  // Yes was chosen: the home window erases the results, then calls ShowDone.
  void eraseConfirmed();

 public slots:
  void ShowDone();

 private:
  void Ask();
  Picture* MakeButton(const QString& name, const QString& caption, double left);

  const Skin& skin_;
  QLabel* explanation_;
  QLabel* question_;
  QLabel* done_;
  Picture* trash_;
  Picture* yes_;
  Picture* no_;
};

}  // namespace quillory
