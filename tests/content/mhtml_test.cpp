#include "quillory/content/mhtml.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(QuotedPrintable, RoundTripsAndKeepsLinesShort) {
  const std::string html = "<p class=\"q\">a = b</p>\n" + std::string(200, 'x') + "  \nend \n";
  const std::string encoded = EncodeQuotedPrintable(html);
  for (std::string_view rest = encoded; !rest.empty();) {
    const std::size_t end = rest.find("\r\n");
    EXPECT_LE(end == rest.npos ? rest.size() : end, 76u);
    rest = end == rest.npos ? std::string_view() : rest.substr(end + 2);
  }
  std::string expected = html;
  for (std::size_t at = 0; (at = expected.find('\n', at)) != std::string::npos; at += 2) {
    expected.replace(at, 1, "\r\n");
  }
  EXPECT_EQ(DecodeQuotedPrintable(encoded), expected);
}

TEST(QuotedPrintable, DecodesSoftBreaksEscapesAndStrayEquals) {
  EXPECT_EQ(DecodeQuotedPrintable("ab=\r\ncd=3D=20x=\nz"), "abcd= xz");
  EXPECT_EQ(DecodeQuotedPrintable("a=ZZ b="), "a=ZZ b=");
}

TEST(Base64, RoundTripsEveryLength) {
  for (std::size_t n = 0; n < 70; ++n) {
    std::string bytes;
    for (std::size_t i = 0; i < n; ++i) bytes += static_cast<char>(i * 37 + 11);
    EXPECT_EQ(DecodeBase64(EncodeBase64(bytes)), bytes) << n;
  }
}

const char* kArchive =
    "MIME-Version: 1.0\r\n"
    "Content-Type: multipart/related;\r\n"
    "\tboundary=\"----=_NextPart_01D0ABCD.12345678\"\r\n"
    "\r\n"
    "This document is a Single File Web Page.\r\n"
    "\r\n"
    "------=_NextPart_01D0ABCD.12345678\r\n"
    "Content-Location: file:///C:/0A1B2C3D/18064.htm\r\n"
    "Content-Transfer-Encoding: quoted-printable\r\n"
    "Content-Type: text/html; charset=\"us-ascii\"\r\n"
    "\r\n"
    "<img src=3D\"18064_files/image001.png\">=\r\n"
    "<p>end</p>\r\n"
    "------=_NextPart_01D0ABCD.12345678\r\n"
    "Content-Location: file:///C:/0A1B2C3D/18064_files/image001.png\r\n"
    "Content-Transfer-Encoding: base64\r\n"
    "Content-Type: image/png\r\n"
    "\r\n"
    "iVBORw0K\r\n"
    "------=_NextPart_01D0ABCD.12345678--\r\n";

TEST(DecodeMhtml, SplitsAMultipartArchive) {
  const MhtmlDocument document = DecodeMhtml(kArchive);
  ASSERT_EQ(document.parts.size(), 2u);
  ASSERT_NE(document.rootPart(), nullptr);
  EXPECT_EQ(document.rootPart()->contentType, "text/html");
  EXPECT_EQ(document.rootPart()->charset, "us-ascii");
  EXPECT_EQ(document.rootPart()->body, "<img src=\"18064_files/image001.png\"><p>end</p>");
  EXPECT_EQ(document.parts[1].location, "file:///C:/0A1B2C3D/18064_files/image001.png");
  EXPECT_EQ(document.parts[1].body, "\x89PNG\r\n");
}

TEST(DecodeMhtml, ASinglePartPageIsItsOwnRoot) {
  const MhtmlDocument document = DecodeMhtml(
      "MIME-Version: 1.0\r\nContent-Location: file:///C:/0A1B2C3D/12001.htm\r\n"
      "Content-Transfer-Encoding: quoted-printable\r\nContent-Type: text/html; "
      "charset=\"us-ascii\"\r\n"
      "\r\n<p class=3Dq>Hello</p>\r\n");
  ASSERT_EQ(document.parts.size(), 1u);
  EXPECT_EQ(document.rootPart()->body, "<p class=q>Hello</p>\r\n");
  EXPECT_EQ(document.rootPart()->location, "file:///C:/0A1B2C3D/12001.htm");
}

TEST(DecodeMhtml, ACutOffArchiveYieldsWhatItHas) {
  const std::string archive = kArchive;
  for (std::size_t cut = 0; cut <= archive.size(); ++cut) {
    const MhtmlDocument document = DecodeMhtml(archive.substr(0, cut));
    EXPECT_LE(document.parts.size(), 2u);
  }
  const MhtmlDocument half = DecodeMhtml(archive.substr(0, archive.find("iVBOR") + 3));
  ASSERT_EQ(half.parts.size(), 2u);
  EXPECT_EQ(half.rootPart()->contentType, "text/html");
}

}  // namespace
}  // namespace quillory
