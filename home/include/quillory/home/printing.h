#pragma once

#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "quillory/content/record_file.h"
#include "quillory/content/result.h"

class QDialog;
class QPrinter;
class QWidget;

namespace quillory {

// One printed line: item 1 goes in print zone 1, item 2 in zone 2, and so on. A lone space keeps
// a zone empty; a line without items is an empty line.
using PrintLine = std::vector<QString>;
using PrintListing = std::vector<PrintLine>;

// A print zone is this many average character widths of the printing font.
inline constexpr int kPrintZoneColumns = 14;

// The past results of one subject: a title, then per topic a block with the topic's name, two
// heading lines between rules and one row per paper with its first-attempt score, time, date and
// second-attempt score. The lists are the subject's marks (value i for paper i, as read from the
// marks file in Windows-1252); values missing from a short list print as empty.
PrintListing PastResultsListing(const QString& title, const std::array<std::string, 10>& topicNames,
                                int topicCount, const RecordList& fse, const RecordList& ltm,
                                const RecordList& cdd, const RecordList& sse);

// Prints the listing on `printer` in print zones, starting a new page whenever the next line
// would not fit. Fails with a sentence for the pupil when there is no printer to print on or the
// printer gives up; never throws.
Status PrintPastResults(QPrinter& printer, const PrintListing& listing);

// What the pupil is told once the listing went out: the printer's name, or the file written.
QString PrintedNotice(const QPrinter& printer);

// Shows the printer set-up dialog over `parent` (only `parent`'s window waits for it) and returns
// it at once. Its choice of printer and page settings goes into `printer`, which later printing
// uses, and the printer chosen becomes the user's default printer, kept for later starts. When
// the pupil has answered, `done` hears true for a confirmed choice, false when the dialog was
// cancelled and nothing changed, or a sentence for the pupil when the choice could not be kept as
// the default. The dialog fills in `printer` until it closes: a caller that may go first deletes
// the dialog before `printer`.
QDialog* OpenPrintSetup(QWidget* parent, QPrinter& printer, std::function<void(Result<bool>)> done);

// OpenPrintSetup, when this computer has a printer set up. Without one no dialog shows: `done`
// hears why before the call returns nullptr.
QDialog* PrintSetup(QWidget* parent, QPrinter& printer, std::function<void(Result<bool>)> done);

}  // namespace quillory
