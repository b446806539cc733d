#include "package_check.h"

#include <algorithm>
#include <cctype>
#include <iomanip>
#include <map>
#include <numeric>
#include <regex>
#include <set>
#include <sstream>

#include "choice_lengths.h"
#include "package_builder.h"
#include "quillory/content/graphics_catalogue.h"
#include "quillory/content/mhtml.h"
#include "quillory/content/paper_tables.h"
#include "quillory/content/record_file.h"
#include "quillory/content/subject_catalogue.h"
#include "quillory/marking/numeric_answer.h"
#include "table_lines.h"
#include "worked_answers_check.h"

namespace quillory::pack {
namespace {

constexpr std::string_view kTypeLetters = "QTLNFXRMG";

std::map<std::string, std::string> HeaderValues(std::string_view bytes) {
  std::map<std::string, std::string> values;
  for (std::string_view line : SplitLines(bytes)) {
    if (line.size() >= 6 && line[0] == '#' && line[4] == '#' && line[5] == '>') {
      values.emplace(std::string(line.substr(1, 3)), std::string(line.substr(6)));
    }
  }
  return values;
}

bool IsWholeNumber(const std::string& text) {
  return !text.empty() && text.size() <= 4 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> Alternatives(const std::string& key) {
  std::vector<std::string> alternatives;
  if (key.empty() || key[0] != ';') return alternatives;
  std::size_t at = 1;
  while (true) {
    const std::size_t next = key.find(';', at);
    alternatives.push_back(key.substr(at, next - at));
    if (next == std::string::npos) break;
    at = next + 1;
  }
  return alternatives;
}

int OptionsShown(const ContentPackage& package, const std::string& id) {
  const auto page = package.Member(static_cast<std::uint16_t>(std::stoi(id)));
  if (!page) return 0;
  const MhtmlDocument document = DecodeMhtml(*page);
  const MhtmlPart* root = document.rootPart();
  if (root == nullptr) return 0;
  static const std::regex option(R"(<td class=opt>)");
  return static_cast<int>(std::distance(
      std::sregex_iterator(root->body.begin(), root->body.end(), option), std::sregex_iterator()));
}

// What a pupil reads on a page: its text without tags, question number, the paper's heading or
// instruction, letter case and spacing evened out, followed by its pictures' bytes.
std::string QuestionFingerprint(std::string_view page) {
  const MhtmlDocument document = DecodeMhtml(page);
  const MhtmlPart* root = document.rootPart();
  if (root == nullptr) return std::string(page);
  static const std::regex instruction(R"re(<p class="?(instr|paperhead)"?[^>]*>[\s\S]*?</p>)re");
  static const std::regex number(R"(<b>\s*\d+\.\s*</b>)");
  static const std::regex tag(R"(<[^>]*>)");
  std::string text = std::regex_replace(root->body, instruction, " ");
  text = std::regex_replace(text, number, " ");
  const std::size_t bodyStart = text.find("<body");
  if (bodyStart != std::string::npos) text.erase(0, bodyStart);
  text = std::regex_replace(text, tag, " ");
  std::string fingerprint;
  for (char c : text) {
    const bool space = std::isspace(static_cast<unsigned char>(c)) != 0;
    if (space && (fingerprint.empty() || fingerprint.back() == ' ')) continue;
    fingerprint += space ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  for (const MhtmlPart& part : document.parts) {
    if (part.contentType.rfind("image/", 0) == 0) fingerprint += '\0' + part.body;
  }
  return fingerprint;
}

// A fraction "a/b" in lowest terms with a non-zero denominator; `proper` also wants a < b.
bool IsFraction(const std::string& text, bool proper) {
  static const std::regex pattern(R"((\d+)/(\d+))");
  std::smatch match;
  if (!std::regex_match(text, match, pattern)) return false;
  const long top = std::stol(match[1]);
  const long bottom = std::stol(match[2]);
  return bottom > 0 && std::gcd(top, bottom) == 1 && (!proper || (top > 0 && top < bottom));
}

bool KeyFitsType(const std::string& key, const std::string& type, std::string& why) {
  if (type == "N" && !ParseNumericAnswer(key)) why = "is not a number";
  if (type == "F" && !IsFraction(key, false))
    why = "is not a fraction in lowest terms such as 29/36";
  if (type == "X") {
    static const std::regex mixed(R"((\d+) (\d+/\d+))");
    std::smatch match;
    if (!std::regex_match(key, match, mixed) || !IsFraction(match[2], true)) {
      why = "is not a mixed number in lowest terms such as 2 3/4";
    }
  }
  if (type == "M" && Alternatives(key).size() < 2)
    why = "does not list two or more answers as ;A;B";
  if ((type == "T" || type == "L" || type == "R") &&
      key.find_first_not_of(' ') == std::string::npos) {
    why = "is empty";
  }
  return why.empty();
}

class Checker {
 public:
  Checker(const ContentPackage& package, std::vector<std::string>* figures)
      : package_(package), figures_(figures) {}

  std::vector<std::string> Run() {
    const auto header = package_.Member(kHeaderId);
    if (!header) {
      problems_.push_back("The product header (member 30000) is missing.");
    } else {
      CheckHeader(HeaderValues(*header));
    }
    CheckUnlistedPages();
    for (const GraphicEntry& graphic : graphicsCatalogue()) {
      if (!package_.Member(graphic.id)) {
        problems_.push_back("The window picture " + std::string(graphic.fileName) + " (member " +
                            std::to_string(graphic.id) + ") is missing.");
      }
    }
    return problems_;
  }

 private:
  void CheckHeader(const std::map<std::string, std::string>& values) {
    auto value = [&](const std::string& key) {
      const auto it = values.find(key);
      return it == values.end() ? std::string() : it->second;
    };
    if (value("NME").empty()) problems_.push_back("The header has no title (NME).");
    const std::string code = value("COD");
    if (code.empty() || code.find_first_of("/\\. ") != std::string::npos) {
      problems_.push_back("The header's product code (COD) must be letters or digits.");
    }
    static constexpr std::array<const char*, 3> kNameKeys{"LAH", "LBH", "LCH"};
    bool any = false;
    for (int s = 1; s <= kSubjectSlots; ++s) {
      const std::string name = value(kNameKeys[static_cast<std::size_t>(s - 1)]);
      if (name.empty()) continue;
      any = true;
      const std::string digit = std::to_string(s);
      const std::string topics = value("TT" + digit);
      const std::string papers = value("TP" + digit);
      const int topicCount = IsWholeNumber(topics) ? std::stoi(topics) : -1;
      const int paperCount = IsWholeNumber(papers) ? std::stoi(papers) : -1;
      const std::string where = name + " (subject " + digit + ")";
      if (topicCount < 1 || topicCount > kTopicCapacity) {
        problems_.push_back(where + ": TT" + digit + " must be 1 to 10 topics.");
        continue;
      }
      if (paperCount != kPapersPerTopic * topicCount || paperCount > kPaperCapacity) {
        problems_.push_back(where + ": TP" + digit + " must be five papers a topic, at most 50.");
        continue;
      }
      std::vector<std::string> topicNames;
      for (const auto& line : ParseTable(
               value("TN" + digit).empty() ? "" : "#TN" + digit + "#>" + value("TN" + digit))) {
        topicNames = line.values;
      }
      if (static_cast<int>(topicNames.size()) != topicCount ||
          std::any_of(topicNames.begin(), topicNames.end(), [](auto& n) { return n.empty(); })) {
        problems_.push_back(where + ": TN" + digit + " must name all " + topics + " topics.");
      } else if (topicNames.back() != "Mock Examination") {
        problems_.push_back(where + ": the last topic must be \"Mock Examination\".");
      }
      CheckSubject(s, where, paperCount);
    }
    if (!any) problems_.push_back("The header names no subject.");
  }

  const std::string* Table(int s, SubjectTable table, const std::string& where) {
    const std::uint16_t id = SubjectTableId(s, table);
    const auto bytes = package_.Member(id);
    if (!bytes) {
      problems_.push_back(where + ": table " + std::to_string(id) + " is missing.");
      return nullptr;
    }
    tables_[id] = std::string(*bytes);
    return &tables_[id];
  }

  void CheckSubject(int s, const std::string& where, int paperCount) {
    const std::string* paperBytes = Table(s, SubjectTable::PaperList, where);
    const std::string* keyBytes = Table(s, SubjectTable::AnswerKey, where);
    const std::string* typeBytes = Table(s, SubjectTable::AnswerTypes, where);
    const std::string* markBytes = Table(s, SubjectTable::Marks, where);
    if (!paperBytes || !keyBytes || !typeBytes || !markBytes) return;

    std::map<std::string, std::vector<std::string>> keys, types, marks;
    std::map<std::string, std::size_t> order;  // position of each id in the answer key
    for (auto [bytes, table] :
         {std::pair{keyBytes, &keys}, std::pair{typeBytes, &types}, std::pair{markBytes, &marks}}) {
      std::string previous;
      for (auto& line : ParseTable(*bytes)) {
        if (!previous.empty() && line.key <= previous) {
          problems_.push_back(where + ": the tables must be sorted by question id; " + line.key +
                              " stands after " + previous + ".");
        }
        previous = line.key;
        if (table == &keys) order.emplace(line.key, order.size());
        (*table)[line.key] = std::move(line.values);
      }
    }

    std::map<int, int> blanksByPaper;
    std::set<std::string> paperKeys;
    for (const TableLine& paper : ParseTable(*paperBytes)) {
      const std::string at = where + ", paper " + paper.key;
      const int number = IsWholeNumber(paper.key) ? std::stoi(paper.key) - 100 : 0;
      if (paper.key.size() != 3 || number < 1 || number > paperCount) {
        problems_.push_back(at + ": the key must be 101 to " + std::to_string(100 + paperCount) +
                            ".");
        continue;
      }
      if (!paperKeys.insert(paper.key).second) problems_.push_back(at + ": listed twice.");
      if (paper.values.empty()) problems_.push_back(at + ": lists no question.");
      int blankCount = 0;
      int totalMarks = 0;
      std::string previous;
      std::vector<std::string> flatKeys, flatTypes;
      for (const std::string& id : paper.values) {
        const std::string page = at + ", question " + id;
        CheckId(id, page);
        if (!previous.empty() &&
            (!order.contains(id) || !order.contains(previous) || order[id] < order[previous])) {
          problems_.push_back(page + ": the paper must list its questions in the tables' order.");
        }
        previous = id;
        const auto owner = pageOwner_.emplace(id, at);
        if (!owner.second) problems_.push_back(page + ": also in " + owner.first->second + ".");
        if (!keys.contains(id) || !types.contains(id) || !marks.contains(id)) {
          problems_.push_back(page + ": missing from the answer key, types or marks.");
          continue;
        }
        const auto& pageKeys = keys[id];
        if (pageKeys.size() != types[id].size() || pageKeys.size() != marks[id].size()) {
          problems_.push_back(page + ": the answer key, types and marks hold " +
                              std::to_string(pageKeys.size()) + ", " +
                              std::to_string(types[id].size()) + " and " +
                              std::to_string(marks[id].size()) + " values.");
          continue;
        }
        if (pageKeys.empty() || pageKeys.size() > 20) {
          problems_.push_back(page + ": a page must have 1 to 20 blanks.");
        }
        const int optionsShown = OptionsShown(package_, id);
        for (std::size_t b = 0; b < pageKeys.size(); ++b) {
          const std::string blank = page + ", blank " + std::to_string(b + 1);
          const std::string& key = pageKeys[b];
          const std::string& type = types[id][b];
          if (type.size() != 1 || kTypeLetters.find(type) == std::string_view::npos) {
            problems_.push_back(blank + ": unknown answer type \"" + type + "\".");
          }
          if (!IsWholeNumber(marks[id][b])) {
            problems_.push_back(blank + ": marks \"" + marks[id][b] + "\" are not a whole number.");
          } else {
            totalMarks += std::stoi(marks[id][b]);
          }
          std::string why;
          if (!KeyFitsType(key, type, why)) {
            problems_.push_back(blank + ": the key \"" + key + "\" " + why + " (type " + type +
                                ").");
          }
          if (type == "Q") {
            if (!IsWholeNumber(key) || std::stoi(key) < 1 || std::stoi(key) > optionsShown) {
              problems_.push_back(blank + ": the key \"" + key + "\" is not one of the " +
                                  std::to_string(optionsShown) + " choices the page shows.");
            }
          }
          flatKeys.push_back(key);
          flatTypes.push_back(type);
        }
        blankCount += static_cast<int>(pageKeys.size());
      }
      CheckGroups(at, flatKeys, flatTypes);
      if (blankCount > kBlankCapacity) {
        problems_.push_back(at + ": " + std::to_string(blankCount) + " blanks; at most 80 fit.");
      }
      if (!paper.values.empty() && totalMarks == 0) {
        problems_.push_back(at + ": the paper carries no marks.");
      }
      blanksByPaper[number] = blankCount;
    }
    CheckRepeatedQuestions(where, keys);
    CheckWorkedAnswers(s, where, keys, types);
    for (const auto& [id, values] : keys) {
      if (!pageOwner_.contains(id)) {
        problems_.push_back(where + ", question " + id + ": in the answer key but in no paper.");
      }
    }

    const auto expected = ResultTemplates(paperCount, blanksByPaper);
    for (int k = 1; k <= 6; ++k) {
      const std::uint16_t id = ResultTemplateId(s, k);
      const auto bytes = package_.Member(id);
      if (!bytes || *bytes != expected[static_cast<std::size_t>(k - 1)]) {
        problems_.push_back(where + ": result-file template " + std::to_string(id) +
                            (bytes ? " does not fit the papers." : " is missing."));
      }
    }
  }

  void CheckWorkedAnswers(int s, const std::string& where,
                          const std::map<std::string, std::vector<std::string>>& keys,
                          const std::map<std::string, std::vector<std::string>>& types) {
    if (const std::string* explanations = Table(s, SubjectTable::Explanations, where)) {
      CheckExplanations(
          *explanations, keys,
          [&](const std::string& id) {
            const auto owner = pageOwner_.find(id);
            return (owner == pageOwner_.end() ? where : owner->second) + ", question " + id;
          },
          problems_);
    }
    const ChoiceLengthShare share = MeasureChoiceLengths(package_, keys, types);
    std::ostringstream figure;
    figure << where << ": the right choice is the longest in " << share.longest << " of "
           << share.choices << " multiple-choice blanks (" << std::fixed << std::setprecision(1)
           << share.percent() << " %).";
    if (figures_ != nullptr) figures_->push_back(figure.str());
    if (share.percent() > kLongestChoiceLimit) {
      problems_.push_back(figure.str() + " A pupil could guess by length; at most " +
                          std::to_string(static_cast<int>(kLongestChoiceLimit)) + " % may be.");
    }
  }

  // A pupil who meets the same question twice in a subject practises less than the papers
  // promise. Pages are compared as read: their words (numbering and instructions aside) and their
  // pictures.
  void CheckRepeatedQuestions(const std::string& where,
                              const std::map<std::string, std::vector<std::string>>& ids) {
    std::map<std::string, std::string> firstPageWith;
    for (const auto& [id, values] : ids) {
      const auto page = package_.Member(static_cast<std::uint16_t>(std::stoi(id)));
      if (!page) continue;
      const auto [first, added] = firstPageWith.emplace(QuestionFingerprint(*page), id);
      if (!added) {
        problems_.push_back(where + ", question " + id + ": repeats question " + first->second +
                            ".");
      }
    }
  }

  void CheckGroups(const std::string& at, const std::vector<std::string>& keys,
                   const std::vector<std::string>& types) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (types[i] != "G") continue;
      if (keys[i] == " ") {
        problems_.push_back(at + ", blank " + std::to_string(i + 1) +
                            ": a group's later blank (key \" \") stands behind no head.");
        continue;
      }
      std::size_t size = 1;
      while (i + size < keys.size() && keys[i + size] == " ") {
        if (types[i + size] != "G") {
          problems_.push_back(at + ", blank " + std::to_string(i + size + 1) +
                              ": a group's later blank must be of type G.");
        }
        ++size;
      }
      const auto alternatives = Alternatives(keys[i]);
      // Two spellings of one answer would let a pupil score twice with it in one group.
      std::set<std::string> seen;
      for (const std::string& alternative : alternatives) {
        std::string plain;
        for (char c : alternative) {
          if (c != ' ') plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (!seen.insert(plain).second) {
          problems_.push_back(at + ", blank " + std::to_string(i + 1) + ": the group lists \"" +
                              alternative + "\" twice; one answer could score twice.");
        }
      }
      if (alternatives.size() < size || size > 20) {
        problems_.push_back(at + ", blank " + std::to_string(i + 1) + ": the group of " +
                            std::to_string(size) + " blanks lists " +
                            std::to_string(alternatives.size()) + " answers.");
      }
      i += size - 1;
    }
  }

  void CheckId(const std::string& id, const std::string& where) {
    const bool digits =
        id.size() == 5 && IsWholeNumber(id.substr(0, 4)) && IsWholeNumber(id.substr(4));
    const int value = digits ? std::stoi(id) : 0;
    if (!digits || value > 32767 || (value >= 30000 && value <= 30199)) {
      problems_.push_back(where + ": an id must be five digits up to 32767, not a table's id.");
    } else if (!package_.Member(static_cast<std::uint16_t>(value))) {
      problems_.push_back(where + ": the page is missing.");
    }
  }

  void CheckUnlistedPages() {
    // Runs after the subjects are checked: every page member must belong to a paper.
    for (std::uint16_t id : package_.Ids()) {
      if (id < 10000 || (id >= 30000 && id <= 30199)) continue;
      if (!pageOwner_.contains(std::to_string(id))) {
        problems_.push_back("Question " + std::to_string(id) + ": the page is in no paper.");
      }
    }
  }

  const ContentPackage& package_;
  std::vector<std::string>* figures_;
  std::vector<std::string> problems_;
  std::map<std::uint16_t, std::string> tables_;
  std::map<std::string, std::string> pageOwner_;
};

}  // namespace

std::vector<std::string> CheckPackage(const ContentPackage& package,
                                      std::vector<std::string>* figures) {
  return Checker(package, figures).Run();
}

}  // namespace quillory::pack
