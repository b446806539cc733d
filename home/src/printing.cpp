#include "quillory/home/printing.h"

#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <algorithm>

#include "quillory/content/subject_catalogue.h"
#include "quillory/platform/default_printer.h"
#include "quillory/platform/windows1252.h"
#include "quillory/shell/skin_palette.h"
#include "quillory/shell/window_modal.h"

namespace quillory {
namespace {

constexpr int kRuleLength = 128;
constexpr double kMinimumMarginMm = 10;
const QString kNoPrinter =
    QStringLiteral("No printer is set up on this computer, so your results could not be printed.");

// Value i of a list, numbered from 1; empty when the list is shorter.
QString Value(const RecordList& list, int i) {
  const auto index = static_cast<std::size_t>(i - 1);
  return index < list.size() ? FromWindows1252(list[index]) : QString();
}

// Where each item of a line starts, in device units. An item that runs past the start of its
// zone pushes the rest of the line on by whole zones, so that no two items ever overlap.
std::vector<double> ItemPositions(const PrintLine& line, const QFontMetricsF& metrics) {
  const double zone = kPrintZoneColumns * metrics.averageCharWidth();
  const double gap = metrics.horizontalAdvance(QLatin1Char(' '));
  std::vector<double> positions;
  int zoneIndex = 0;
  double end = 0;
  for (const QString& item : line) {
    if (!positions.empty()) {
      ++zoneIndex;
      while (zoneIndex * zone < end + gap) ++zoneIndex;
    }
    positions.push_back(zoneIndex * zone);
    end = positions.back() + metrics.horizontalAdvance(item);
  }
  return positions;
}

double LineWidth(const PrintLine& line, const QFontMetricsF& metrics) {
  if (line.empty()) return 0;
  return ItemPositions(line, metrics).back() + metrics.horizontalAdvance(line.back());
}

// A plain sans-serif face, shrunk from 10 pt only as far as the widest line needs to fit across
// the page, and never below 7 pt, where it would grow hard to read.
QFont ListingFont(const PrintListing& listing, QPrinter& printer, double pageWidth) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  for (double size = 10; size >= 7; size -= 0.5) {
    font.setPointSizeF(size);
    const QFontMetricsF metrics(font, &printer);
    const bool fits = std::all_of(listing.begin(), listing.end(), [&](const PrintLine& line) {
      return LineWidth(line, metrics) <= pageWidth;
    });
    if (fits) break;
  }
  return font;
}

// Where the listing goes, in painter coordinates: the printable area of the page, kept at least
// a centimetre from the paper's edge whatever small margins the printer allows.
QRectF PrintArea(QPrinter& printer) {
  const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  const double margin = kMinimumMarginMm / 25.4 * printer.resolution();
  QRectF area = paper.adjusted(margin, margin, -margin, -margin).intersected(page);
  if (area.isEmpty()) area = page;
  return printer.fullPage() ? area : area.translated(-page.topLeft());
}

// A printer made while no printer was set up falls back to writing PDF with nowhere to write
// it; once a printer exists, printing goes to the default one.
bool HasPrinterToUse(QPrinter& printer) {
  if (!printer.outputFileName().isEmpty()) return true;
  const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
  if (printers.isEmpty()) return false;
  if (printer.outputFormat() != QPrinter::NativeFormat) {
    const QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
    printer.setPrinterName(chosen.isNull() ? printers.first().printerName() : chosen.printerName());
  }
  return printer.outputFormat() == QPrinter::NativeFormat;
}

// What the set-up dialog can change. The dialog writes some of it into the printer while the
// pupil is still choosing, so a cancelled dialog has to put it back.
struct PrinterSettings {
  explicit PrinterSettings(const QPrinter& printer)
      : format(printer.outputFormat()),
        name(printer.printerName()),
        file(printer.outputFileName()),
        layout(printer.pageLayout()),
        copies(printer.copyCount()),
        collate(printer.collateCopies()),
        duplex(printer.duplex()),
        color(printer.colorMode()) {}

  void Restore(QPrinter& printer) const {
    printer.setOutputFileName(file);
    if (format == QPrinter::NativeFormat) {
      printer.setPrinterName(name);
    } else {
      printer.setOutputFormat(format);
    }
    printer.setPageLayout(layout);
    printer.setCopyCount(copies);
    printer.setCollateCopies(collate);
    printer.setDuplex(duplex);
    printer.setColorMode(color);
  }

  QPrinter::OutputFormat format;
  QString name;
  QString file;
  QPageLayout layout;
  int copies;
  bool collate;
  QPrinter::DuplexMode duplex;
  QPrinter::ColorMode color;
};

// The choice outlives this run: it becomes the default printer that every later start, and every
// other program, prints on.
Result<bool> KeepChoice(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty()) {
    if (const QString reason = KeepAsDefaultPrinter(printer.printerName()); !reason.isEmpty()) {
      return Error{0, QStringLiteral("Quillory will print on \"%1\" until it is closed, but "
                                     "could not make it the default printer: %2.")
                          .arg(printer.printerName(), reason)
                          .toStdString()};
    }
  }
  return true;
}

}  // namespace

PrintListing PastResultsListing(const QString& title, const std::array<std::string, 10>& topicNames,
                                int topicCount, const RecordList& fse, const RecordList& ltm,
                                const RecordList& cdd, const RecordList& sse) {
  const QString blank = QStringLiteral(" ");
  const QString percent = QStringLiteral("%");
  const QString rule(kRuleLength, QLatin1Char('-'));
  PrintListing listing(2);
  listing.push_back({blank, title});
  listing.resize(listing.size() + 2);
  const int topics = std::clamp(topicCount, 0, static_cast<int>(topicNames.size()));
  for (int t = 1; t <= topics; ++t) {
    listing.resize(listing.size() + 2);
    listing.push_back({blank, FromWindows1252(topicNames[static_cast<std::size_t>(t - 1)])});
    listing.push_back({blank, rule});
    listing.push_back({blank, QStringLiteral("Papers"), blank, QStringLiteral("First take"),
                       QStringLiteral("Time taken"), QStringLiteral("Date"), blank,
                       QStringLiteral("Second take")});
    listing.push_back({blank, blank, blank, QStringLiteral("score"), blank, blank, blank,
                       QStringLiteral("score")});
    listing.push_back({blank, rule});
    for (int k = 1; k <= kPapersPerTopic; ++k) {
      const int paper = k + kPapersPerTopic * (t - 1);
      listing.push_back({blank, QStringLiteral("Paper %1").arg(k), blank,
                         Value(fse, paper) + percent, Value(ltm, paper), Value(cdd, paper), blank,
                         Value(sse, paper) + percent});
    }
  }
  return listing;
}

Status PrintPastResults(QPrinter& printer, const PrintListing& listing) {
  if (!HasPrinterToUse(printer)) return Error{0, kNoPrinter.toStdString()};
  const Error failed{0,
                     "The printer could not print your results. Check that it is switched on and "
                     "has paper, then try again."};
  if (printer.docName().isEmpty()) printer.setDocName(QStringLiteral("Quillory past results"));

  QPainter painter;
  if (!painter.begin(&printer)) return failed;
  const QRectF area = PrintArea(printer);
  painter.setFont(ListingFont(listing, printer, area.width()));
  painter.setPen(skin_colour::kInk);
  const QFontMetricsF metrics(painter.font(), &printer);
  const auto height = [&](std::size_t lines) {
    return static_cast<double>(lines - 1) * metrics.lineSpacing() + metrics.height();
  };

  double top = area.top();
  for (std::size_t i = 0; i < listing.size(); ++i) {
    const PrintLine& line = listing[i];
    const bool pageStarted = top > area.top();
    // Lines between empty lines belong together, like a topic's name, headings and rows: they
    // move to a new page whole when they would not fit below and do fit on a page of their own.
    std::size_t run = 0;
    if (!line.empty() && (i == 0 || listing[i - 1].empty())) {
      while (i + run < listing.size() && !listing[i + run].empty()) ++run;
    }
    const bool runMoves =
        run > 0 && top + height(run) > area.bottom() && area.top() + height(run) <= area.bottom();
    if (pageStarted && (runMoves || top + height(1) > area.bottom())) {
      if (!printer.newPage()) {
        painter.end();
        return failed;
      }
      top = area.top();
    }
    const std::vector<double> positions = ItemPositions(line, metrics);
    for (std::size_t j = 0; j < line.size(); ++j) {
      painter.drawText(QPointF(area.left() + positions[j], top + metrics.ascent()), line[j]);
    }
    top += metrics.lineSpacing();
  }
  if (!painter.end() || printer.printerState() == QPrinter::Error) return failed;
  return {};
}

QString PrintedNotice(const QPrinter& printer) {
  if (!printer.outputFileName().isEmpty()) {
    return QStringLiteral("Your results were written to \"%1\".").arg(printer.outputFileName());
  }
  return QStringLiteral("Your results were sent to the printer \"%1\".").arg(printer.printerName());
}

QDialog* OpenPrintSetup(QWidget* parent, QPrinter& printer,
                        std::function<void(Result<bool>)> done) {
  auto* dialog = new QPrintDialog(&printer, parent);
  dialog->setWindowTitle(QStringLiteral("Print Setup"));
  // Choosing only: page ranges belong to a print job, and the listing always prints whole.
  dialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  // The dialog's own button says "Print", but confirming here prints nothing.
  if (auto* buttons = dialog->findChild<QDialogButtonBox*>()) {
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
  }
  OpenWindowModal(dialog, dialog,
                  [&printer, before = PrinterSettings(printer), done = std::move(done)](bool ok) {
                    if (!ok) {
                      before.Restore(printer);
                      done(false);
                      return;
                    }
                    done(KeepChoice(printer));
                  });
  return dialog;
}

QDialog* PrintSetup(QWidget* parent, QPrinter& printer, std::function<void(Result<bool>)> done) {
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    done(Error{0, "No printer is set up on this computer, so there is no printer to choose."});
    return nullptr;
  }
  return OpenPrintSetup(parent, printer, std::move(done));
}

}  // namespace quillory
