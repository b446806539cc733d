#include "choice_lengths.h"

#include <algorithm>
#include <regex>

#include "quillory/content/mhtml.h"

namespace quillory::pack {

namespace {

// The length a pupil sees: tags take no room, a character reference is one character, and the
// single-byte text counts a character a byte. Runs of spaces count once, as the page shows them.
std::size_t ShownLength(std::string_view html) {
  std::size_t length = 0;
  bool space = true;  // leading spaces are not shown
  for (std::size_t i = 0; i < html.size(); ++i) {
    const char c = html[i];
    if (c == '<') {
      const std::size_t close = html.find('>', i);
      if (close == std::string_view::npos) break;
      i = close;
      continue;
    }
    if (c == '&') {
      const std::size_t end = html.find(';', i);
      if (end != std::string_view::npos && end - i <= 10) i = end;
    }
    const bool isSpace = c == ' ' || c == '\t' || c == '\r' || c == '\n';
    if (isSpace && space) continue;
    space = isSpace;
    ++length;
  }
  return space && length > 0 ? length - 1 : length;
}

}  // namespace

std::vector<std::vector<std::string>> ChoicesShown(std::string_view pageHtml) {
  static const std::regex table(R"(<table class=options>([\s\S]*?)</table>)");
  static const std::regex cell(
      R"(<td class=opt>(?:<span class=optnum>\(\d+\)</span>)?([\s\S]*?)</td>)");
  std::vector<std::vector<std::string>> sets;
  const std::string html(pageHtml);
  for (auto t = std::sregex_iterator(html.begin(), html.end(), table); t != std::sregex_iterator();
       ++t) {
    const std::string rows = (*t)[1].str();
    std::vector<std::string> choices;
    for (auto c = std::sregex_iterator(rows.begin(), rows.end(), cell); c != std::sregex_iterator();
         ++c) {
      choices.push_back((*c)[1].str());
    }
    sets.push_back(std::move(choices));
  }
  return sets;
}

bool RightChoiceIsLongest(const std::vector<std::string>& choices, std::size_t right) {
  if (right >= choices.size()) return false;
  const std::size_t rightLength = ShownLength(choices[right]);
  for (std::size_t c = 0; c < choices.size(); ++c) {
    if (c != right && ShownLength(choices[c]) >= rightLength) return false;
  }
  return true;
}

ChoiceLengthShare MeasureChoiceLengths(
    const ContentPackage& package, const std::map<std::string, std::vector<std::string>>& keys,
    const std::map<std::string, std::vector<std::string>>& types) {
  ChoiceLengthShare share;
  for (const auto& [id, pageKeys] : keys) {
    const auto pageTypes = types.find(id);
    if (pageTypes == types.end() || pageTypes->second.size() != pageKeys.size()) continue;
    const auto page = package.Member(static_cast<std::uint16_t>(std::stoi(id)));
    if (!page) continue;
    const MhtmlDocument document = DecodeMhtml(*page);
    const MhtmlPart* root = document.rootPart();
    if (root == nullptr) continue;
    const auto sets = ChoicesShown(root->body);
    std::size_t set = 0;
    for (std::size_t b = 0; b < pageKeys.size(); ++b) {
      if (pageTypes->second[b] != "Q") continue;
      if (sets.empty()) break;
      // Several blanks may answer one set of choices ("Which of these ... ? Which ... ?").
      const auto& choices = sets[std::min(set++, sets.size() - 1)];
      const std::string& key = pageKeys[b];
      if (key.empty() || key.size() > 2 ||
          !std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        continue;
      }
      const std::size_t right = std::stoul(key) - 1;
      if (right >= choices.size()) continue;  // the key check reports it
      ++share.choices;
      if (RightChoiceIsLongest(choices, right)) ++share.longest;
    }
  }
  return share;
}

}  // namespace quillory::pack
