#pragma once

#include <filesystem>
#include <string>

#include "paper_source.h"
#include "quillory/content/result.h"

namespace quillory::pack {

// Where a page sits, for the heading at the top of every page.
struct PageContext {
  std::string subjectName;
  std::string topicName;
  int paperInTopic = 0;
  std::filesystem::path subjectFolder;  // figures are looked up below it
  std::string styleSheet;
};

// Compiles a page into a web archive: a single quoted-printable HTML part when it has no
// pictures, otherwise a multipart/related archive of the HTML, one base64 part per picture and a
// file list. Pictures are found relative to the subject folder; SVG figures are drawn to PNG.
Result<std::string> CompilePage(const PageSource& page, const PageContext& context);

// The page's HTML document as the archive carries it (ASCII only), with its pictures' sources
// left as the author wrote them.
std::string PageDocumentHtml(const PageSource& page, const PageContext& context);

// Replaces every character outside ASCII in UTF-8 text by an HTML character reference.
std::string AsciiHtml(std::string_view utf8);

}  // namespace quillory::pack
