#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <regex>

#include "review_sheet.h"

namespace quillory::pack {
namespace {

// Qt's rich text knows a small part of CSS: enough to tell passages, choices and instructions
// apart on paper.
constexpr const char* kPrintStyle =
    "h1 { font-size: 16pt; } h2 { font-size: 12pt; color: #333333; }"
    ".paperhead { color: #777777; font-size: 8pt; } .instr { font-style: italic; }"
    ".passage { background-color: #f2f2f2; } .optnum { font-weight: bold; }"
    ".problem { color: #bb0000; } .keys { background-color: #fff8dc; }"
    "th { background-color: #e6e6e6; }";

// What fits across the printed page beside the table's padding, in the document's pixels.
constexpr int kPrintableWidth = 600;

// Qt's rich text draws a picture at the size its tag names, so a figure wider than the paper
// would run off its edge; it is drawn narrower instead, keeping its shape.
std::string FitPictures(std::string body) {
  static const std::regex picture(R"re(<img([^>]*?)width="?(\d+)"?([^>]*?)height="?(\d+)"?)re");
  std::string out;
  auto from = body.cbegin();
  for (std::sregex_iterator it(body.begin(), body.end(), picture), end; it != end; ++it) {
    const std::smatch& m = *it;
    const int width = std::stoi(m[2]);
    const int height = std::stoi(m[4]);
    out.append(from, m[0].first);
    if (width > kPrintableWidth) {
      out += "<img" + m[1].str() + "width=" + std::to_string(kPrintableWidth) + m[3].str() +
             "height=" + std::to_string(height * kPrintableWidth / width);
    } else {
      out += m[0].str();
    }
    from = m[0].second;
  }
  out.append(from, body.cend());
  return out;
}

}  // namespace

Result<std::string> ReviewSheetPdf(const ReviewPaper& paper) {
  QTextDocument document;
  document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  document.setDefaultStyleSheet(QString::fromLatin1(kPrintStyle));
  std::string html = "<h1>Subject " + std::to_string(paper.subject) + ", paper " +
                     EscapeHtmlText(paper.key) + "</h1>";
  for (const std::string& problem : paper.problems) {
    html += "<p class=problem>" + EscapeHtmlText(problem) + "</p>";
  }
  int blankNumber = 0;
  for (const ReviewPage& page : paper.pages) {
    for (const ReviewPicture& picture : page.pictures) {
      QImage image;
      if (image.loadFromData(reinterpret_cast<const uchar*>(picture.bytes.data()),
                             static_cast<int>(picture.bytes.size()))) {
        document.addResource(QTextDocument::ImageResource,
                             QUrl(QString::fromStdString(picture.address)), image);
      }
    }
    // A printed page is too narrow for a wide figure and the keys side by side, so the keys
    // stand right under the page they belong to.
    html += "<h2>Question page " + page.id +
            "</h2><table width=\"100%\" cellspacing=0 cellpadding=6 border=1><tr><td>" +
            (page.compiled ? FitPictures(page.body) : "<p class=problem>(not compiled)</p>") +
            "</td></tr><tr><td class=keys>" + ReviewKeysTable(page, blankNumber) +
            "</td></tr></table>";
  }
  // Pages are us-ascii with character references; keys and problems are UTF-8 as the sources are.
  document.setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));

  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("Review of paper %1").arg(QString::fromStdString(paper.key)));
    writer.setCreator(QStringLiteral("quillory-pack"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    document.print(&writer);
  }
  if (buffer.data().isEmpty()) return Error{0, "The PDF review sheet could not be drawn."};
  return buffer.data().toStdString();
}

}  // namespace quillory::pack
