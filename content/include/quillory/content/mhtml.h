#pragma once

#include <string>
#include <string_view>
#include <vector>

// Web archives of question pages: one HTML part, or a multipart/related document of the HTML and
// its pictures. Multiparts inside are read as well, and of a multipart/alternative only its HTML
// choice is kept. The decoder never fails: a damaged or cut-off archive yields the parts it has.
namespace quillory {

struct MhtmlPart {
  std::string contentType;  // lower case, without parameters: "text/html", "image/png"
  std::string charset;
  std::string location;   // Content-Location as written
  std::string contentId;  // Content-ID without its angle brackets
  std::string body;       // decoded bytes
};

struct MhtmlDocument {
  std::vector<MhtmlPart> parts;
  // Index of the root part (the page's HTML), or parts.size() when there is none.
  std::size_t root = 0;

  const MhtmlPart* rootPart() const { return root < parts.size() ? &parts[root] : nullptr; }
};

MhtmlDocument DecodeMhtml(std::string_view bytes);

// The part a page names by `reference`: "cid:" and a Content-ID (percent escapes decoded, as
// browsers write them), or a part's Content-Location as written. Null when there is none.
const MhtmlPart* FindPart(const MhtmlDocument& document, std::string_view reference);

std::string DecodeQuotedPrintable(std::string_view text);
std::string DecodeBase64(std::string_view text);

// Quoted-printable with CR LF line ends and soft breaks keeping lines within 76 characters.
std::string EncodeQuotedPrintable(std::string_view bytes);
// Base64 in lines of 76 characters, each ended by CR LF.
std::string EncodeBase64(std::string_view bytes);

}  // namespace quillory
