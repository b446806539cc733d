#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QUrl>
#include <QWebEngineView>
#include <functional>
#include <memory>

class QLabel;
class QPrinter;
class QWebEngineProfile;

namespace quillory {

class PageRequestGuard;
class PageSchemeHandler;

// Prepares the question page views; call it before the application object exists. It registers
// the page schemes, and has the views' pages composed in software unless QT_QUICK_BACKEND says
// otherwise: a window holding a page composed on the GPU is composed again as a whole whenever
// anything in it repaints, which for the practice window's clock is every second, whereas a
// software page lets the window repaint only what changed. A machine without working GL then
// shows its pages too.
void PreparePageViews();

// The view of the question page in a practice window (`brwWebBrowser`). One view shows every page
// of a paper in turn. The web engine is started only by the first page shown, on a profile of the
// view's own that keeps nothing on disk; the view loads nothing from outside the page's archive.
//
// No script of a page runs (and with it no WebRTC, whose packets no request guard sees). Every page
// shown is served under addresses of its own, so that no picture the engine keeps from an earlier
// page can take the place of this page's own.
//
// Ctrl+C, Ctrl+X and the right mouse button inside the page tell the pupil "Invalid operation";
// the page has no context menu. Call page() only after the first ShowPageFile, since before it
// the view has no page of its own yet. No dialog or message of the view holds up its caller: each
// returns at once and answers later.
class PageView : public QWebEngineView {
  Q_OBJECT

 public:
  explicit PageView(QWidget* parent = nullptr);
  ~PageView() override;

  // Shows the question page in the web archive at `path`. A file that cannot be read or holds no
  // HTML page shows a short note instead, and the result is false. Showing is asynchronous:
  // loadFinished follows.
  bool ShowPageFile(const QString& path);
  // Shows the short note that the question cannot be shown, in place of whatever was on show.
  void ShowUnavailable();

  // Fills in the printer and answers whether to print, at once or later: `answer` may run after
  // the call has returned, and does nothing once the view is gone.
  using PrintSetup =
      std::function<void(QPrinter& printer, QWidget* over, std::function<void(bool)> answer)>;

  // Asks for a printer with the print dialog over `parent` and returns at once; once the pupil
  // confirms, prints the page on show as `name` (the job's title, and the file the dialog
  // proposes). Until questionPrinted, printing() is true, a note on the page and the busy cursor
  // say so. A second print is refused while a printer is being chosen or a page printed.
  void PrintQuestion(QWidget* parent, const QString& name = {});
  bool printing() const { return printing_; }
  bool choosingPrinter() const { return choosing_; }
  // The file the print dialog proposes for `name`: in the user's documents folder, or the home
  // folder when there is none.
  static QString ProposedPrintFile(const QString& name);

  // Replaces the message box of the page guards (tests use a counter).
  void setGuardNotice(std::function<void()> notice);
  // Replaces the print dialog.
  void setPrintSetup(PrintSetup setup);
  // Replaces the message box that tells the pupil the question could not be printed.
  void setPrintFailedNotice(std::function<void()> notice);

  // Requests the view refused since it was made, and the last few of their addresses.
  int refusedCount() const;
  QList<QUrl> lastRefused() const;

 signals:
  // Printing the question ended, well or not.
  void questionPrinted(bool ok);

 protected:
  // The web engine's own handlers make a page, and with it start the engine, when the view is
  // shown; these leave that to the first page.
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void childEvent(QChildEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void EnsurePage();
  void ShowNote();
  void NoticeLater();
  void PrinterChosen(bool confirmed);
  void PrintingEnded(bool ok);

  QWebEngineProfile* profile_ = nullptr;
  QWebEnginePage* page_ = nullptr;
  PageSchemeHandler* handler_ = nullptr;
  PageRequestGuard* guard_ = nullptr;
  std::function<void()> notice_;
  bool noticeQueued_ = false;
  PrintSetup printSetup_;
  // The printer last chosen: only the next print replaces it, so that it outlives the dialog
  // that fills it in and the printing that uses it.
  std::unique_ptr<QPrinter> printer_;
  QPointer<QDialog> printDialog_;
  bool choosing_ = false;
  bool printing_ = false;
  QLabel* printingNote_ = nullptr;
  std::function<void()> printFailed_;
};

}  // namespace quillory
