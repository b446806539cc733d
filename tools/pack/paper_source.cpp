#include "paper_source.h"

#include <fstream>
#include <sstream>
#include <utility>

#include "quillory/content/record_file.h"

namespace quillory::pack {
namespace {

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

std::vector<std::string> SplitWords(std::string_view text, std::size_t maxWords) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < text.size() && words.size() + 1 < maxWords) {
    const std::size_t start = text.find_first_not_of(' ', at);
    if (start == std::string_view::npos) return words;
    const std::size_t end = text.find(' ', start);
    words.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return words;
    at = end + 1;
  }
  if (at < text.size()) words.emplace_back(text.substr(at));
  return words;
}

std::string EscapeHtml(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string KeyValue(std::string raw) {
  if (raw == "{space}") return " ";
  if (raw == "{empty}") return "";
  return raw;
}

}  // namespace

std::string OptionsHtml(const std::vector<std::string>& options) {
  bool shortChoices = true;
  for (const auto& option : options) shortChoices = shortChoices && option.size() <= 18;
  std::ostringstream html;
  html << "<table class=options>";
  if (shortChoices) html << "<tr>";
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (!shortChoices) html << "<tr>";
    html << "<td class=opt><span class=optnum>(" << i + 1 << ")</span> " << options[i] << "</td>";
    if (!shortChoices) html << "</tr>";
  }
  if (shortChoices) html << "</tr>";
  html << "</table>\n";
  return html.str();
}

Result<PaperSource> ReadPaperSource(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return Error{errno, file.string() + ": cannot be read."};
  PaperSource paper;
  paper.file = file;
  std::string line;
  int lineNumber = 0;
  bool afterBlank = false;  // an explanation belongs to the @blank line just above it
  auto fail = [&](const std::string& why) {
    return Error{0, file.string() + ":" + std::to_string(lineNumber) + ": " + why};
  };
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const bool follows = std::exchange(afterBlank, false);
    if (line.empty() || line[0] != '@') {
      if (paper.pages.empty()) {
        if (!Trim(line).empty()) return fail("text before the first @page.");
        continue;
      }
      paper.pages.back().html += line + "\n";
      continue;
    }
    const std::size_t space = line.find(' ');
    const std::string instruction = line.substr(0, space);
    const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
    if (instruction == "@paper") {
      paper.key = Trim(rest);
    } else if (instruction == "@page") {
      PageSource page;
      page.id = Trim(rest);
      page.line = lineNumber;
      paper.pages.push_back(std::move(page));
    } else if (paper.pages.empty()) {
      return fail(instruction + " before the first @page.");
    } else if (instruction == "@blank") {
      // The key is everything after "TYPE MARKS ", spaces included.
      auto words = SplitWords(rest, 3);
      if (words.size() < 2) return fail("@blank needs a type, marks and a key.");
      std::string key = words.size() == 3 ? words[2] : "";
      while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
      if (key.empty()) return fail("@blank has no key; write {empty} for an empty key.");
      paper.pages.back().blanks.push_back({words[0], words[1], KeyValue(key), {}, lineNumber});
      afterBlank = true;
    } else if (instruction == "@explain") {
      if (!follows) return fail("@explain must stand on the line after its own @blank.");
      const std::string text = Trim(rest);
      if (text.empty()) return fail("@explain has no text.");
      paper.pages.back().blanks.back().explanation = text;
    } else if (instruction == "@options") {
      std::vector<std::string> options;
      std::istringstream parts(rest);
      for (std::string option; std::getline(parts, option, '|');) options.push_back(Trim(option));
      if (options.size() < 2) return fail("@options needs at least two choices separated by |.");
      paper.pages.back().optionCount += static_cast<int>(options.size());
      paper.pages.back().html += OptionsHtml(options);
      paper.pages.back().optionSets.push_back(std::move(options));
    } else if (instruction == "@figure") {
      auto words = SplitWords(rest, 4);
      if (words.size() < 3) return fail("@figure needs a name, a width and a height.");
      const std::string alt = words.size() == 4 ? words[3] : "";
      paper.pages.back().html += "<p class=figure><img src=\"figures/" + EscapeHtml(words[0]) +
                                 "\" width=" + words[1] + " height=" + words[2] + " alt=\"" +
                                 EscapeHtml(alt) + "\"></p>\n";
    } else {
      return fail("unknown instruction " + instruction + ".");
    }
  }
  if (paper.key.empty()) return Error{0, file.string() + ": no @paper line."};
  return paper;
}

}  // namespace quillory::pack
