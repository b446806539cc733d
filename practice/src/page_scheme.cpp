#include "quillory/practice/page_scheme.h"

#include <QBuffer>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <string_view>

namespace quillory {
namespace {

constexpr qsizetype kRefusedKept = 16;

// What must stand before and after a full address for it to be an address in HTML or CSS rather
// than part of a longer one.
constexpr std::string_view kBeforeAddress = "\"'(= \t\r\n";
constexpr std::string_view kAfterAddress = "\"')> \t\r\n#";
// What stands before a cid: reference in an attribute or a style sheet's url().
constexpr std::string_view kBeforeCid = "\"'(=";

QString AddressKey(const QUrl& url) {
  QString key = url.host().toLower() + url.path(QUrl::FullyDecoded);
  if (url.hasQuery()) key += u'?' + url.query(QUrl::FullyDecoded);
  return key;
}

// The host under which the parts of archive number `shown` from `host` are served. The web
// engine gives each site a process of its own, and a site here is the last two labels of the
// host: those stay the same, so that the next page does not start another process. The fixed end
// also keeps an address such as 192.168.0.1 from reading as one; the colons of an IPv6 address
// cannot stand in a host name.
QString ShownHost(QString host, quint64 shown) {
  host.replace(u':', u'-');
  return u'd' + QString::number(shown) + u'.' + host + QStringLiteral(".pages.quillory");
}

bool IsPage(const MhtmlPart& part) {
  return part.contentType == "text/html" || part.contentType == "application/xhtml+xml";
}

}  // namespace

void RegisterPageScheme() {
  auto define = [](const char* name, QWebEngineUrlScheme::Syntax syntax) {
    if (!QWebEngineUrlScheme::schemeByName(name).name().isEmpty()) return;
    QWebEngineUrlScheme scheme(name);
    scheme.setSyntax(syntax);
    // Local: a page may show the parts of its archive but load nothing from the web.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
  };
  define(kPageScheme, QWebEngineUrlScheme::Syntax::Host);
  define(kContentIdScheme, QWebEngineUrlScheme::Syntax::Path);
}

QUrl PageSchemeUrl(const QUrl& location, quint64 shown) {
  QUrl url;
  url.setScheme(QString::fromLatin1(kPageScheme));
  url.setHost(
      ShownHost(location.host().isEmpty() ? QStringLiteral("local") : location.host(), shown));
  const QString path = location.path(QUrl::FullyDecoded);
  url.setPath(path.startsWith(u'/') ? path : u'/' + path);
  if (location.hasQuery()) url.setQuery(location.query(QUrl::FullyEncoded));
  return url;
}

QUrl PageSchemeHandler::setDocument(MhtmlDocument document) {
  ++shown_;
  cidHost_ = ShownHost(QStringLiteral("cid"), shown_);
  document_ = std::move(document);
  byAddress_.clear();
  byFoldedAddress_.clear();
  links_.clear();
  const MhtmlPart* root = document_.rootPart();
  if (root == nullptr || !IsPage(*root)) {
    document_ = {};
    return {};
  }
  // Parts are placed relative to the page; a page that gives no address of its own gets one.
  const QUrl fileRoot(QStringLiteral("file:///"));
  QUrl base(QString::fromStdString(root->location));
  if (base.isRelative()) {
    base = fileRoot.resolved(root->location.empty() ? QUrl(QStringLiteral("page.htm")) : base);
  }
  for (std::size_t i = 0; i < document_.parts.size(); ++i) {
    const QString written = QString::fromStdString(document_.parts[i].location);
    if (i != document_.root && (written.isEmpty() || QUrl(written).scheme() == kContentIdScheme))
      continue;  // reached through cid: only
    const QUrl location = i == document_.root ? base : base.resolved(QUrl(written));
    const QUrl address = PageSchemeUrl(location, shown_);
    const QString key = AddressKey(address);
    if (!byAddress_.contains(key)) byAddress_.insert(key, i);
    if (!byFoldedAddress_.contains(key.toLower())) byFoldedAddress_.insert(key.toLower(), i);
    if (!written.isEmpty() && !QUrl(written).isRelative()) {
      links_.emplace_back(written.toUtf8(), address.toEncoded());
    }
  }
  return PageSchemeUrl(base, shown_);
}

void PageSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
  if (job->requestMethod() != "GET") {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  const MhtmlPart* part = PartFor(job->requestUrl());
  if (part == nullptr) {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  auto* buffer = new QBuffer(job);
  buffer->setData(Body(*part));
  buffer->open(QIODevice::ReadOnly);
  QByteArray type = QByteArray::fromStdString(part->contentType);
  if (!part->charset.empty()) type += "; charset=" + QByteArray::fromStdString(part->charset);
  job->reply(type, buffer);
}

const MhtmlPart* PageSchemeHandler::PartFor(const QUrl& url) const {
  // A bare cid: address is the same in every archive, so the engine may hold another archive's
  // part under it.
  if (url.scheme() == kContentIdScheme) return nullptr;
  if (url.host() == cidHost_) {
    const QString id = url.path(QUrl::FullyEncoded).mid(1);
    if (const MhtmlPart* part = FindPart(document_, "cid:" + id.toStdString())) return part;
    return FindPart(document_, "cid:" + url.path(QUrl::FullyDecoded).mid(1).toStdString());
  }
  const QString key = AddressKey(url);
  if (const auto it = byAddress_.constFind(key); it != byAddress_.constEnd()) {
    return &document_.parts[*it];
  }
  if (const auto it = byFoldedAddress_.constFind(key.toLower()); it != byFoldedAddress_.constEnd())
    return &document_.parts[*it];
  return nullptr;
}

QByteArray PageSchemeHandler::Body(const MhtmlPart& part) const {
  QByteArray body = QByteArray::fromStdString(part.body);
  if (!IsPage(part) && part.contentType != "text/css") return body;
  // References by cid: are served under this archive's own host.
  const QByteArray cidRoot = QByteArray(kPageScheme) + "://" + cidHost_.toLatin1() + '/';
  const QByteArray folded = body.toLower();
  QByteArray rewritten;
  qsizetype copied = 0;
  for (qsizetype at = folded.indexOf("cid:"); at >= 0; at = folded.indexOf("cid:", at + 4)) {
    if (at == 0 || kBeforeCid.find(body[at - 1]) == std::string_view::npos) continue;
    rewritten += body.mid(copied, at - copied) + cidRoot;
    copied = at + 4;
  }
  if (copied > 0) body = rewritten + body.mid(copied);
  // A browser's archive keeps the full web addresses of its pictures and style sheets; the page
  // scheme serves them instead of the web.
  for (const auto& [from, to] : links_) {
    for (qsizetype at = body.indexOf(from); at >= 0; at = body.indexOf(from, at)) {
      const qsizetype end = at + from.size();
      const bool starts = at > 0 && kBeforeAddress.find(body[at - 1]) != std::string_view::npos;
      const bool ends =
          end == body.size() || kAfterAddress.find(body[end]) != std::string_view::npos;
      if (starts && ends) {
        body.replace(at, from.size(), to);
        at += to.size();
      } else {
        at = end;
      }
    }
  }
  return body;
}

void PageRequestGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QString scheme = info.requestUrl().scheme();
  if (scheme == kPageScheme || scheme == kContentIdScheme || scheme == u"data") return;
  info.block(true);
  ++refusedCount_;
  lastRefused_.append(info.requestUrl());
  if (lastRefused_.size() > kRefusedKept) lastRefused_.removeFirst();
}

}  // namespace quillory
