#include "quillory/practice/page_view.h"

#include <QChildEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <string_view>

#include "quillory/practice/page_scheme.h"

namespace quillory {
namespace {

constexpr char kNote[] =
    "<html><body style=\"font-family: 'DejaVu Sans', Arial, sans-serif; margin: 24pt\">"
    "<p>Sorry, this question cannot be shown.</p>"
    "<p>Close the paper and open it again.</p></body></html>";

}  // namespace

PageView::PageView(QWidget* parent) : QWebEngineView(parent) {
  setObjectName(QStringLiteral("brwWebBrowser"));
  // The right button tells the pupil it is not allowed, so no menu follows it.
  setContextMenuPolicy(Qt::NoContextMenu);
  // Nothing is dropped on a question (and the engine cannot take a drop before its first page).
  setAcceptDrops(false);
  notice_ = [this] {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"),
                    QStringLiteral("Invalid operation"), QMessageBox::Ok, window());
    box.exec();
  };
  printSetup_ = [this](QPrinter& printer, QWidget* over) {
    QPrintDialog dialog(&printer, over != nullptr ? over : this);
    return dialog.exec() == QDialog::Accepted;
  };
  connect(this, &QWebEngineView::printFinished, this, [this] { printer_.reset(); });
}

PageView::~PageView() {
  // A profile must outlive its pages.
  delete page_;
  delete profile_;
}

void PageView::EnsurePage() {
  if (page_ != nullptr) return;
  handler_ = new PageSchemeHandler(this);
  guard_ = new PageRequestGuard(this);
  profile_ = new QWebEngineProfile(this);  // off the record: no storage name
  profile_->setHttpCacheType(QWebEngineProfile::NoCache);
  profile_->installUrlSchemeHandler(kPageScheme, handler_);
  profile_->installUrlSchemeHandler(kContentIdScheme, handler_);
  profile_->setUrlRequestInterceptor(guard_);

  page_ = new QWebEnginePage(profile_, this);
  // Local content keeps its access to files, without which a page of the page scheme cannot load
  // its own parts either; the request guard keeps it from every other file.
  QWebEngineSettings* settings = page_->settings();
  settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
  // No question page has a script, and a script could reach the network past the request guard.
  // The key and mouse guards are event filters of the view and need none.
  settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
  settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
  settings->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
  settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
  settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
  // The answer box keeps the keyboard when the next page comes up.
  settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
  setPage(page_);
}

bool PageView::ShowPageFile(const QString& path) {
  MhtmlDocument document;
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = file.readAll();
    document =
        DecodeMhtml(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }
  EnsurePage();
  const QUrl address = handler_->setDocument(std::move(document));
  if (address.isEmpty()) {
    ShowNote();
    return false;
  }
  page_->load(address);
  return true;
}

void PageView::ShowUnavailable() {
  EnsurePage();
  handler_->setDocument({});
  ShowNote();
}

void PageView::ShowNote() { page_->setHtml(QString::fromLatin1(kNote)); }

void PageView::PrintQuestion(QWidget* parent) {
  if (page_ == nullptr || printer_ != nullptr) return;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!printSetup_(*printer, parent)) return;
  printer_ = std::move(printer);
  print(printer_.get());
}

void PageView::setGuardNotice(std::function<void()> notice) { notice_ = std::move(notice); }

void PageView::setPrintSetup(std::function<bool(QPrinter&, QWidget*)> setup) {
  printSetup_ = std::move(setup);
}

int PageView::refusedCount() const { return guard_ != nullptr ? guard_->refusedCount() : 0; }

QList<QUrl> PageView::lastRefused() const {
  return guard_ != nullptr ? guard_->lastRefused() : QList<QUrl>();
}

void PageView::showEvent(QShowEvent* event) {
  if (page_ != nullptr) {
    QWebEngineView::showEvent(event);
  } else {
    QWidget::showEvent(event);
  }
}

void PageView::hideEvent(QHideEvent* event) {
  if (page_ != nullptr) {
    QWebEngineView::hideEvent(event);
  } else {
    QWidget::hideEvent(event);
  }
}

void PageView::closeEvent(QCloseEvent* event) {
  if (page_ != nullptr) {
    QWebEngineView::closeEvent(event);
  } else {
    QWidget::closeEvent(event);
  }
}

void PageView::childEvent(QChildEvent* event) {
  QWebEngineView::childEvent(event);
  // The widget the engine draws the page in, and that takes its keys and clicks, comes and goes
  // with the page; it is a child of the view.
  if (event->added() && event->child()->isWidgetType()) event->child()->installEventFilter(this);
}

bool PageView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->modifiers().testFlag(Qt::ControlModifier) && !key->isAutoRepeat() &&
          (key->key() == Qt::Key_C || key->key() == Qt::Key_X)) {
        NoticeLater();
      }
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) NoticeLater();
      break;
    default:
      break;
  }
  return QWebEngineView::eventFilter(watched, event);
}

void PageView::NoticeLater() {
  // The key or click goes on to the page as usual; the message follows once it has been handled,
  // and only one at a time.
  if (noticeQueued_) return;
  noticeQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    notice_();
    noticeQueued_ = false;
  });
}

}  // namespace quillory
