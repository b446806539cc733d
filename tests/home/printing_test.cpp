#include "quillory/home/printing.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <optional>

using namespace quillory;

namespace {

const std::array<std::string, 10> kTopics = {
    "Whole numbers", "Fractions", "Decimals", "Percentage", "Ratio",
    "Angles",        "Area",      "Volume",   "Statistics", "Speed and distance"};

const QString kNoPrinterText =
    QStringLiteral("No printer is set up on this computer, so your results could not be printed.");

// The four marks lists of a subject with 50 papers, all without attempts.
struct Marks {
  RecordList fse = RecordList(50), ltm = RecordList(50), cdd = RecordList(50), sse = RecordList(50);

  PrintListing Listing(int topicCount, const QString& title = QStringLiteral("Maths Practice")) {
    return PastResultsListing(title, kTopics, topicCount, fse, ltm, cdd, sse);
  }
};

constexpr int kLeadLines = 5;    // two empty lines, the title, two empty lines
constexpr int kBlockLines = 12;  // two empty lines, name, rule, two headings, rule, five papers

const PrintLine& Row(const PrintListing& listing, int topic, int paper) {
  return listing.at(static_cast<std::size_t>(kLeadLines + kBlockLines * (topic - 1) + 6 + paper));
}

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class PrintingTest : public QObject {
  Q_OBJECT

 private slots:
  void listingFrame() {
    const PrintListing listing = Marks().Listing(2, QStringLiteral("Science Papers"));
    const QString blank = QStringLiteral(" ");
    const PrintLine rule = {blank, QString(128, QLatin1Char('-'))};
    const std::vector<PrintLine> expected = {
        {},
        {},
        {blank, QStringLiteral("Science Papers")},
        {},
        {},
        {},
        {},
        {blank, QStringLiteral("Whole numbers")},
        rule,
        {blank, "Papers", blank, "First take", "Time taken", "Date", blank, "Second take"},
        {blank, blank, blank, "score", blank, blank, blank, "score"},
        rule,
    };
    QCOMPARE(listing.size(), std::size_t{kLeadLines + 2 * kBlockLines});
    for (std::size_t i = 0; i < expected.size(); ++i) QCOMPARE(listing[i], expected[i]);
    // The second block repeats the frame under its own name.
    for (std::size_t i = kLeadLines; i < kLeadLines + 7; ++i) {
      if (i == kLeadLines + 2) {
        QCOMPARE(listing[i + kBlockLines], (PrintLine{blank, QStringLiteral("Fractions")}));
      } else {
        QCOMPARE(listing[i + kBlockLines], listing[i]);
      }
    }
  }

  void blocksPerTopic_data() {
    QTest::addColumn<int>("topicCount");
    QTest::addColumn<int>("blocks");
    QTest::newRow("one topic") << 1 << 1;
    QTest::newRow("seven topics") << 7 << 7;
    QTest::newRow("ten topics") << 10 << 10;
    QTest::newRow("no topics") << 0 << 0;
    QTest::newRow("more topics than names") << 12 << 10;
  }
  void blocksPerTopic() {
    QFETCH(int, topicCount);
    QFETCH(int, blocks);
    const PrintListing listing = Marks().Listing(topicCount);
    QCOMPARE(listing.size(), static_cast<std::size_t>(kLeadLines + kBlockLines * blocks));
    for (int t = 1; t <= blocks; ++t) {
      const auto nameLine = static_cast<std::size_t>(kLeadLines + kBlockLines * (t - 1) + 2);
      QCOMPARE(listing[nameLine].at(1), QString::fromStdString(kTopics[t - 1]));
      for (int k = 1; k <= 5; ++k)
        QCOMPARE(Row(listing, t, k).at(1), QStringLiteral("Paper %1").arg(k));
    }
  }

  void paperRow_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("paper");
    QTest::addColumn<QStringList>("stored");  // FSE, LTM, CDD, SSE of that paper
    QTest::addColumn<QStringList>("printed");
    QTest::newRow("no attempt") << 1 << 1 << QStringList{"", "", "", ""}
                                << QStringList{" ", "Paper 1", " ", "%", "", "", " ", "%"};
    QTest::newRow("first attempt only")
        << 2 << 3 << QStringList{"88.8", "00:14:05", "14/03/2024", ""}
        << QStringList{" ", "Paper 3", " ", "88.8%", "00:14:05", "14/03/2024", " ", "%"};
    QTest::newRow("both attempts")
        << 7 << 5 << QStringList{"60", "00:31:10", "02/01/2025", "92.5"}
        << QStringList{" ", "Paper 5", " ", "60%", "00:31:10", "02/01/2025", " ", "92.5%"};
    QTest::newRow("last paper of ten topics")
        << 10 << 5 << QStringList{"100", "00:09:59", "30/06/2024", ""}
        << QStringList{" ", "Paper 5", " ", "100%", "00:09:59", "30/06/2024", " ", "%"};
  }
  void paperRow() {
    QFETCH(int, topic);
    QFETCH(int, paper);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, printed);
    Marks marks;
    const auto index = static_cast<std::size_t>(5 * (topic - 1) + paper - 1);
    marks.fse[index] = stored[0].toStdString();
    marks.ltm[index] = stored[1].toStdString();
    marks.cdd[index] = stored[2].toStdString();
    marks.sse[index] = stored[3].toStdString();
    const PrintListing listing = marks.Listing(10);
    QCOMPARE(Row(listing, topic, paper), PrintLine(printed.begin(), printed.end()));
    // Only that paper's row carries the values.
    for (int t = 1; t <= 10; ++t) {
      for (int k = 1; k <= 5; ++k) {
        if (t != topic || k != paper) QCOMPARE(Row(listing, t, k).at(3), QStringLiteral("%"));
      }
    }
  }

  void marksValues_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("printed");
    QTest::newRow("Windows-1252 punctuation") << QByteArray(
                                                     "14\x96"
                                                     "03")
                                              << QStringLiteral("14\u201303");
    QTest::newRow("Windows-1252 letters") << QByteArray("mar\xe7o") << QStringLiteral("mar\u00e7o");
    QTest::newRow("euro sign") << QByteArray("\x80") << QStringLiteral("\u20ac");
  }
  void marksValues() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, printed);
    Marks marks;
    marks.cdd[0] = stored.toStdString();
    QCOMPARE(Row(marks.Listing(1), 1, 1).at(5), printed);
  }

  void shortMarksListsPrintEmpty() {
    const RecordList three = {"70", "80", "90"};
    const PrintListing listing =
        PastResultsListing(QStringLiteral("T"), kTopics, 2, three, {}, {}, three);
    QCOMPARE(Row(listing, 1, 3).at(3), QStringLiteral("90%"));
    QCOMPARE(Row(listing, 1, 4).at(3), QStringLiteral("%"));
    QCOMPARE(Row(listing, 2, 5).at(7), QStringLiteral("%"));
    QCOMPARE(Row(listing, 1, 1).at(4), QString());
  }

  // Topic names come from the content's header in the same code page as the marks.
  void topicNamesAreReadAsTheirCodePage() {
    std::array<std::string, 10> topics = kTopics;
    topics[0] = "Caf\xE9 maths \x96 sums";
    Marks marks;
    const PrintListing listing = PastResultsListing(QStringLiteral("T"), topics, 1, marks.fse,
                                                    marks.ltm, marks.cdd, marks.sse);
    QCOMPARE(listing.at(kLeadLines + 2).at(1), QStringLiteral("Caf\u00E9 maths \u2013 sums"));
  }

  // Prints to PDF and reads the text back as laid out on the page.
  void printsListingToPdf() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("results.pdf"));
    Marks marks;
    marks.fse[0] = "88.8";
    marks.ltm[0] = "00:14:05";
    marks.cdd[0] = "14/03/2024";
    marks.ltm[1] = "1 hour, 14 minutes and 5 seconds";  // wider than its zone
    marks.cdd[1] = "15/03/2024";
    marks.fse[46] = "75";
    marks.sse[46] = "95.5";

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    const Status status = PrintPastResults(printer, marks.Listing(10, "Maths Practice Papers"));
    QVERIFY2(status.ok(), status.error().message.c_str());

    const QString text = Run(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
    QVERIFY(!text.isEmpty());
    QVERIFY(text.contains(QStringLiteral("Maths Practice Papers")));
    for (const std::string& name : kTopics) QVERIFY(text.contains(QString::fromStdString(name)));
    QCOMPARE(text.count(QStringLiteral("Paper 5")), 10);
    QCOMPARE(text.count(QStringLiteral("Second take")), 10);
    QCOMPARE(text.count(QRegularExpression(QStringLiteral("(?<!-)-{128}(?!-)"))), 20);
    QVERIFY(text.contains(QStringLiteral("95.5%")));
    QVERIFY2(text.count(QLatin1Char('\f')) >= 2, "ten topics fill more than one page");

    const QStringList lines = text.split(QLatin1Char('\n'));
    const auto row = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
      return line.contains(QStringLiteral("Paper 1")) && line.contains(QStringLiteral("88.8%"));
    });
    QVERIFY(row != lines.end());
    const qsizetype paperEnd = row->indexOf(QStringLiteral("Paper 1")) + 7;
    const qsizetype score = row->indexOf(QStringLiteral("88.8%"));
    const qsizetype time = row->indexOf(QStringLiteral("00:14:05"));
    const qsizetype date = row->indexOf(QStringLiteral("14/03/2024"));
    QVERIFY(paperEnd < score);
    QVERIFY(score + 5 < time);
    QVERIFY(time + 8 < date);
    QVERIFY(date + 10 < row->lastIndexOf(QLatin1Char('%')));

    // A value wider than its zone pushes the rest of its line on rather than running into it.
    const auto longRow = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
      return line.contains(QStringLiteral("Paper 2")) && line.contains(QStringLiteral("1 hour"));
    });
    QVERIFY(longRow != lines.end());
    const qsizetype longTime = longRow->indexOf(QStringLiteral("1 hour, 14 minutes and 5 seconds"));
    QVERIFY(longTime > 0);
    QVERIFY(longRow->indexOf(QStringLiteral("15/03/2024")) > longTime + 32);

    // Headings stand over their columns.
    const auto heading = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
      return line.contains(QStringLiteral("First take"));
    });
    QVERIFY(heading != lines.end());
    QVERIFY(std::abs(heading->indexOf(QStringLiteral("First take")) - score) <= 1);
    QVERIFY(std::abs(heading->indexOf(QStringLiteral("Date")) - date) <= 1);

    // Zones 2, 4, 5, 6 and 8 are two, one, one and two zones of equal width apart.
    const qsizetype papers = heading->indexOf(QStringLiteral("Papers"));
    const qsizetype first = heading->indexOf(QStringLiteral("First take"));
    const qsizetype taken = heading->indexOf(QStringLiteral("Time taken"));
    const qsizetype when = heading->indexOf(QStringLiteral("Date"));
    const qsizetype second = heading->indexOf(QStringLiteral("Second take"));
    const qsizetype zone = taken - first;
    QVERIFY(zone > 10);
    QVERIFY(std::abs(first - papers - 2 * zone) <= 2);
    QVERIFY(std::abs(when - taken - zone) <= 1);
    QVERIFY(std::abs(second - when - 2 * zone) <= 2);
  }

  // Whatever the paper, every line stays a centimetre inside its edges and no topic's block is
  // split across two pages.
  void pageLayouts_data() {
    QTest::addColumn<QPageSize::PageSizeId>("size");
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    QTest::addColumn<int>("minimumPages");
    QTest::newRow("A4 portrait") << QPageSize::A4 << QPageLayout::Portrait << 2;
    QTest::newRow("Letter portrait") << QPageSize::Letter << QPageLayout::Portrait << 2;
    QTest::newRow("A4 landscape") << QPageSize::A4 << QPageLayout::Landscape << 3;
    QTest::newRow("A5 landscape") << QPageSize::A5 << QPageLayout::Landscape << 4;
  }
  void pageLayouts() {
    QFETCH(QPageSize::PageSizeId, size);
    QFETCH(QPageLayout::Orientation, orientation);
    QFETCH(int, minimumPages);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("results.pdf"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(size));
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
    QVERIFY(PrintPastResults(printer, Marks().Listing(10)).ok());

    const QString boxes = Run(pdftotext, {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    const QRegularExpression pageBox(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    const QRegularExpressionMatch paper = pageBox.match(boxes);
    const double width = paper.captured(1).toDouble(), height = paper.captured(2).toDouble();
    QVERIFY(width > 0 && height > 0);
    const double centimetre = 72 / 2.54 - 0.5;
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
    int words = 0;
    for (auto match = word.globalMatch(boxes); match.hasNext(); ++words) {
      const QRegularExpressionMatch box = match.next();
      const QRectF rect(QPointF(box.captured(1).toDouble(), box.captured(2).toDouble()),
                        QPointF(box.captured(3).toDouble(), box.captured(4).toDouble()));
      QVERIFY2(QRectF(0, 0, width, height)
                   .adjusted(centimetre, centimetre, -centimetre, -centimetre)
                   .contains(rect),
               qPrintable(QStringLiteral("word %1 at %2, %3 - %4, %5")
                              .arg(words)
                              .arg(rect.left())
                              .arg(rect.top())
                              .arg(rect.right())
                              .arg(rect.bottom())));
    }
    QVERIFY(words > 0);

    const QString text = Run(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= minimumPages);
    int blocks = 0;
    for (const QString& page : pages) {
      const qsizetype names = page.count(QStringLiteral("First take"));
      QCOMPARE(page.count(QStringLiteral("Paper 1")), names);
      QCOMPARE(page.count(QStringLiteral("Paper 5")), names);
      blocks += static_cast<int>(names);
    }
    QCOMPARE(blocks, 10);
  }

  void printingFailsWithAMessage_data() {
    QTest::addColumn<bool>("toFile");
    QTest::addColumn<QString>("message");
    QTest::newRow("no printer set up") << false << kNoPrinterText;
    QTest::newRow("file cannot be written") << true << QString();
  }
  void printingFailsWithAMessage() {
    QFETCH(bool, toFile);
    QFETCH(QString, message);
    if (!toFile && !QPrinterInfo::availablePrinters().isEmpty()) {
      QSKIP("this computer has a printer set up");
    }
    QPrinter printer;
    if (toFile) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QStringLiteral("/nonexistent-folder/results.pdf"));
    }
    const Status status = PrintPastResults(printer, Marks().Listing(2));
    QVERIFY(!status.ok());
    QVERIFY(!status.error().message.empty());
    if (!message.isEmpty()) QCOMPARE(QString::fromStdString(status.error().message), message);
  }

  void setupWithoutPrinterShowsNoDialog() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("this computer has a printer set up");
    QPrinter printer;
    const QString before = printer.printerName();
    std::optional<Result<bool>> chosen;
    const QDialog* dialog =
        PrintSetup(nullptr, printer, [&](Result<bool> answer) { chosen = std::move(answer); });
    QVERIFY(dialog == nullptr);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(chosen.has_value() && !chosen->ok());
    QVERIFY(QString::fromStdString(chosen->error().message).contains(QStringLiteral("No printer")));
    QCOMPARE(printer.printerName(), before);
  }

  // The set-up dialog returns at once and answers when the pupil does: cancelled, the printer is
  // as it was; confirmed on a file, the choice is in the printer and no default printer changes.
  void setupAnswersWhenThePupilDoes_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("cancelled") << false;
    QTest::newRow("confirmed") << true;
  }

  void setupAnswersWhenThePupilDoes() {
    QFETCH(bool, confirm);
    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("before.pdf")));
    std::optional<Result<bool>> chosen;
    QPointer<QDialog> dialog =
        OpenPrintSetup(nullptr, printer, [&](Result<bool> answer) { chosen = std::move(answer); });
    QVERIFY(dialog != nullptr);
    QTRY_VERIFY(dialog->isVisible());
    QVERIFY(!chosen.has_value());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Print Setup"));

    auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    QVERIFY(file != nullptr);
    if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"))) {
      const int pdf = printers->findText(QStringLiteral("PDF"), Qt::MatchContains);
      if (pdf >= 0) printers->setCurrentIndex(pdf);
    }
    const QString after = folder.filePath(QStringLiteral("after.pdf"));
    file->setText(after);
    if (confirm) {
      dialog->accept();
    } else {
      dialog->reject();
    }
    QVERIFY(chosen.has_value());
    QVERIFY(chosen->ok());
    QCOMPARE(chosen->value(), confirm);
    QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(printer.outputFileName(),
             confirm ? after : folder.filePath(QStringLiteral("before.pdf")));
    QTRY_VERIFY(dialog == nullptr);
  }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
