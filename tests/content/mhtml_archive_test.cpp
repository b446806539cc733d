#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "quillory/content/mhtml.h"

// Archives as the word processor and a browser's "save as web archive" write them, and archives
// damaged on the way.
namespace quillory {
namespace {

const std::string kPng = std::string("\x89PNG\r\n\x1a\n", 8) + std::string("\0\0\0\rIHDR", 8);

std::string Part(const std::string& headers, const std::string& body) {
  return headers + "\r\n" + body + "\r\n";
}

// A page saved by the word processor: HTML, its pictures in "<id>_files", the word processor's
// own parts that no browser shows, and the file list last.
std::string WordArchive() {
  const std::string b = "----=_NextPart_01D7C2A1.5F3E2B90";
  const std::string folder = "file:///C:/5E2A7B10/18015";
  return "MIME-Version: 1.0\r\n"
         "Content-Type: multipart/related; boundary=\"" +
         b +
         "\"\r\n\r\nThis document is a Single File Web Page, also known as a Web Archive file.\r\n"
         "\r\n--" +
         b + "\r\n" +
         Part("Content-Location: " + folder +
                  ".htm\r\nContent-Transfer-Encoding: quoted-printable\r\n"
                  "Content-Type: text/html; charset=\"windows-1252\"\r\n",
              "<html xmlns:v=3D\"urn:schemas-microsoft-com:vml\">\r\n"
              "<link rel=3DFile-List href=3D\"18015_files/filelist.xml\">\r\n"
              "<p class=3DMsoNormal>Look at the beaker=\r\n below.</p>\r\n"
              "<![if !vml]><img width=3D120 height=3D80 src=3D\"18015_files/image002.png\"=\r\n"
              " v:shapes=3D\"_x0000_i1025\"><![endif]>\r\n"
              "<p>Caf=E9 &amp; =3D sign</p>\r\n</html>\r\n") +
         "--" + b + "\r\n" +
         Part("Content-Location: " + folder +
                  "_files/image001.wmz\r\nContent-Transfer-Encoding: base64\r\n"
                  "Content-Type: image/x-wmz\r\n",
              "H4sIAAAAAAAA") +
         "--" + b + "\r\n" +
         Part("Content-Location: " + folder +
                  "_files/image002.png\r\nContent-Transfer-Encoding: base64\r\n"
                  "Content-Type: image/png\r\n",
              "iVBORw0KGgoAAAAN\r\nSUhEUg==") +
         "--" + b + "\r\n" +
         Part("Content-Location: " + folder +
                  "_files/oledata.mso\r\nContent-Transfer-Encoding: base64\r\n"
                  "Content-Type: application/x-mso\r\n",
              "0M8R4KGxGuEAAAAA") +
         "--" + b + "\r\n" +
         Part("Content-Location: " + folder +
                  "_files/filelist.xml\r\nContent-Transfer-Encoding: quoted-printable\r\n"
                  "Content-Type: text/xml; charset=\"utf-8\"\r\n",
              "<xml xmlns:o=3D\"urn:schemas-microsoft-com:office:office\">\r\n"
              " <o:MainFile HRef=3D\"../18015.htm\"/>\r\n</xml>") +
         "--" + b + "--\r\n";
}

// A page saved by a Chromium browser: the first part is the page, a frame is named by cid: and
// its Content-ID, a style sheet by a cid: Content-Location, and pictures by their web address.
std::string BrowserArchive() {
  const std::string b = "----MultipartBoundary--Z8tq3Xb0vKcW1aTgPqLm4sRnYe7uJhDf9oIiN2----";
  return "From: <Saved by Blink>\r\n"
         "Snapshot-Content-Location: https://learn.example.org/papers/fractions.html\r\n"
         "Subject: =?utf-8?Q?Fractions=20=E2=80=93=20practice?=\r\n"
         "Date: Tue, 14 May 2024 09:12:44 -0000\r\n"
         "MIME-Version: 1.0\r\n"
         "Content-Type: multipart/related;\r\n"
         "\ttype=\"text/html\";\r\n"
         "\tboundary=\"" +
         b + "\"\r\n\r\n\r\n--" + b + "\r\n" +
         Part(
             "Content-Type: text/html\r\n"
             "Content-ID: <frame-5F1D7E0A9C3B2D4E6F8A0B1C2D3E4F50@mhtml.blink>\r\n"
             "Content-Transfer-Encoding: quoted-printable\r\n"
             "Content-Location: https://learn.example.org/papers/fractions.html\r\n",
             "<!DOCTYPE html><html><head><meta http-equiv=3D\"Content-Type\" "
             "content=3D\"text/h=\r\n"
             "tml; charset=3DUTF-8\"><link rel=3D\"stylesheet\" type=3D\"text/css\" href=3D\"=\r\n"
             "cid:css-0a1b2c3d-4e5f-6789-abcd-ef0123456789@mhtml.blink\" /></head><body>=\r\n"
             "<p>Half of =C2=BD is =C2=BC.</p><img src=3D\"https://learn.example.org/img/pi=\r\n"
             "e.png\"><iframe src=3D\"cid:frame-0B1C2D3E4F5061728394A5B6C7D8E9F0@mhtml.b=\r\n"
             "link\"></iframe></body></html>") +
         "--" + b + "\r\n" +
         Part(
             "Content-Type: text/css\r\n"
             "Content-Transfer-Encoding: quoted-printable\r\n"
             "Content-Location: cid:css-0a1b2c3d-4e5f-6789-abcd-ef0123456789@mhtml.blink\r\n",
             "@charset \"utf-8\";\r\n\r\np { color: rgb(26, 26, 26); }") +
         "--" + b + "\r\n" +
         Part(
             "Content-Type: image/png\r\n"
             "Content-Transfer-Encoding: base64\r\n"
             "Content-Location: https://learn.example.org/img/pie.png\r\n",
             "iVBORw0KGgoAAAANSUhEUg==") +
         "--" + b + "\r\n" +
         Part(
             "Content-Type: text/html\r\n"
             "Content-ID: <frame-0B1C2D3E4F5061728394A5B6C7D8E9F0@mhtml.blink>\r\n"
             "Content-Transfer-Encoding: quoted-printable\r\n",
             "<html><body>inner</body></html>") +
         "--" + b + "--\r\n";
}

TEST(WordArchive, KeepsEveryPartAndFindsThePictures) {
  const MhtmlDocument page = DecodeMhtml(WordArchive());
  ASSERT_EQ(page.parts.size(), 5u);
  ASSERT_EQ(page.rootPart(), &page.parts[0]);
  EXPECT_EQ(page.rootPart()->charset, "windows-1252");
  const std::string& html = page.rootPart()->body;
  EXPECT_NE(html.find("beaker below."), std::string::npos);
  EXPECT_NE(html.find("src=\"18015_files/image002.png\" v:shapes"), std::string::npos);
  EXPECT_NE(html.find("Caf\xE9 &amp; = sign"), std::string::npos);

  const std::vector<std::string> types = {"text/html", "image/x-wmz", "image/png",
                                          "application/x-mso", "text/xml"};
  for (std::size_t i = 0; i < types.size(); ++i) EXPECT_EQ(page.parts[i].contentType, types[i]);

  const MhtmlPart* png = FindPart(page, "file:///C:/5E2A7B10/18015_files/image002.png");
  ASSERT_NE(png, nullptr);
  EXPECT_EQ(png->body, kPng);
  EXPECT_EQ(FindPart(page, "file:///C:/5E2A7B10/18015_files/image003.png"), nullptr);
  EXPECT_EQ(FindPart(page, ""), nullptr);
}

TEST(BrowserArchive, FindsPartsByAddressByContentIdAndByCidLocation) {
  const MhtmlDocument page = DecodeMhtml(BrowserArchive());
  ASSERT_EQ(page.parts.size(), 4u);
  ASSERT_EQ(page.rootPart(), &page.parts[0]);
  EXPECT_EQ(page.rootPart()->contentId, "frame-5F1D7E0A9C3B2D4E6F8A0B1C2D3E4F50@mhtml.blink");
  const std::string& html = page.rootPart()->body;
  EXPECT_NE(html.find("content=\"text/html; charset=UTF-8\""), std::string::npos);
  EXPECT_NE(html.find("Half of \xC2\xBD is \xC2\xBC."), std::string::npos);
  EXPECT_NE(html.find("src=\"https://learn.example.org/img/pie.png\""), std::string::npos);
  EXPECT_NE(html.find("src=\"cid:frame-0B1C2D3E4F5061728394A5B6C7D8E9F0@mhtml.blink\""),
            std::string::npos);

  struct Reference {
    const char* address;
    std::size_t part;
  };
  for (const Reference& reference : std::vector<Reference>{
           {"https://learn.example.org/papers/fractions.html", 0},
           {"cid:css-0a1b2c3d-4e5f-6789-abcd-ef0123456789@mhtml.blink", 1},
           {"https://learn.example.org/img/pie.png", 2},
           {"cid:frame-0B1C2D3E4F5061728394A5B6C7D8E9F0@mhtml.blink", 3},
           {"CID:frame-0B1C2D3E4F5061728394A5B6C7D8E9F0%40mhtml.blink", 3},
           {"cid:frame-5F1D7E0A9C3B2D4E6F8A0B1C2D3E4F50@mhtml.blink", 0},
       }) {
    EXPECT_EQ(FindPart(page, reference.address), &page.parts[reference.part]) << reference.address;
  }
  for (const char* missing : {"cid:", "cid:frame-unknown@mhtml.blink", "cid:%4", "pie.png",
                              "https://learn.example.org/img/PIE.png"}) {
    EXPECT_EQ(FindPart(page, missing), nullptr) << missing;
  }
  EXPECT_EQ(page.parts[1].body, "@charset \"utf-8\";\r\n\r\np { color: rgb(26, 26, 26); }");
  EXPECT_EQ(page.parts[2].body, kPng);
}

TEST(DecodeMhtml, TheStartParameterChoosesTheRootAndFallsBackToTheFirstPage) {
  const std::string parts =
      "\r\n--b\r\nContent-Type: text/plain\r\n\r\nnotes\r\n"
      "--b\r\nContent-Type: text/html\r\nContent-ID: <one@x>\r\n\r\nfirst\r\n"
      "--b\r\nContent-Type: text/html\r\nContent-ID: <two@x>\r\n\r\nsecond\r\n--b--\r\n";
  auto rootBody = [&](const std::string& parameters) {
    const MhtmlDocument page =
        DecodeMhtml("Content-Type: multipart/related; " + parameters + "\r\n" + parts);
    return page.rootPart() ? page.rootPart()->body : "(none)";
  };
  EXPECT_EQ(rootBody("boundary=b"), "first");
  EXPECT_EQ(rootBody("boundary=b; start=\"<two@x>\""), "second");
  EXPECT_EQ(rootBody("start=<missing@x>; boundary=b"), "first");
  EXPECT_EQ(rootBody("charset; type=\"text/html\"; boundary=\"b\""), "first");
  EXPECT_EQ(rootBody("Boundary = \"b\" ; type=text/html"), "first");
}

TEST(QuotedPrintable, DropsPaddingAtLineEndsAndKeepsItInside) {
  EXPECT_EQ(DecodeQuotedPrintable("soft =  \r\nbreak"), "soft break");
  EXPECT_EQ(DecodeQuotedPrintable("two  words\t \r\nnext   \r\n"), "two  words\r\nnext\r\n");
  EXPECT_EQ(DecodeQuotedPrintable("keep=20\r\n"), "keep \r\n");
}

// What a damaged archive must still give: how many parts, and the start of the root's text.
struct Damage {
  const char* name;
  std::string bytes;
  std::size_t parts;
  std::optional<std::string> rootStart;  // none: no root
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

class DamagedArchive : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedArchive, YieldsWhatItHas) {
  const MhtmlDocument page = DecodeMhtml(GetParam().bytes);
  EXPECT_EQ(page.parts.size(), GetParam().parts);
  const std::optional<std::string>& start = GetParam().rootStart;
  if (!start) {
    EXPECT_EQ(page.rootPart(), nullptr);
  } else {
    ASSERT_NE(page.rootPart(), nullptr);
    EXPECT_EQ(page.rootPart()->body.substr(0, start->size()), *start);
  }
}

std::string Without(std::string text, const std::string& piece) {
  const std::size_t at = text.find(piece);
  return at == std::string::npos ? text : text.erase(at, piece.size());
}

INSTANTIATE_TEST_SUITE_P(
    Archives, DamagedArchive,
    ::testing::Values(
        Damage{"NoClosingDelimiter", Without(WordArchive(), "--\r\n"), 5, "<html"},
        Damage{"BoundaryNeverUsed",
               "Content-Type: multipart/related; boundary=\"zz\"\r\n\r\n<p>lost</p>", 0,
               std::nullopt},
        Damage{"CutInsideTheFirstHeaders", WordArchive().substr(0, WordArchive().find("quoted")), 1,
               std::nullopt},
        Damage{"CutInsideAPicture", WordArchive().substr(0, WordArchive().find("iVBORw0KGgo") + 6),
               3, "<html"},
        Damage{"LineFeedsOnly",
               "Content-Type: multipart/related; boundary=q\n\n--q\nContent-Type: text/html\n\n"
               "<p>lf</p>\n--q\nContent-Type: image/png\n\nabc\n--q--\n",
               2, "<p>lf</p>"},
        Damage{"HeadersWithoutColonsOrEnd",
               "Content-Type: multipart/related; boundary=q\r\n\r\n--q\r\nnonsense line\r\n"
               "Content-Type: text/html\r\n\r\nbody\r\n--q\r\nContent-Type: image/gif",
               2, "body"},
        Damage{"BoundaryTextInsideALine",
               "Content-Type: multipart/related; boundary=q\r\n\r\n--q\r\n"
               "Content-Type: text/html\r\n\r\na --q b\r\nx--q\r\n--qq\r\n--q--",
               1, "a --q b\r\nx--q\r\n--qq"},
        Damage{"NulAndHighBytes",
               "Content-Type: text/html\r\n\r\n<p>" + std::string(1, '\0') + "\xff</p>", 1,
               "<p>" + std::string(1, '\0') + "\xff</p>"},
        Damage{"NothingButHeaders", "Content-Type: text/html; charset=\"us-ascii", 1, ""},
        Damage{"Empty", "", 1, ""}),
    [](const ::testing::TestParamInfo<Damage>& archive) {
      return std::string(archive.param.name);
    });

TEST(DecodeMhtml, EveryCutOfBothShapesKeepsItsPartsInOrder) {
  for (const std::string& archive : {WordArchive(), BrowserArchive()}) {
    const MhtmlDocument whole = DecodeMhtml(archive);
    for (std::size_t cut = 0; cut <= archive.size(); ++cut) {
      const MhtmlDocument part = DecodeMhtml(std::string_view(archive).substr(0, cut));
      ASSERT_LE(part.parts.size(), whole.parts.size()) << cut;
      for (std::size_t i = 0; i + 1 < part.parts.size(); ++i) {
        EXPECT_EQ(part.parts[i].location, whole.parts[i].location) << cut;
        EXPECT_EQ(part.parts[i].body, whole.parts[i].body) << cut;
      }
    }
  }
}

// A mail program or an older word processor keeps the page as the HTML choice of a
// multipart/alternative inside the archive, beside a plain-text copy.
struct Nested {
  const char* name;
  std::string bytes;
  std::string rootBody;
  bool pictureFound;
};

void PrintTo(const Nested& nested, std::ostream* out) { *out << nested.name; }

class NestedArchive : public ::testing::TestWithParam<Nested> {};

TEST_P(NestedArchive, ShowsTheHtmlInside) {
  const MhtmlDocument page = DecodeMhtml(GetParam().bytes);
  ASSERT_NE(page.rootPart(), nullptr);
  EXPECT_EQ(page.rootPart()->contentType, "text/html");
  EXPECT_EQ(page.rootPart()->body, GetParam().rootBody);
  const MhtmlPart* picture = FindPart(page, "file:///C:/q/p_files/image001.png");
  EXPECT_EQ(picture != nullptr, GetParam().pictureFound);
  if (picture != nullptr) {
    EXPECT_EQ(picture->body, kPng);
  }
}

std::string Alternative(const std::string& boundary, const std::string& firstType,
                        const std::string& firstBody, const std::string& secondType,
                        const std::string& secondBody, const std::string& extraHeaders = "") {
  return "Content-Type: multipart/alternative; boundary=\"" + boundary + "\"\r\n" + extraHeaders +
         "\r\n--" + boundary + "\r\n" +
         Part("Content-Type: " + firstType + "\r\nContent-Location: file:///C:/q/p.htm\r\n",
              firstBody) +
         "--" + boundary + "\r\n" + Part("Content-Type: " + secondType + "\r\n", secondBody) +
         "--" + boundary + "--\r\n";
}

std::string Related(const std::string& first, const std::string& parameters = "") {
  return "MIME-Version: 1.0\r\nContent-Type: multipart/related; boundary=\"rel\"" + parameters +
         "\r\n\r\n--rel\r\n" + first + "\r\n--rel\r\n" +
         Part(
             "Content-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n"
             "Content-Location: file:///C:/q/p_files/image001.png\r\n",
             "iVBORw0KGgoAAAANSUhEUg==") +
         "--rel--\r\n";
}

std::string Deep(int levels) {
  std::string inner = "Content-Type: text/html\r\n\r\n<p>deep</p>";
  for (int i = 0; i < levels; ++i) {
    const std::string b = "b" + std::to_string(i);
    inner = "Content-Type: multipart/alternative; boundary=\"" + b + "\"\r\n\r\n--" + b + "\r\n" +
            inner + "\r\n--" + b + "--\r\n";
  }
  return "MIME-Version: 1.0\r\n" + inner;
}

INSTANTIATE_TEST_SUITE_P(
    Archives, NestedArchive,
    ::testing::Values(
        Nested{"TextThenHtml",
               Related(Alternative("alt", "text/plain", "plain copy", "text/html", "<p>page</p>")),
               "<p>page</p>", true},
        Nested{"HtmlThenText",
               Related(Alternative("alt", "text/html", "<p>page</p>", "text/plain", "plain copy")),
               "<p>page</p>", true},
        Nested{"StartNamesTheAlternative",
               Related(Alternative("alt", "text/plain", "plain", "text/html", "<p>named</p>",
                                   "Content-ID: <alt@x>\r\n"),
                       "; start=\"<alt@x>\""),
               "<p>named</p>", true},
        Nested{"AlternativeAroundTheArchive",
               "Content-Type: multipart/alternative; boundary=\"out\"\r\n\r\n--out\r\n"
               "Content-Type: text/plain\r\n\r\nplain\r\n--out\r\n" +
                   Related("Content-Type: text/html\r\n\r\n<p>outer</p>")
                       .substr(std::string("MIME-Version: 1.0\r\n").size()) +
                   "\r\n--out--\r\n",
               "<p>outer</p>", true},
        Nested{"NestedTenDeep", Deep(10), "<p>deep</p>", false}),
    [](const ::testing::TestParamInfo<Nested>& archive) {
      return std::string(archive.param.name);
    });

// Nesting without end is cut off, not followed until the stack runs out.
TEST(DecodeMhtml, NestingWithoutEndStopsSafely) {
  const MhtmlDocument page = DecodeMhtml(Deep(2000));
  EXPECT_LE(page.parts.size(), 1u);
}

}  // namespace
}  // namespace quillory
