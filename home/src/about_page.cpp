#include "quillory/home/about_page.h"

#include <QEvent>
#include <QMouseEvent>
#include <QSysInfo>
#include <QVersionNumber>

#include "quillory/platform/screen_units.h"
#include "quillory/shell/fonts.h"
#include "quillory/shell/picture.h"
#include "quillory/shell/skin_palette.h"

namespace quillory {
namespace {

QFont AboutFont(double points, bool bold = false) {
  QFont font = WindowFont(9);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// "Linux", or the kernel's own name elsewhere.
QString PlatformName() {
  const QString kernel = QSysInfo::kernelType();
  return kernel == QLatin1String("linux") ? QStringLiteral("Linux")
                                          : kernel.left(1).toUpper() + kernel.mid(1);
}

}  // namespace

QString AboutPage::WebAddress() { return QStringLiteral("https://www.quillory.org/eduprog.html"); }

AboutPage::AboutPage(QWidget* parent, const Skin& skin) : QWidget(parent) {
  setObjectName(QStringLiteral("Body_About"));
  setAutoFillBackground(true);
  const ScreenUnits u = ScreenUnits::ForWidget(parent);
  resize(u.size(6015, 5655));

  auto* band = new QWidget(this);
  band->setObjectName(QStringLiteral("AboutBand"));
  band->setGeometry(u.rect(0, 0, 6015, 735));
  band->setAutoFillBackground(true);
  QPalette black = band->palette();
  black.setColor(QPalette::Window, skin_colour::kAboutBand);
  band->setPalette(black);

  auto* logo = new Picture(this, QStringLiteral("Logo"));
  logo->setFace(skin.picture(QStringLiteral("Logo.gif")));
  logo->setGeometry(u.rect(120, 360, 3060, 345));

  programName_ = new QLabel(this);
  programName_->setObjectName(QStringLiteral("ProgramName"));
  programName_->setFont(AboutFont(12, true));
  programName_->setGeometry(u.rect(120, 960, 4575, 375));

  auto* platform = new QLabel(QStringLiteral("For %1").arg(PlatformName()), this);
  platform->setObjectName(QStringLiteral("lblPlatform"));
  platform->setFont(AboutFont(8.25));
  platform->setGeometry(u.rect(120, 1320, 2175, 255));

  link_ = new Picture(this, QStringLiteral("lbl_QXURL"));
  link_->setText(QStringLiteral("www.quillory.org"));
  link_->setScaledContents(false);
  link_->makeButton(QString());
  connect(link_, &Picture::clicked, this, &AboutPage::linkClicked);
  link_->setFont(AboutFont(8.25));
  link_->setGeometry(u.rect(120, 1800, 2175, 255));
  link_->setForegroundRole(QPalette::Highlight);
  link_->setToolTip(QStringLiteral("Visit our home page to see more education programs"));
  const QPixmap& hand = skin.picture(QStringLiteral("hand.ico"));
  link_->setCursor(hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 8, 2));

  const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(QUILLORY_VERSION));
  auto* versionLabel = new QLabel(
      QStringLiteral("Version %1.%2").arg(version.majorVersion()).arg(version.minorVersion()),
      this);
  versionLabel->setObjectName(QStringLiteral("lblVersion"));
  versionLabel->setFont(AboutFont(8.25));
  versionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  versionLabel->setGeometry(u.rect(4920, 5400, 975, 255));
}

void AboutPage::setProgramName(const QString& title) { programName_->setText(title); }

}  // namespace quillory
