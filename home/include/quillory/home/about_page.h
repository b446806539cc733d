#pragma once

#include <QLabel>
#include <QWidget>

#include "quillory/shell/picture.h"
#include "quillory/shell/skin.h"

namespace quillory {

// The About page under the Help tab: the program's name, the platform it runs on, its version,
// and a link to the maker's page of education programs.
class AboutPage : public QWidget {
  Q_OBJECT

 public:
  AboutPage(QWidget* parent, const Skin& skin);
  void setProgramName(const QString& title);

  static QString WebAddress();

 signals:
  // The link was clicked: the home window opens the page in the browser.
  void linkClicked();

 private:
  QLabel* programName_;
  Picture* link_;
};

}  // namespace quillory
