#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlSchemeHandler>
#include <utility>
#include <vector>

#include "quillory/content/mhtml.h"

// Question pages are web archives. The web engine refuses the file: parts of an archive a word
// processor wrote, and its own archive loader shuts the page in a sandbox, so the page view
// decodes the archive itself and serves the parts under a scheme of its own.
namespace quillory {

// The scheme a page is shown under, and "cid", under which a page names a part by its Content-ID.
inline constexpr char kPageScheme[] = "quillory-page";
inline constexpr char kContentIdScheme[] = "cid";

// Makes both schemes known to the web engine. Call once before the QApplication is made; it
// starts nothing of the engine.
void RegisterPageScheme();

// The address under the page scheme of a part whose Content-Location is `location`, in the archive
// shown as number `shown`: the same path, and the same host ("local" for a file) marked with the
// number, so that the names a page gives relative to its own address lead to the parts beside
// it, and no two archives ever share an address. The web engine keeps pictures by address.
QUrl PageSchemeUrl(const QUrl& location, quint64 shown);

// Serves the parts of the one archive on show; everything else is not found. A page's references
// by cid: are served under the page scheme too, marked like its other addresses; a bare cid:
// address is not served.
class PageSchemeHandler : public QWebEngineUrlSchemeHandler {
  Q_OBJECT

 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

  // Serves `document` from now on, instead of the archive before. Returns the address of its
  // page, or an empty address when it holds no HTML page.
  QUrl setDocument(MhtmlDocument document);

  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  const MhtmlPart* PartFor(const QUrl& url) const;
  QByteArray Body(const MhtmlPart& part) const;

  quint64 shown_ = 0;  // archives shown so far, the number in their addresses
  QString cidHost_;    // the host under which this archive's cid: references are served
  MhtmlDocument document_;
  QHash<QString, std::size_t> byAddress_;
  QHash<QString, std::size_t> byFoldedAddress_;  // letter case ignored, as on the saving system
  // Absolute Content-Locations and their addresses under the page scheme, for pages that name
  // their parts by full address rather than relative to themselves.
  std::vector<std::pair<QByteArray, QByteArray>> links_;
};

// Refuses every request that is not for a part of the page on show or inline data: the page
// view reaches no network and no other file.
class PageRequestGuard : public QWebEngineUrlRequestInterceptor {
  Q_OBJECT

 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

  void interceptRequest(QWebEngineUrlRequestInfo& info) override;

  int refusedCount() const { return refusedCount_; }
  // The latest refused addresses, a few at most.
  const QList<QUrl>& lastRefused() const { return lastRefused_; }

 private:
  int refusedCount_ = 0;
  QList<QUrl> lastRefused_;
};

}  // namespace quillory
