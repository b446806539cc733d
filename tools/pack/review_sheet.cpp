#include "review_sheet.h"

#include <map>
#include <sstream>

#include "package_builder.h"
#include "quillory/content/mhtml.h"

namespace quillory::pack {
namespace {

std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '<')
      out += "&lt;";
    else if (c == '&')
      out += "&amp;";
    else if (c == ' ')
      out += "&#9251;";  // an open box, so a key of one space can be seen
    else
      out += c;
  }
  return out;
}

// The body of a page's HTML with its pictures inlined as data URIs.
std::string InlineBody(const MhtmlDocument& document) {
  const MhtmlPart* root = document.rootPart();
  if (root == nullptr) return "<p>(the page has no HTML)</p>";
  std::string html = root->body;
  for (const MhtmlPart& part : document.parts) {
    if (part.contentType.rfind("image/", 0) != 0) continue;
    const std::string name = part.location.substr(part.location.find_last_of('/') + 1);
    const std::string folder = part.location.substr(0, part.location.find_last_of('/'));
    const std::string relative = folder.substr(folder.find_last_of('/') + 1) + "/" + name;
    std::string data = "data:" + part.contentType + ";base64,";
    for (char c : EncodeBase64(part.body)) {
      if (c != '\r' && c != '\n') data += c;
    }
    for (std::size_t at = html.find(relative); at != std::string::npos; at = html.find(relative)) {
      html.replace(at, relative.size(), data);
    }
  }
  const std::size_t bodyStart = html.find("<body");
  const std::size_t open = bodyStart == std::string::npos ? 0 : html.find('>', bodyStart) + 1;
  const std::size_t close = html.rfind("</body>");
  return html.substr(open, close == std::string::npos ? std::string::npos : close - open);
}

}  // namespace

Result<std::string> ReviewSheet(const std::filesystem::path& assets, int subject,
                                const std::string& paperKey) {
  std::vector<std::string> problems;
  const Members members = BuildMembers(assets, problems);
  std::vector<PaperSource> papers;
  std::filesystem::path source;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(assets / "subjects", ec)) {
    if (entry.path().filename().string().rfind(std::to_string(subject) + "-", 0) == 0) {
      source = entry.path() / (paperKey + ".paper");
    }
  }
  auto paper = ReadPaperSource(source);
  if (!paper) return paper.error();

  std::ostringstream out;
  out << "<!DOCTYPE html>\n<html><head><meta charset=utf-8><title>Review of paper " << paperKey
      << "</title><style>body{font-family:sans-serif;margin:2em;background:#eee}"
         "section{display:flex;gap:1.5em;margin-bottom:1.5em;page-break-inside:avoid}"
         ".page{background:white;padding:1em;flex:1;box-shadow:0 1px 3px #999}"
         ".keys{flex:0 0 18em}table{border-collapse:collapse}"
         "td,th{border:1px solid #999;padding:.2em .5em;text-align:left}"
         ".problem{color:#b00}</style></head><body>\n"
      << "<h1>Subject " << subject << ", paper " << paperKey << "</h1>\n";
  for (const std::string& problem : problems) {
    out << "<p class=problem>" << Escape(problem) << "</p>\n";
  }
  int blankNumber = 0;
  for (const PageSource& page : paper->pages) {
    const auto member = members.find(static_cast<std::uint16_t>(std::stoi(page.id)));
    out << "<section><div class=page><h2>Question page " << page.id << "</h2>"
        << (member == members.end() ? "<p class=problem>(not compiled)</p>"
                                    : InlineBody(DecodeMhtml(member->second)))
        << "</div><div class=keys><table><tr><th>Blank</th><th>Type</th><th>Marks</th>"
           "<th>Key</th></tr>";
    for (const BlankSource& blank : page.blanks) {
      out << "<tr><td>" << ++blankNumber << "</td><td>" << Escape(blank.type) << "</td><td>"
          << Escape(blank.marks) << "</td><td><b>" << Escape(blank.key) << "</b></td></tr>";
    }
    out << "</table></div></section>\n";
  }
  out << "</body></html>\n";
  return out.str();
}

}  // namespace quillory::pack
