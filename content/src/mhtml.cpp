#include "quillory/content/mhtml.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace quillory {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The next line of `text` from `at` (without its CR LF or LF); advances `at` past it.
std::string_view NextLine(std::string_view text, std::size_t& at) {
  const std::size_t end = text.find('\n', at);
  std::string_view line = text.substr(at, end == std::string_view::npos ? text.npos : end - at);
  at = end == std::string_view::npos ? text.size() : end + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

using Headers = std::map<std::string, std::string>;

// Reads header lines up to the empty line, unfolding continued lines; `at` ends on the body.
Headers ReadHeaders(std::string_view text, std::size_t& at) {
  Headers headers;
  std::string lastName;
  while (at < text.size()) {
    const std::string_view line = NextLine(text, at);
    if (line.empty()) break;
    if ((line[0] == ' ' || line[0] == '\t') && !lastName.empty()) {
      headers[lastName] += " " + std::string(Trim(line));
      continue;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    lastName = Lower(Trim(line.substr(0, colon)));
    headers[lastName] = std::string(Trim(line.substr(colon + 1)));
  }
  return headers;
}

// A parameter of a header value such as `multipart/related; boundary="----=_NextPart_01"`.
std::string Parameter(std::string_view value, std::string_view name) {
  std::size_t at = value.find(';');
  while (at != std::string_view::npos) {
    const std::string_view rest = value.substr(at + 1);
    const std::size_t equals = rest.find_first_of("=;");
    if (equals == std::string_view::npos) return {};
    if (rest[equals] == ';') {  // a parameter without a value: skip it
      at += 1 + equals;
      continue;
    }
    const std::string key = Lower(Trim(rest.substr(0, equals)));
    std::size_t cursor = rest.find_first_not_of(" \t", equals + 1);
    std::string parsed;
    if (cursor != std::string_view::npos && rest[cursor] == '"') {
      for (++cursor; cursor < rest.size() && rest[cursor] != '"'; ++cursor) {
        if (rest[cursor] == '\\' && cursor + 1 < rest.size()) ++cursor;
        parsed += rest[cursor];
      }
    } else if (cursor != std::string_view::npos) {
      const std::size_t end = rest.find(';', cursor);
      parsed = std::string(Trim(rest.substr(cursor, end == rest.npos ? rest.npos : end - cursor)));
      cursor = end == rest.npos ? rest.size() : end;
    }
    if (key == name) return parsed;
    const std::size_t next = cursor == std::string_view::npos ? cursor : rest.find(';', cursor);
    at = next == std::string_view::npos ? next : at + 1 + next;
  }
  return {};
}

std::string MediaType(std::string_view value) {
  return Lower(Trim(value.substr(0, value.find(';'))));
}

MhtmlPart MakePart(const Headers& headers, std::string_view body) {
  auto header = [&](const char* name) {
    const auto it = headers.find(name);
    return it == headers.end() ? std::string() : it->second;
  };
  MhtmlPart part;
  const std::string type = header("content-type");
  part.contentType = type.empty() ? "text/plain" : MediaType(type);
  part.charset = Lower(Parameter(type, "charset"));
  part.location = header("content-location");
  std::string id = header("content-id");
  if (id.size() >= 2 && id.front() == '<' && id.back() == '>') id = id.substr(1, id.size() - 2);
  part.contentId = id;
  const std::string encoding = Lower(header("content-transfer-encoding"));
  if (encoding == "quoted-printable") {
    part.body = DecodeQuotedPrintable(body);
  } else if (encoding == "base64") {
    part.body = DecodeBase64(body);
  } else {
    part.body = std::string(body);
  }
  return part;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

constexpr std::string_view kBase64Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// One entity inside a multipart body: its headers and its body.
struct Entity {
  Headers headers;
  std::string_view body;
};

// The entities of a multipart body delimited by `boundary`, as far as the body holds them.
std::vector<Entity> SplitMultipart(std::string_view bytes, const std::string& boundary) {
  std::vector<Entity> entities;
  const std::string delimiter = "--" + boundary;
  // Finds the next delimiter line at or after `from`; npos when the body ends first.
  auto findDelimiter = [&](std::size_t from) {
    while (true) {
      const std::size_t found = bytes.find(delimiter, from);
      if (found == std::string_view::npos) return found;
      const std::size_t after = found + delimiter.size();
      const bool lineStart = found == 0 || bytes[found - 1] == '\n';
      const bool lineEnd = after == bytes.size() || bytes[after] == '\r' || bytes[after] == '\n' ||
                           bytes[after] == ' ' || bytes[after] == '\t' ||
                           bytes.substr(after, 2) == "--";
      if (lineStart && lineEnd) return found;
      from = found + 1;
    }
  };
  std::size_t start = findDelimiter(0);
  while (start != std::string_view::npos) {
    std::size_t cursor = start + delimiter.size();
    if (bytes.substr(cursor, 2) == "--") break;  // the closing delimiter
    NextLine(bytes, cursor);                     // rest of the delimiter line
    if (cursor >= bytes.size()) break;           // cut off right after a delimiter
    Headers headers = ReadHeaders(bytes, cursor);
    const std::size_t next = findDelimiter(cursor);
    std::size_t end = next == std::string_view::npos ? bytes.size() : next;
    // The line break before a delimiter belongs to the delimiter.
    if (next != std::string_view::npos && end > cursor && bytes[end - 1] == '\n') --end;
    if (next != std::string_view::npos && end > cursor && bytes[end - 1] == '\r') --end;
    entities.push_back({std::move(headers), bytes.substr(cursor, end - cursor)});
    start = next;
  }
  return entities;
}

std::string Header(const Headers& headers, const char* name) {
  const auto it = headers.find(name);
  return it == headers.end() ? std::string() : it->second;
}

// Nesting deeper than any real archive is kept as one opaque part instead of followed.
constexpr int kMaxNesting = 16;

// Adds the parts of one entity: itself, or, for a multipart entity, the parts inside it. Of the
// choices of a multipart/alternative only the one that can be shown is kept: the last that is a
// page or a multipart of its own (the last choice being the richest), else the last.
void AddParts(const Headers& headers, std::string_view body, int depth,
              std::vector<MhtmlPart>& parts) {
  const std::string type = Header(headers, "content-type");
  const std::string media = MediaType(type);
  const std::string boundary = Parameter(type, "boundary");
  if (media.rfind("multipart/", 0) != 0 || boundary.empty() || depth >= kMaxNesting) {
    parts.push_back(MakePart(headers, body));
    return;
  }
  std::vector<Entity> entities = SplitMultipart(body, boundary);
  if (media != "multipart/alternative") {
    for (const Entity& entity : entities) AddParts(entity.headers, entity.body, depth + 1, parts);
    return;
  }
  if (entities.empty()) return;
  auto chosen = entities.end() - 1;
  for (auto it = entities.begin(); it != entities.end(); ++it) {
    const std::string choice = MediaType(Header(it->headers, "content-type"));
    if (choice == "text/html" || choice == "application/xhtml+xml" ||
        choice.rfind("multipart/", 0) == 0) {
      chosen = it;
    }
  }
  // The archive names the alternative as a whole (by its "start" parameter, say): the choice
  // answers to its names.
  for (const char* name : {"content-id", "content-location"}) {
    if (Header(chosen->headers, name).empty() && !Header(headers, name).empty())
      chosen->headers[name] = Header(headers, name);
  }
  AddParts(chosen->headers, chosen->body, depth + 1, parts);
}

}  // namespace

std::string DecodeQuotedPrintable(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  auto lineEnd = [&](std::size_t at) {
    return at < text.size() && (text[at] == '\r' || text[at] == '\n');
  };
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (blank(text[i])) {
      // White space at the end of a line was added on the way and is not part of the text.
      std::size_t end = i;
      while (end < text.size() && blank(text[end])) ++end;
      if (end == text.size() || lineEnd(end)) {
        i = end - 1;
      } else {
        out.append(text.substr(i, end - i));
        i = end - 1;
      }
      continue;
    }
    if (text[i] != '=') {
      out += text[i];
      continue;
    }
    std::size_t after = i + 1;
    while (after < text.size() && blank(text[after])) ++after;
    if (lineEnd(after)) {  // soft line break, possibly with padding before it
      i = after +
          ((text[after] == '\r' && after + 1 < text.size() && text[after + 1] == '\n') ? 1 : 0);
      continue;
    }
    const int high = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
    if (high < 0 || low < 0) {
      out += '=';  // not an escape: keep it as it stands
      continue;
    }
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

std::string DecodeBase64(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 3 / 4);
  std::uint32_t buffer = 0;
  int bits = 0;
  for (char c : text) {
    const std::size_t value = kBase64Alphabet.find(c);
    if (value == std::string_view::npos) {
      if (c == '=') break;
      continue;  // line breaks and stray characters
    }
    buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out += static_cast<char>((buffer >> bits) & 0xFF);
    }
  }
  return out;
}

std::string EncodeQuotedPrintable(std::string_view bytes) {
  static constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string out;
  std::size_t column = 0;
  auto emit = [&](std::string_view piece) {
    if (column + piece.size() > 75) {
      out += "=\r\n";
      column = 0;
    }
    out += piece;
    column += piece.size();
  };
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\n' || (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
      if (c == '\r') ++i;
      out += "\r\n";
      column = 0;
      continue;
    }
    const auto u = static_cast<unsigned char>(c);
    const bool lineEndFollows =
        i + 1 == bytes.size() || bytes[i + 1] == '\r' || bytes[i + 1] == '\n';
    const bool plain =
        (u >= 33 && u <= 126 && c != '=') || ((c == ' ' || c == '\t') && !lineEndFollows);
    if (plain) {
      emit(std::string_view(&bytes[i], 1));
    } else {
      const char escaped[3] = {'=', kHex[u >> 4], kHex[u & 15]};
      emit(std::string_view(escaped, 3));
    }
  }
  return out;
}

std::string EncodeBase64(std::string_view bytes) {
  std::string out;
  std::size_t column = 0;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::uint32_t chunk = 0;
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    for (std::size_t k = 0; k < 3; ++k) {
      chunk = (chunk << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    }
    for (std::size_t k = 0; k < 4; ++k) {
      out += k <= n ? kBase64Alphabet[(chunk >> (18 - 6 * k)) & 63] : '=';
    }
    column += 4;
    if (column == 76) {
      out += "\r\n";
      column = 0;
    }
  }
  if (column != 0) out += "\r\n";
  return out;
}

MhtmlDocument DecodeMhtml(std::string_view bytes) {
  MhtmlDocument document;
  std::size_t at = 0;
  const Headers top = ReadHeaders(bytes, at);
  const std::string topType = Header(top, "content-type");
  if (MediaType(topType).rfind("multipart/", 0) != 0 || Parameter(topType, "boundary").empty()) {
    document.parts.push_back(MakePart(top, bytes.substr(at)));
    document.root = 0;
    return document;
  }
  AddParts(top, bytes.substr(at), 0, document.parts);

  // The root is the part the "start" parameter names or, without one (or when it names no
  // part), the first HTML part.
  std::string startId = Parameter(topType, "start");
  if (startId.size() >= 2 && startId.front() == '<' && startId.back() == '>')
    startId = startId.substr(1, startId.size() - 2);
  document.root = document.parts.size();
  for (std::size_t i = 0; i < document.parts.size() && !startId.empty(); ++i) {
    if (document.parts[i].contentId == startId || document.parts[i].location == startId) {
      document.root = i;
      break;
    }
  }
  for (std::size_t i = 0; i < document.parts.size() && document.root == document.parts.size();
       ++i) {
    if (document.parts[i].contentType == "text/html") document.root = i;
  }
  return document;
}

const MhtmlPart* FindPart(const MhtmlDocument& document, std::string_view reference) {
  if (reference.empty()) return nullptr;
  for (const MhtmlPart& part : document.parts) {
    if (part.location == reference) return &part;
  }
  if (reference.size() <= 4 || Lower(reference.substr(0, 4)) != "cid:") return nullptr;
  // A cid: address escapes the characters of the Content-ID that a URL cannot hold.
  std::string id;
  const std::string_view escaped = reference.substr(4);
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    const int high = escaped[i] == '%' && i + 2 < escaped.size() ? HexValue(escaped[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(escaped[i + 2]) : -1;
    if (low >= 0) {
      id += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      id += escaped[i];
    }
  }
  for (const MhtmlPart& part : document.parts) {
    if (!part.contentId.empty() && part.contentId == id) return &part;
  }
  return nullptr;
}

}  // namespace quillory
