#include "quillory/practice/page_view.h"

#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <filesystem>
#include <fstream>

#include "quillory/assets/embedded_package.h"
#include "quillory/content/content_package.h"
#include "quillory/content/mhtml.h"
#include "quillory/content/paper_tables.h"
#include "quillory/practice/page_scheme.h"

using namespace quillory;

namespace {

constexpr int kLoadTimeout = 30000;

// Child processes of this test: the web engine's renderer and helpers.
int EngineProcesses() {
  int count = 0;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    std::ifstream children(task.path() / "children");
    for (std::string pid; children >> pid;) ++count;
  }
  return count;
}

}  // namespace

class PageViewTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  ContentPackage package_ = *ContentPackage::FromBytes(EmbeddedPackageBytes());
  std::unique_ptr<PageView> view_;
  QWebEnginePage* firstPage_ = nullptr;

  QString Extract(int id) {
    const std::filesystem::path path =
        QuestionPagePath(folder_.path().toStdString(), std::to_string(id));
    if (ExtractResource(package_, static_cast<std::uint16_t>(id), path) != 0) return {};
    return QString::fromStdString(path.string());
  }

  QString Write(const QString& name, const QByteArray& bytes) {
    QFile file(folder_.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return file.fileName();
  }

  PageView& View() {
    if (!view_) {
      view_ = std::make_unique<PageView>();
      view_->resize(900, 700);
      view_->show();
    }
    return *view_;
  }

  // Shows the page file and waits until it is loaded; false when the load failed.
  bool Show(const QString& path, bool* shown = nullptr) {
    QSignalSpy loaded(&View(), &QWebEngineView::loadFinished);
    const bool result = View().ShowPageFile(path);
    if (shown != nullptr) *shown = result;
    return loaded.wait(kLoadTimeout) && loaded.last().at(0).toBool();
  }

  // A view of the page at `path` in a window of its own, with the view's own dialogs and
  // messages, as a practice window holds it.
  bool ShowInWindow(QWidget& window, const QString& path, PageView** view) {
    window.resize(700, 500);
    *view = new PageView(&window);
    (*view)->resize(600, 400);
    window.show();
    QSignalSpy loaded(*view, &QWebEngineView::loadFinished);
    (*view)->ShowPageFile(path);
    return loaded.wait(kLoadTimeout);
  }

  // Runs a script of the test's own, beside the page (whose scripts do not run).
  QVariant Run(const QString& script) {
    QVariant result;
    bool done = false;
    View().page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                 [&](const QVariant& value) {
                                   result = value;
                                   done = true;
                                 });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(done, kLoadTimeout); }();
    return result;
  }

  QString Text() {
    QString text;
    bool done = false;
    View().page()->toPlainText([&](const QString& value) {
      text = value;
      done = true;
    });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(done, kLoadTimeout); }();
    return text;
  }

  // Widths of the page's pictures as loaded: 0 for one that did not load.
  QVariantList ImageWidths() {
    return Run(QStringLiteral("Array.from(document.images, i => i.naturalWidth)")).toList();
  }

  // Loads `address` into a picture from inside the page: "loaded" or "failed".
  QString Probe(const QString& address) {
    Run(QStringLiteral("window.probe = 'pending'; (() => { const picture = new Image();"
                       "picture.onload = () => window.probe = 'loaded';"
                       "picture.onerror = () => window.probe = 'failed'; picture.src = '%1'; })();")
            .arg(address));
    QString state;
    [&] {
      QTRY_VERIFY_WITH_TIMEOUT(
          (state = Run(QStringLiteral("window.probe")).toString()) != "pending", kLoadTimeout);
    }();
    return state;
  }

 private slots:
  void initTestCase() { QVERIFY(folder_.isValid()); }

  // The engine costs half a second and a quarter of a gigabyte: a window that merely holds the
  // view must not start it.
  void theEngineStartsWithTheFirstPage() {
    const int before = EngineProcesses();
    // Shown on the screen, as a view's own engine would start.
    QVERIFY(QTest::qWaitForWindowExposed(&View()));
    QCOMPARE(EngineProcesses(), before);
    QVERIFY(Show(Extract(12001)));
    QVERIFY(EngineProcesses() > before);
  }

  void showsShippedPagesWithTheirPictures_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pictures");
    QTest::newRow("single part") << 12001 << "The cat ______ asleep on the sofa right now." << 0;
    QTest::newRow("maths picture") << 22012 << "What number is the arrow pointing to?" << 1;
    QTest::newRow("next maths page") << 22043 << "The marks on this number line" << 1;
    QTest::newRow("science picture") << 18008 << "how the particles are arranged" << 1;
    QTest::newRow("single part again") << 12001 << "(4) am" << 0;
  }

  void showsShippedPagesWithTheirPictures() {
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(int, pictures);
    QVERIFY(Show(Extract(id)));
    if (firstPage_ == nullptr) firstPage_ = View().page();
    QVERIFY(View().page() == firstPage_);
    QVERIFY2(Text().contains(text), qPrintable(Text()));
    const QVariantList widths = ImageWidths();
    QCOMPARE(widths.size(), pictures);
    for (const QVariant& width : widths) QVERIFY(width.toInt() > 0);
  }

  void servesOnlyThePartsOfThePageOnShow() {
    const MhtmlDocument other = DecodeMhtml(std::string(package_.Member(18015).value()));
    // The other page's picture as it names it, under whichever page is on show.
    const QString otherPicture = QUrl(QString::fromStdString(other.parts.at(1).location)).path();
    QVERIFY(Show(Extract(22012)));
    QCOMPARE(Probe(QStringLiteral("22012_files/image001.png")), QStringLiteral("loaded"));
    QCOMPARE(Probe(QStringLiteral("22012_files/image002.png")), QStringLiteral("failed"));
    QCOMPARE(Probe(otherPicture), QStringLiteral("failed"));
    QVERIFY(Show(Extract(18015)));
    QCOMPARE(Probe(otherPicture), QStringLiteral("loaded"));
  }

  void aDamagedPageShowsWhatItHas_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");
    QFile file(Extract(22012));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray page = file.readAll();
    QTest::newRow("cut in the picture")
        << page.left(page.indexOf("iVBORw0KGgo") + 300) << true << "What number is the arrow";
    QTest::newRow("cut in the question")
        << page.left(page.indexOf("pointing to?")) << true << "What number is the arrow";
    QTest::newRow("cut in the headers") << page.left(60) << false << "cannot be shown";
    QTest::newRow("empty") << QByteArray() << false << "cannot be shown";
    QTest::newRow("not an archive")
        << QByteArray("\x89PNG\r\n\x1a\n\0\0garbage", 17) << false << "cannot be shown";
  }

  void aDamagedPageShowsWhatItHas() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, shown);
    QFETCH(QString, text);
    bool result = !shown;
    QVERIFY(Show(Write(QStringLiteral("temppaper99999.mht"), bytes), &result));
    QCOMPARE(result, shown);
    QVERIFY2(Text().contains(text), qPrintable(Text()));
  }

  void aMissingFileShowsTheNote() {
    bool result = true;
    QVERIFY(Show(folder_.filePath(QStringLiteral("temppaper00000.mht")), &result));
    QVERIFY(!result);
    QVERIFY(Text().contains(QStringLiteral("cannot be shown")));
  }

  // A browser's archive names its pictures by web address and its style sheet and frames by cid:.
  void showsABrowserArchiveFromItsOwnParts() {
    const QByteArray png = QByteArray::fromStdString(
        DecodeMhtml(std::string(package_.Member(22012).value())).parts.at(1).body);
    const QByteArray b = "----MultipartBoundary--Xq2Lk9Pz0Wm3Vb8Nc4Rt7Yh1Js6Gd5Fa----";
    const QByteArray archive =
        "From: <Saved by Blink>\r\nSnapshot-Content-Location: https://example.org/p/q.html\r\n"
        "MIME-Version: 1.0\r\nContent-Type: multipart/related;\r\n\ttype=\"text/html\";\r\n"
        "\tboundary=\"" +
        b + "\"\r\n\r\n\r\n--" + b +
        "\r\nContent-Type: text/html\r\nContent-ID: <frame-A1@mhtml.blink>\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "Content-Location: https://example.org/p/q.html\r\n\r\n"
        "<html><head><link rel=3D\"stylesheet\" href=3D\"cid:css-B2@mhtml.blink\"></head>"
        "<body><p>Half of a half</p><img src=3D\"https://example.org/img/line.png\">"
        "<img src=3D\"https://example.org/img/missing.png\"></body></html>\r\n--" +
        b +
        "\r\nContent-Type: text/css\r\nContent-Location: cid:css-B2@mhtml.blink\r\n\r\n"
        "p { color: rgb(200, 10, 20); }\r\n--" +
        b +
        "\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n"
        "Content-Location: https://example.org/img/line.png\r\n\r\n" +
        png.toBase64() + "\r\n--" + b + "--\r\n";
    QVERIFY(Show(Write(QStringLiteral("browser.mht"), archive)));
    QVERIFY(Text().contains(QStringLiteral("Half of a half")));
    const QVariantList widths = ImageWidths();
    QCOMPARE(widths.size(), 2);
    QVERIFY(widths[0].toInt() > 0);
    QCOMPARE(widths[1].toInt(), 0);
    QCOMPARE(Run(QStringLiteral("getComputedStyle(document.querySelector('p')).color")),
             QVariant(QStringLiteral("rgb(200, 10, 20)")));
  }

  // A page's own script could reach the network without a request the guard sees (WebRTC sends
  // its packets itself), so no script of a page runs.
  void runsNoScriptOfThePage() {
    QUdpSocket stun;
    QVERIFY(stun.bind(QHostAddress::LocalHost));
    const QString html =
        QStringLiteral(
            "<html><head><title>Question</title><script>document.title =3D 'changed';"
            "</script></head><body onload=3D\"document.body.append('loaded')\">"
            "<p id=3Dtext>Still</p><script>document.getElementById('text').textContent =3D "
            "'ran'; const peer =3D new RTCPeerConnection({iceServers: [{urls: "
            "'stun:127.0.0.1:%1'}, {urls: 'turn:127.0.0.1:%1', username: 'u', credential: "
            "'c'}]}); peer.createDataChannel('d'); peer.createOffer().then(o =3D> "
            "peer.setLocalDescription(o));</script><noscript><p>No script</p></noscript>"
            "</body></html>")
            .arg(stun.localPort());
    const QByteArray page =
        "Content-Location: file:///C:/0A1B2C3D/66666.htm\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "Content-Type: text/html; charset=\"us-ascii\"\r\n\r\n" +
        html.toLatin1();
    QVERIFY(Show(Write(QStringLiteral("temppaper66666.mht"), page)));
    QCOMPARE(View().title(), QStringLiteral("Question"));
    const QString text = Text();
    QVERIFY2(text.contains(QStringLiteral("Still")) && text.contains(QStringLiteral("No script")),
             qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("ran")) && !text.contains(QStringLiteral("loaded")),
             qPrintable(text));
    // Another page shown and loaded in the meantime gives a packet of the first page's time to
    // arrive.
    QVERIFY(Show(Extract(12001)));
    QVERIFY(!stun.hasPendingDatagrams());
  }

  // The engine keeps pictures in memory by address: two archives that name their pictures alike
  // must still each show their own.
  void aPictureIsNeverTakenFromAnEarlierPage_data() {
    QTest::addColumn<QString>("location");  // the picture's Content-Location
    QTest::addColumn<QString>("contentId");
    QTest::addColumn<QString>("source");  // how the page names it
    QTest::newRow("beside the page")
        << "file:///C:/0A1B2C3D/q_files/image001.png" << QString() << "q_files/image001.png";
    QTest::newRow("web address") << "https://example.org/img/pie.png" << QString()
                                 << "https://example.org/img/pie.png";
    QTest::newRow("content id") << QString() << "image001.png@01D7C2A1.5F3E2B90"
                                << "cid:image001.png@01D7C2A1.5F3E2B90";
    QTest::newRow("cid location") << "cid:pie@mhtml.blink" << QString() << "cid:pie@mhtml.blink";
  }

  void aPictureIsNeverTakenFromAnEarlierPage() {
    QFETCH(QString, location);
    QFETCH(QString, contentId);
    QFETCH(QString, source);
    auto archive = [&](int width) {
      QImage image(width, 2, QImage::Format_RGB32);
      image.fill(Qt::red);
      QByteArray png;
      QBuffer buffer(&png);
      buffer.open(QIODevice::WriteOnly);
      image.save(&buffer, "PNG");
      QByteArray picture = "Content-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n";
      if (!location.isEmpty()) picture += "Content-Location: " + location.toLatin1() + "\r\n";
      if (!contentId.isEmpty()) picture += "Content-ID: <" + contentId.toLatin1() + ">\r\n";
      return "MIME-Version: 1.0\r\nContent-Type: multipart/related; boundary=\"b\"\r\n\r\n"
             "--b\r\nContent-Type: text/html\r\n"
             "Content-Location: file:///C:/0A1B2C3D/q.htm\r\n\r\n<p>Width " +
             QByteArray::number(width) + "</p><img src=\"" + source.toLatin1() + "\">\r\n--b\r\n" +
             picture + "\r\n" + png.toBase64() + "\r\n--b--\r\n";
    };
    QVERIFY(Show(Write(QStringLiteral("temppaper55555.mht"), archive(3))));
    QCOMPARE(ImageWidths(), QVariantList{3});
    QVERIFY(Show(Write(QStringLiteral("temppaper55556.mht"), archive(5))));
    QVERIFY(Text().contains(QStringLiteral("Width 5")));
    QCOMPARE(ImageWidths(), QVariantList{5});
  }

  // Each page has addresses of its own, yet the next page stays in the renderer process of the
  // one before: starting another would cost a fifth of a second per page.
  void theNextPageKeepsItsRendererProcess() {
    QVERIFY(Show(Extract(12001)));
    const qint64 renderer = View().page()->renderProcessPid();
    QVERIFY(renderer > 0);
    QVERIFY(Show(Extract(22012)));
    QVERIFY(Show(Extract(18008)));
    QCOMPARE(View().page()->renderProcessPid(), renderer);
  }

  void reachesNoNetworkAndNoOtherFile() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&server, &QTcpServer::newConnection, [&] {
      ++connections;
      delete server.nextPendingConnection();
    });
    const QString web = QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort());
    // A picture that exists on disk, so that only refusing it keeps it off the page.
    const QString onDisk =
        QUrl::fromLocalFile(
            Write(QStringLiteral("line.png"),
                  QByteArray::fromStdString(
                      DecodeMhtml(std::string(package_.Member(22012).value())).parts.at(1).body)))
            .toString();
    const QString html =
        QStringLiteral(
            "<html><head><link rel=3Dstylesheet href=3D\"%1/s.css\"><script src=3D\"%1/s.js\">"
            "</script></head><body><p>Outside</p><img src=3D\"%1/a.png\"><img src=3D\"%2\">"
            "<iframe src=3D\"file:///etc/passwd\"></iframe><script>fetch('%1/f').catch(() =3D> "
            "{})</script>"
            "</body></html>")
            .arg(web, onDisk);
    const QByteArray page =
        "Content-Location: file:///C:/0A1B2C3D/77777.htm\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "Content-Type: text/html; charset=\"us-ascii\"\r\n\r\n" +
        html.toLatin1();
    const int refusedBefore = View().refusedCount();
    QVERIFY(Show(Write(QStringLiteral("temppaper77777.mht"), page)));
    QVERIFY(Text().contains(QStringLiteral("Outside")));
    QCOMPARE(ImageWidths(), (QVariantList{0, 0}));
    QCOMPARE(Probe(onDisk), QStringLiteral("failed"));
    QVERIFY(View().refusedCount() > refusedBefore);
    QVERIFY(View().lastRefused().contains(QUrl(onDisk)));
    QCOMPARE(connections, 0);
  }

  void aLinkDoesNotLeaveThePage_data() {
    QTest::addColumn<QString>("address");
    QTest::newRow("web") << QStringLiteral("http://127.0.0.1:%1/away");
    QTest::newRow("file") << QStringLiteral("file:///etc/hostname?%1");
  }

  void aLinkDoesNotLeaveThePage() {
    QFETCH(QString, address);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QVERIFY(Show(Extract(12001)));
    Run(QStringLiteral("location.href = '%1'").arg(address.arg(server.serverPort())));
    QTest::qWait(500);
    QCOMPARE(View().url().scheme(), QString::fromLatin1(kPageScheme));
    QVERIFY(Text().contains(QStringLiteral("The cat")));
    QVERIFY(!server.hasPendingConnections());
  }

  void guardsCopyingAndTheRightButton_data() {
    QTest::addColumn<int>("key");  // 0: a mouse click
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("notices");
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << 0 << 1;
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << 0 << 1;
    QTest::newRow("Ctrl+Shift+C") << int(Qt::Key_C) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                  << 0 << 1;
    QTest::newRow("plain C") << int(Qt::Key_C) << 0 << 0 << 0;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << 0 << 0;
    QTest::newRow("right button") << 0 << 0 << int(Qt::RightButton) << 1;
    QTest::newRow("left button") << 0 << 0 << int(Qt::LeftButton) << 0;
  }

  void guardsCopyingAndTheRightButton() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, button);
    QFETCH(int, notices);
    // After a change of page, since the engine may give the page a new widget to draw in.
    QVERIFY(Show(Extract(12002)));
    QVERIFY(Show(Extract(22012)));
    int count = 0;
    View().setGuardNotice([&] { ++count; });
    QWidget* target = View().focusProxy();
    QVERIFY(target != nullptr);
    if (key != 0) {
      QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    } else {
      QTest::mouseClick(target, Qt::MouseButton(button), {}, QPoint(100, 100));
    }
    // A guard's message follows its key or click from the event loop; a later turn of the loop
    // comes after it.
    bool handled = false;
    QTimer::singleShot(0, this, [&] { handled = true; });
    QTRY_VERIFY(handled);
    QCOMPARE(count, notices);
    const auto menus = QApplication::topLevelWidgets();
    for (QWidget* widget : menus) QVERIFY(!(qobject_cast<QMenu*>(widget) && widget->isVisible()));
  }

  // Out of the box the guard's message is a box over the window that waits for nobody: the page
  // goes on, and the box goes with its window.
  void theGuardsMessageWaitsForNobody() {
    auto window = std::make_unique<QWidget>();
    PageView* view = nullptr;
    QVERIFY(ShowInWindow(*window, Extract(12002), &view));
    QTRY_VERIFY(view->focusProxy() != nullptr);
    QTest::keyClick(view->focusProxy(), Qt::Key_C, Qt::ControlModifier);
    QPointer<QMessageBox> box;
    QTRY_VERIFY((box = window->findChild<QMessageBox*>()) != nullptr && box->isVisible());
    QCOMPARE(box->text(), QStringLiteral("Invalid operation"));
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    window.reset();
    QVERIFY(box == nullptr);
  }

  // The print dialog proposes a file named after the question in the documents folder, or in
  // the home folder when there is none; never "print.pdf".
  void proposesAFileInTheDocumentsFolder_data() {
    QTest::addColumn<bool>("documents");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("documents folder") << true << "Grammar - Paper 1 - Question 2"
                                      << "Grammar - Paper 1 - Question 2.pdf";
    QTest::newRow("no documents folder") << false << "Fractions - Paper 3 - Question 10"
                                         << "Fractions - Paper 3 - Question 10.pdf";
    QTest::newRow("separators and dots") << true << "../Shapes/Lines - Paper 1"
                                         << "-Shapes-Lines - Paper 1.pdf";
  }

  void proposesAFileInTheDocumentsFolder() {
    QFETCH(bool, documents);
    QFETCH(QString, name);
    QFETCH(QString, file);
    QTemporaryDir home;
    const QString docs = home.filePath(QStringLiteral("Schoolwork"));
    if (documents) QVERIFY(QDir().mkpath(docs));
    QVERIFY(QDir().mkpath(home.filePath(QStringLiteral(".config"))));
    QFile dirs(home.filePath(QStringLiteral(".config/user-dirs.dirs")));
    QVERIFY(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Schoolwork\"\n");
    dirs.close();
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toLocal8Bit());

    PageView view;
    view.resize(600, 400);
    view.show();
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.ShowPageFile(Extract(12002));
    QVERIFY(loaded.wait(kLoadTimeout));
    view.PrintQuestion(&view, name);
    QVERIFY(view.choosingPrinter());
    QPrintDialog* dialog = view.findChild<QPrintDialog*>();
    QVERIFY(dialog != nullptr);
    QTRY_VERIFY(dialog->isVisible());
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    QVERIFY(field != nullptr);
    const QString proposed = field->text();
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    dialog->reject();

    QCOMPARE(proposed, QDir(documents ? docs : home.path()).filePath(file));
    QVERIFY(!view.choosingPrinter());
    QVERIFY(!view.printing());
  }

  // The print dialog asks without holding up its window: the call returns with the dialog open,
  // a second print waits for it, the pupil's choice prints, and a window that goes while its
  // dialog is open takes the dialog with it.
  void thePrintDialogAnswersLater() {
    auto window = std::make_unique<QWidget>();
    PageView* view = nullptr;
    QVERIFY(ShowInWindow(*window, Extract(12002), &view));
    QSignalSpy printed(view, &PageView::questionPrinted);

    view->PrintQuestion(window.get(), QStringLiteral("Grammar - Paper 1 - Question 2"));
    QVERIFY(view->choosingPrinter());
    view->PrintQuestion(window.get(), QStringLiteral("again"));
    QCOMPARE(window->findChildren<QPrintDialog*>().size(), 1);
    QPrintDialog* dialog = window->findChild<QPrintDialog*>();
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(dialog->printer()->docName(), QStringLiteral("Grammar - Paper 1 - Question 2"));
    if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"))) {
      const int pdf = printers->findText(QStringLiteral("PDF"), Qt::MatchContains);
      if (pdf >= 0) printers->setCurrentIndex(pdf);
    }
    const QString pdf = folder_.filePath(QStringLiteral("chosen in the dialog.pdf"));
    dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
    dialog->accept();
    QVERIFY(!view->choosingPrinter());
    QVERIFY(view->printing());
    QVERIFY(printed.wait(kLoadTimeout));
    QVERIFY(printed.last().at(0).toBool());
    QVERIFY(QFile::exists(pdf));
    QTRY_VERIFY(window->findChildren<QPrintDialog*>().isEmpty());

    view->PrintQuestion(window.get(), QStringLiteral("Grammar - Paper 1 - Question 2"));
    QPointer<QPrintDialog> open = window->findChild<QPrintDialog*>();
    QVERIFY(open != nullptr);
    QTRY_VERIFY(open->isVisible());
    window.reset();
    QVERIFY(open == nullptr);
    QCOMPARE(printed.count(), 1);
  }

  // A question printed to a file keeps its words as text: a small file whose words a PDF reader
  // finds. While it prints, the page says so and the cursor shows the program is busy.
  void printsTheQuestionToAFileAsText_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("English") << 12002;
    QTest::newRow("Mathematics") << 22012;
    QTest::newRow("Science") << 18001;
  }

  void printsTheQuestionToAFileAsText() {
    QFETCH(int, page);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY(Show(Extract(page)));
    const QString pdf = folder_.filePath(QStringLiteral("question %1.pdf").arg(page));
    QSignalSpy printed(&View(), &PageView::questionPrinted);
    int failures = 0;
    View().setPrintFailedNotice([&] { ++failures; });

    View().setPrintSetup(
        [](QPrinter&, QWidget*, std::function<void(bool)> answer) { answer(false); });
    View().PrintQuestion(&View(), QStringLiteral("Question"));
    QVERIFY(!View().printing());
    QVERIFY(QApplication::overrideCursor() == nullptr);

    QString docName;
    View().setPrintSetup([&](QPrinter& printer, QWidget*, std::function<void(bool)> answer) {
      docName = printer.docName();
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      answer(true);
    });
    View().PrintQuestion(&View(), QStringLiteral("Grammar - Paper 1 - Question 2"));
    QCOMPARE(docName, QStringLiteral("Grammar - Paper 1 - Question 2"));
    QVERIFY(View().printing());
    QVERIFY(View().findChild<QLabel*>(QStringLiteral("printingNote"))->isVisible());
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    View().PrintQuestion(&View(), QStringLiteral("again"));  // refused while the first prints

    QVERIFY(printed.wait(kLoadTimeout));
    QCOMPARE(printed.count(), 1);
    QVERIFY(printed.last().at(0).toBool());
    QCOMPARE(failures, 0);
    QVERIFY(!View().printing());
    QVERIFY(!View().findChild<QLabel*>(QStringLiteral("printingNote"))->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QVERIFY2(file.size() < 500 * 1024, qPrintable(QString::number(file.size())));
    QProcess reader;
    reader.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(30000));
    const QString words = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    const QStringList shown = Text().simplified().split(u' ', Qt::SkipEmptyParts);
    QVERIFY(shown.size() >= 3);
    QVERIFY2(words.contains(shown.mid(0, 3).join(u' ')), qPrintable(words));
  }

  void tellsThePupilWhenTheQuestionCannotBePrinted() {
    QVERIFY(Show(Extract(22012)));
    QSignalSpy printed(&View(), &PageView::questionPrinted);
    int failures = 0;
    View().setPrintFailedNotice([&] { ++failures; });
    View().setPrintSetup([&](QPrinter& printer, QWidget*, std::function<void(bool)> answer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(folder_.filePath(QStringLiteral("no such folder/question.pdf")));
      answer(true);
    });
    View().PrintQuestion(&View());
    QVERIFY(printed.wait(kLoadTimeout));
    QVERIFY(!printed.last().at(0).toBool());
    QCOMPARE(failures, 1);
    QVERIFY(!View().printing());
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  void cleanupTestCase() { view_.reset(); }
};

int main(int argc, char** argv) {
  // Chromium will not start its sandbox as root.
  if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  PreparePageViews();
  QApplication app(argc, argv);
  PageViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "page_view_test.moc"
