#include "quillory/practice/page_view.h"

#include <QApplication>
#include <QChildEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <string_view>

#include "quillory/practice/page_scheme.h"
#include "quillory/shell/skin_palette.h"
#include "quillory/shell/window_modal.h"

namespace quillory {
namespace {

constexpr char kNote[] =
    "<html><body style=\"font-family: 'DejaVu Sans', Arial, sans-serif; margin: 24pt\">"
    "<p>Sorry, this question cannot be shown.</p>"
    "<p>Close the paper and open it again.</p></body></html>";

// A message over `over` that returns at once, so that nothing waits on the pupil's OK.
void ShowNotice(QWidget* over, const QString& title, const QString& text) {
  OpenWindowModal(new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, over), over);
}

}  // namespace

void PreparePageViews() {
  RegisterPageScheme();
  if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
  }
}

PageView::PageView(QWidget* parent) : QWebEngineView(parent) {
  setObjectName(QStringLiteral("brwWebBrowser"));
  // The right button tells the pupil it is not allowed, so no menu follows it.
  setContextMenuPolicy(Qt::NoContextMenu);
  // Nothing is dropped on a question (and the engine cannot take a drop before its first page).
  setAcceptDrops(false);
  notice_ = [this] {
    ShowNotice(window(), QStringLiteral("Error"), QStringLiteral("Invalid operation"));
  };
  printSetup_ = [this](QPrinter& printer, QWidget* over, std::function<void(bool)> answer) {
    auto* dialog = new QPrintDialog(&printer, over != nullptr ? over : this);
    // The dialog would propose the current or the home folder, and "print.pdf" there when the
    // document has no name; its file field has no other way in.
    if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
      file->setText(ProposedPrintFile(printer.docName()));
    }
    printDialog_ = dialog;
    OpenWindowModal(dialog, this, std::move(answer));
  };
  printFailed_ = [this] {
    ShowNotice(window(), QStringLiteral("Print"),
               QStringLiteral("The question could not be printed."));
  };
  connect(this, &QWebEngineView::printFinished, this, &PageView::PrintingEnded);

  printingNote_ = new QLabel(QStringLiteral("Printing the question\u2026"), this);
  printingNote_->setObjectName(QStringLiteral("printingNote"));
  printingNote_->setStyleSheet(
      QStringLiteral("background: %1; color: %2; border: 1px solid %3; padding: 4px 8px;")
          .arg(CssColour(skin_colour::kNote), CssColour(skin_colour::kInk),
               CssColour(skin_colour::kNoteEdge)));
  printingNote_->setAttribute(Qt::WA_TransparentForMouseEvents);
  printingNote_->hide();
}

PageView::~PageView() {
  if (printing()) QApplication::restoreOverrideCursor();
  // An open print dialog fills in the printer this view owns, so it goes first, and unheard.
  CloseUnheard(printDialog_);
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
  connect(page_, &QWebEnginePage::pdfPrintingFinished, this,
          [this](const QString&, bool ok) { PrintingEnded(ok); });
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

void PageView::PrintQuestion(QWidget* parent, const QString& name) {
  if (page_ == nullptr || printing() || choosingPrinter()) return;
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (!name.isEmpty()) printer_->setDocName(name);
  choosing_ = true;
  printSetup_(*printer_, parent, [view = QPointer<PageView>(this)](bool print) {
    if (view != nullptr) view->PrinterChosen(print);
  });
}

void PageView::PrinterChosen(bool confirmed) {
  if (!choosing_) return;
  choosing_ = false;
  if (!confirmed) return;
  printing_ = true;

  printingNote_->adjustSize();
  printingNote_->move(width() - printingNote_->width() - 8, 8);
  printingNote_->show();
  printingNote_->raise();
  QApplication::setOverrideCursor(Qt::BusyCursor);

  if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) {
    // The engine writes the file itself, its words as text; through a printer device each page
    // would become one picture at the printer's resolution.
    page_->printToPdf(printer_->outputFileName(), printer_->pageLayout(), printer_->pageRanges());
  } else {
    print(printer_.get());
  }
}

void PageView::PrintingEnded(bool ok) {
  if (!printing_) return;
  printing_ = false;
  printingNote_->hide();
  QApplication::restoreOverrideCursor();
  if (!ok) printFailed_();
  emit questionPrinted(ok);
}

QString PageView::ProposedPrintFile(const QString& name) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  QString file = name.trimmed();
  // A name is one file name: no folder separators, and not hidden.
  for (QChar& c : file) {
    if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control) c = u'-';
  }
  while (file.startsWith(u'.')) file.remove(0, 1);
  if (file.isEmpty()) file = QStringLiteral("Question");
  return QDir(folder).filePath(file + QStringLiteral(".pdf"));
}

void PageView::setGuardNotice(std::function<void()> notice) { notice_ = std::move(notice); }

void PageView::setPrintSetup(PrintSetup setup) { printSetup_ = std::move(setup); }

void PageView::setPrintFailedNotice(std::function<void()> notice) {
  printFailed_ = std::move(notice);
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
