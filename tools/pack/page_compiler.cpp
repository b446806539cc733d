#include "page_compiler.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "quillory/content/file_io.h"
#include "quillory/content/mhtml.h"

namespace quillory::pack {
namespace {

// A stable hash so that the same page always compiles to the same bytes.
std::uint32_t Fnv1a(std::string_view text) {
  std::uint32_t hash = 2166136261u;
  for (char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

std::string Hex8(std::uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", value);
  return text;
}

struct Picture {
  std::string partName;  // "image001.png"
  std::string mediaType;
  std::string bytes;
};

Result<std::string> RenderSvg(const std::filesystem::path& file, int width, int height) {
  QSvgRenderer renderer(QString::fromStdString(file.string()));
  if (!renderer.isValid()) return Error{0, file.string() + ": not a drawable SVG."};
  // Twice the shown size, so that figures stay sharp on high-density screens and in print.
  QImage image(width * 2, height * 2, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG", 9);
  return png.toStdString();
}

Result<Picture> LoadPicture(const std::filesystem::path& file, int width, int height,
                            std::size_t number) {
  char name[16];
  std::snprintf(name, sizeof name, "image%03zu", number);
  const std::string extension = file.extension().string();
  if (extension == ".svg") {
    if (width <= 0 || height <= 0) return Error{0, file.string() + ": an SVG figure needs a size."};
    auto png = RenderSvg(file, width, height);
    if (!png) return png.error();
    return Picture{std::string(name) + ".png", "image/png", std::move(png).value()};
  }
  static const std::map<std::string, std::string> kTypes{{".png", "image/png"},
                                                         {".gif", "image/gif"},
                                                         {".jpg", "image/jpeg"},
                                                         {".jpeg", "image/jpeg"}};
  const auto type = kTypes.find(extension);
  if (type == kTypes.end())
    return Error{0, file.string() + ": pictures must be SVG, PNG, GIF or JPEG."};
  auto bytes = ReadWholeFile(file);
  if (!bytes) return Error{0, file.string() + ": cannot be read."};
  return Picture{std::string(name) + extension, type->second, std::move(bytes).value()};
}

int Attribute(const std::string& tag, const char* name) {
  const std::regex pattern(std::string(name) + R"(\s*=\s*"?(\d+))", std::regex::icase);
  std::smatch match;
  return std::regex_search(tag, match, pattern) ? std::stoi(match[1]) : 0;
}

}  // namespace

std::string AsciiHtml(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    std::uint32_t code = c & (length == 4 ? 0x07u : length == 3 ? 0x0Fu : 0x1Fu);
    for (int k = 1; k < length && i + static_cast<std::size_t>(k) < utf8.size(); ++k) {
      code =
          (code << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3Fu);
    }
    out += "&#" + std::to_string(code) + ";";
    i += static_cast<std::size_t>(length);
  }
  return out;
}

std::string PageDocumentHtml(const PageSource& page, const PageContext& context) {
  std::ostringstream html;
  html << "<html>\n<head>\n"
       << "<meta http-equiv=Content-Type content=\"text/html; charset=us-ascii\">\n"
       << "<meta name=Generator content=\"quillory-pack\">\n"
       << "<title>Question " << page.id << "</title>\n"
       << "<style>\n"
       << context.styleSheet << "</style>\n"
       << "</head>\n<body lang=EN-GB>\n<div class=Section1>\n"
       << "<p class=paperhead>" << context.subjectName << " &middot; " << context.topicName
       << " &middot; Paper " << context.paperInTopic << "</p>\n"
       << page.html << "</div>\n</body>\n</html>\n";
  return AsciiHtml(html.str());
}

Result<std::string> CompilePage(const PageSource& page, const PageContext& context) {
  std::string html = PageDocumentHtml(page, context);
  const std::string folder = "file:///C:/" + Hex8(Fnv1a("quillory-page-" + page.id)) + "/";
  const std::string filesFolder = page.id + "_files";

  std::vector<Picture> pictures;
  std::map<std::string, std::string> partBySource;
  const std::regex imgTag(R"(<img\b[^>]*>)", std::regex::icase);
  const std::regex srcAttribute(R"re(src\s*=\s*"([^"]*)")re", std::regex::icase);
  std::string rewritten;
  auto begin = std::sregex_iterator(html.begin(), html.end(), imgTag);
  std::size_t copied = 0;
  for (auto it = begin; it != std::sregex_iterator(); ++it) {
    const std::string tag = it->str();
    std::smatch src;
    if (!std::regex_search(tag, src, srcAttribute)) continue;
    const std::string source = src[1];
    auto known = partBySource.find(source);
    if (known == partBySource.end()) {
      auto picture = LoadPicture(context.subjectFolder / source, Attribute(tag, "width"),
                                 Attribute(tag, "height"), pictures.size() + 1);
      if (!picture) return Error{0, "page " + page.id + ": " + picture.error().message};
      known = partBySource.emplace(source, filesFolder + "/" + picture->partName).first;
      pictures.push_back(std::move(picture).value());
    }
    rewritten += html.substr(copied, static_cast<std::size_t>(it->position()) - copied);
    rewritten += tag.substr(0, static_cast<std::size_t>(src.position(1))) + known->second +
                 tag.substr(static_cast<std::size_t>(src.position(1) + src.length(1)));
    copied = static_cast<std::size_t>(it->position() + it->length());
  }
  rewritten += html.substr(copied);

  const std::string htmlLocation = folder + page.id + ".htm";
  if (pictures.empty()) {
    return "MIME-Version: 1.0\r\nContent-Location: " + htmlLocation +
           "\r\nContent-Transfer-Encoding: quoted-printable\r\n"
           "Content-Type: text/html; charset=\"us-ascii\"\r\n\r\n" +
           EncodeQuotedPrintable(rewritten);
  }

  const std::string boundary =
      "----=_NextPart_01D0" + Hex8(Fnv1a("boundary-" + page.id)) + "." + Hex8(Fnv1a(page.id));
  std::string out = "MIME-Version: 1.0\r\nContent-Type: multipart/related; boundary=\"" + boundary +
                    "\"\r\n\r\nThis document is a Single File Web Page, also known as a Web "
                    "Archive file.\r\n\r\n";
  auto part = [&](const std::string& location, const std::string& encoding, const std::string& type,
                  const std::string& body) {
    out += "--" + boundary + "\r\nContent-Location: " + location +
           "\r\nContent-Transfer-Encoding: " + encoding + "\r\nContent-Type: " + type + "\r\n\r\n" +
           body + "\r\n";
  };
  part(htmlLocation, "quoted-printable", "text/html; charset=\"us-ascii\"",
       EncodeQuotedPrintable(rewritten));
  std::string fileList = "<xml>\r\n <MainFile HRef=\"../" + page.id + ".htm\"/>\r\n";
  for (const Picture& picture : pictures) {
    part(folder + filesFolder + "/" + picture.partName, "base64", picture.mediaType,
         EncodeBase64(picture.bytes));
    fileList += " <File HRef=\"" + picture.partName + "\"/>\r\n";
  }
  fileList += " <File HRef=\"filelist.xml\"/>\r\n</xml>";
  part(folder + filesFolder + "/filelist.xml", "quoted-printable", "text/xml; charset=\"utf-8\"",
       EncodeQuotedPrintable(fileList));
  out += "--" + boundary + "--\r\n";
  return out;
}

}  // namespace quillory::pack
