#include "review_sheet.h"

#include <sstream>

#include "package_builder.h"
#include "quillory/content/mhtml.h"

namespace quillory::pack {
namespace {

// A key as the sheet shows it: a key of spaces only (a group's later blank) as open boxes, so
// that it can be seen.
std::string ShownKey(std::string_view key) {
  if (!key.empty() && key.find_first_not_of(' ') == std::string_view::npos) {
    std::string boxes;
    for (std::size_t i = 0; i < key.size(); ++i) boxes += "&#9251;";
    return boxes;
  }
  return EscapeHtmlText(key);
}

// The body of the page's HTML, and its pictures under the addresses that body uses for them.
void ReadPage(const MhtmlDocument& document, ReviewPage& page) {
  const MhtmlPart* root = document.rootPart();
  if (root == nullptr) {
    page.body = "<p>(the page has no HTML)</p>";
    return;
  }
  const std::string& html = root->body;
  const std::size_t bodyStart = html.find("<body");
  const std::size_t open = bodyStart == std::string::npos ? 0 : html.find('>', bodyStart) + 1;
  const std::size_t close = html.rfind("</body>");
  page.body = html.substr(open, close == std::string::npos ? std::string::npos : close - open);
  for (const MhtmlPart& part : document.parts) {
    if (part.contentType.rfind("image/", 0) != 0) continue;
    const std::string name = part.location.substr(part.location.find_last_of('/') + 1);
    const std::string folder = part.location.substr(0, part.location.find_last_of('/'));
    page.pictures.push_back(
        {folder.substr(folder.find_last_of('/') + 1) + "/" + name, part.contentType, part.body});
  }
}

}  // namespace

std::string EscapeHtmlText(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '<')
      out += "&lt;";
    else if (c == '&')
      out += "&amp;";
    else
      out += c;
  }
  return out;
}

Result<ReviewPaper> LoadReviewPaper(const std::filesystem::path& assets, int subject,
                                    const std::string& paperKey) {
  ReviewPaper review;
  review.subject = subject;
  review.key = paperKey;
  std::filesystem::path source;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(assets / "subjects", ec)) {
    if (entry.path().filename().string().rfind(std::to_string(subject) + "-", 0) == 0) {
      source = entry.path() / (paperKey + ".paper");
    }
  }
  if (source.empty()) {
    return Error{0, "There is no folder for subject " + std::to_string(subject) + " in " +
                        assets.string() + "/subjects."};
  }
  auto paper = ReadPaperSource(source);
  if (!paper) return paper.error();
  const Members members = BuildMembers(assets, review.problems);
  for (const PageSource& pageSource : paper->pages) {
    ReviewPage page;
    page.id = pageSource.id;
    page.blanks = pageSource.blanks;
    const auto member = members.find(static_cast<std::uint16_t>(std::stoi(pageSource.id)));
    page.compiled = member != members.end();
    if (page.compiled) ReadPage(DecodeMhtml(member->second), page);
    review.pages.push_back(std::move(page));
  }
  return review;
}

std::string ReviewKeysTable(const ReviewPage& page, int& blankNumber) {
  std::string table =
      "<table width=\"100%\" border=1 cellspacing=0 cellpadding=3><tr><th width=\"12%\">Blank</th>"
      "<th width=\"12%\">Type</th><th width=\"12%\">Marks</th><th width=\"64%\">Key</th></tr>";
  for (const BlankSource& blank : page.blanks) {
    table += "<tr><td>" + std::to_string(++blankNumber) + "</td><td>" + EscapeHtmlText(blank.type) +
             "</td><td>" + EscapeHtmlText(blank.marks) + "</td><td><b>" + ShownKey(blank.key) +
             "</b><br>" +
             (blank.explanation.empty() ? std::string("<span class=problem>(no explanation)</span>")
                                        : "<i>" + EscapeHtmlText(blank.explanation) + "</i>") +
             "</td></tr>";
  }
  return table + "</table>";
}

std::string ReviewSheetHtml(const ReviewPaper& paper) {
  std::ostringstream out;
  out << "<!DOCTYPE html>\n<html><head><meta charset=utf-8><title>Review of paper " << paper.key
      << "</title><style>body{font-family:sans-serif;margin:2em;background:#eee}"
         "section{display:flex;gap:1.5em;margin-bottom:1.5em;page-break-inside:avoid}"
         ".page{background:white;padding:1em;flex:1;box-shadow:0 1px 3px #999}"
         ".page img{max-width:100%;height:auto}"
         ".keys{flex:0 0 22em}table{border-collapse:collapse}"
         "td,th{border:1px solid #999;padding:.2em .5em;text-align:left}"
         ".problem{color:#b00}</style></head><body>\n"
      << "<h1>Subject " << paper.subject << ", paper " << paper.key << "</h1>\n";
  for (const std::string& problem : paper.problems) {
    out << "<p class=problem>" << EscapeHtmlText(problem) << "</p>\n";
  }
  int blankNumber = 0;
  for (const ReviewPage& page : paper.pages) {
    std::string body = page.body;
    for (const ReviewPicture& picture : page.pictures) {
      std::string data = "data:" + picture.contentType + ";base64,";
      for (char c : EncodeBase64(picture.bytes)) {
        if (c != '\r' && c != '\n') data += c;
      }
      for (std::size_t at = body.find(picture.address); at != std::string::npos;
           at = body.find(picture.address)) {
        body.replace(at, picture.address.size(), data);
      }
    }
    out << "<section><div class=page><h2>Question page " << page.id << "</h2>"
        << (page.compiled ? body : "<p class=problem>(not compiled)</p>")
        << "</div><div class=keys>" << ReviewKeysTable(page, blankNumber) << "</div></section>\n";
  }
  out << "</body></html>\n";
  return out.str();
}

}  // namespace quillory::pack
